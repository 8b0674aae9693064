#pragma once

#include <windows.h>

#include "../ScsiTransport.h"

// Sends commands through IOCTL_SCSI_PASS_THROUGH_DIRECT on an open drive
// handle, which it owns and closes. The handle is opened for synchronous I/O,
// and Windows completes the calls of several threads on it one after another,
// so Execute needs no lock.
class SptiTransport : public ScsiTransport {
public:
    explicit SptiTransport(HANDLE handle);
    ~SptiTransport() override;
    SptiTransport(const SptiTransport&) = delete;
    SptiTransport& operator=(const SptiTransport&) = delete;

    ScsiResult Execute(const ScsiCommand& command) override;
    HANDLE Handle() const { return handle_; }

private:
    const HANDLE handle_;
};
