#include "OpenDeviceHANDLE.h"

std::string DeviceHandlePath(char drive) {
    if (drive >= '0' && drive <= '9') {
        return std::string("\\\\.\\PHYSICALDRIVE") + drive;
    }
    return std::string("\\\\.\\") + drive + ":";
}

HANDLE OpenDeviceHANDLE(char drive) {
    return CreateFileA(DeviceHandlePath(drive).c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}
