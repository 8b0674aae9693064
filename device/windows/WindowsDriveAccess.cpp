#include "WindowsDriveAccess.h"

#include "OpenDeviceHANDLE.h"
#include "SptiTransport.h"

std::shared_ptr<ScsiTransport> WindowsDriveAccess::Open(char drive) {
    const HANDLE handle = OpenDeviceHANDLE(drive);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_shared<SptiTransport>(handle);
}
