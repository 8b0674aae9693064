#include "SptiTransport.h"

#include "SptdRequestBlock.h"

SptiTransport::SptiTransport(HANDLE handle) : handle_(handle) {}

SptiTransport::~SptiTransport() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
    }
}

ScsiResult SptiTransport::Execute(const ScsiCommand& command) {
    SptdRequestBlock block;
    BuildSptdRequest(block, command);
    DWORD returned = 0;
    const BOOL delivered = DeviceIoControl(handle_, IOCTL_SCSI_PASS_THROUGH_DIRECT, &block, sizeof block,
                                           &block, sizeof block, &returned, nullptr);
    const DWORD error = delivered ? ERROR_SUCCESS : GetLastError();
    return EvaluateSptdResult(delivered != FALSE, error, block, command);
}
