#pragma once

#include <memory>
#include <string>

#include "../ScsiTransport.h"

// Sends commands through the SG_IO ioctl on the instrument's SCSI generic node
// (/dev/sgN). The block node /dev/sdX would refuse the vendor opcode to anyone
// without CAP_SYS_RAWIO; the sg node takes it from whoever may open it, which
// the udev rule grants the logged-in user.
//
// The sg driver handles concurrent SG_IO calls on one descriptor, and USB
// mass storage runs them one after another, so Execute needs no lock.
class SgIoTransport : public ScsiTransport {
public:
    // Opens path read-write; null when it cannot be opened or is not a SCSI
    // generic device.
    static std::shared_ptr<SgIoTransport> Open(const std::string& path);

    ~SgIoTransport() override;
    SgIoTransport(const SgIoTransport&) = delete;
    SgIoTransport& operator=(const SgIoTransport&) = delete;

    ScsiResult Execute(const ScsiCommand& command) override;
    const std::string& Path() const { return path_; }

private:
    SgIoTransport(int fd, std::string path);

    const int fd_;
    const std::string path_;
};
