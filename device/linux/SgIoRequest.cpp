#include "SgIoRequest.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace {

// Host byte of a command that could not reach its target, the usual sign of
// a USB device pulled out mid-command. (Not exported to user space.)
constexpr unsigned short kHostNoConnect = 0x01;

}  // namespace

sg_io_hdr_t BuildSgIoHeader(const ScsiCommand& command, std::uint8_t* senseBuffer) {
    sg_io_hdr_t header;
    std::memset(&header, 0, sizeof header);
    header.interface_id = 'S';
    const bool hasData = command.dataLength > 0 && command.data != nullptr;
    header.dxfer_direction = hasData ? SG_DXFER_FROM_DEV : SG_DXFER_NONE;
    header.cmd_len = command.cdbLength;
    header.mx_sb_len = kSgSenseBufferLength;
    header.dxfer_len = hasData ? command.dataLength : 0;
    header.dxferp = hasData ? command.data : nullptr;
    header.cmdp = const_cast<unsigned char*>(command.cdb.data());
    header.sbp = senseBuffer;
    const std::uint64_t milliseconds = std::uint64_t{command.timeoutSeconds} * 1000;
    header.timeout = static_cast<unsigned int>(
        std::min<std::uint64_t>(milliseconds, std::numeric_limits<unsigned int>::max() - 1));
    return header;
}

ScsiResult EvaluateSgIo(int ioctlResult, int error, const sg_io_hdr_t& header, bool nodePresent) {
    ScsiResult result;
    if (ioctlResult < 0) {
        // The header is not filled in when the ioctl itself fails.
        result.systemError = error;
        result.deviceGone = error == ENODEV || error == ENXIO || (error == EIO && !nodePresent);
        return result;
    }
    const long long arrived = static_cast<long long>(header.dxfer_len) - header.resid;
    result.transferred = static_cast<std::uint32_t>(std::clamp<long long>(arrived, 0, header.dxfer_len));
    result.scsiStatus = header.status;
    result.senseLength = std::min<unsigned char>(header.sb_len_wr, kSgSenseBufferLength);
    if (header.sbp != nullptr && result.senseLength > 0) {
        std::memcpy(result.sense.data(), header.sbp, result.senseLength);
    }
    result.deviceGone = header.host_status == kHostNoConnect;

    if ((header.info & SG_INFO_OK_MASK) != SG_INFO_OK) {
        return result;
    }
    if (header.host_status != 0 || header.driver_status != 0) {
        return result;
    }
    if (header.status != 0 || header.masked_status != 0) {
        return result;
    }
    if (header.sb_len_wr != 0) {
        return result;
    }
    result.ok = true;
    return result;
}
