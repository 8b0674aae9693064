#pragma once

#include <windows.h>

#include <string>

// The path of a drive: "\\.\PHYSICALDRIVEn" for a digit n, "\\.\X:" for a
// drive letter X.
std::string DeviceHandlePath(char drive);

// Opens the drive for pass-through commands: read and write access, shared
// read and write, opened synchronously. INVALID_HANDLE_VALUE on failure.
HANDLE OpenDeviceHANDLE(char drive);
