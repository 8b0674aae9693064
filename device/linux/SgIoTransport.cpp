#include "SgIoTransport.h"

#include <fcntl.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "SgIoRequest.h"

namespace {

// sg driver version 3 introduced SG_IO with sg_io_hdr.
constexpr int kFirstSgIoVersion = 30000;

}  // namespace

std::shared_ptr<SgIoTransport> SgIoTransport::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    int version = 0;
    if (::ioctl(fd, SG_GET_VERSION_NUM, &version) < 0 || version < kFirstSgIoVersion) {
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<SgIoTransport>(new SgIoTransport(fd, path));
}

SgIoTransport::SgIoTransport(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

SgIoTransport::~SgIoTransport() {
    ::close(fd_);
}

ScsiResult SgIoTransport::Execute(const ScsiCommand& command) {
    std::array<std::uint8_t, kSgSenseBufferLength> sense{};
    sg_io_hdr_t header = BuildSgIoHeader(command, sense.data());
    int result = 0;
    do {
        result = ::ioctl(fd_, SG_IO, &header);
    } while (result < 0 && errno == EINTR);
    const int error = result < 0 ? errno : 0;
    // EIO alone can be a transient bus error; after an unplug the node is gone.
    const bool nodePresent = error != EIO || ::access(path_.c_str(), F_OK) == 0;
    return EvaluateSgIo(result, error, header, nodePresent);
}
