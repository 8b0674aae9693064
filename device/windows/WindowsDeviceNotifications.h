#pragma once

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "../HotplugEvent.h"

// Device notifications for the main window: which interface classes it
// registers for, the filter it registers with, and reading WM_DEVICECHANGE
// back into a HotplugEvent.

// GUID_DEVINTERFACE_USB_DEVICE and GUID_DEVINTERFACE_DISK, spelled out so no
// GUID library is needed.
inline constexpr GUID kGuidDevinterfaceUsbDevice = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
inline constexpr GUID kGuidDevinterfaceDisk = {
    0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};

// The classes the window registers for, in registration order: USB devices,
// then disks.
std::array<GUID, 2> DeviceNotificationClasses();

// A device-interface filter for one class: the structure's own size (32
// bytes on 32-bit and 64-bit Windows alike), DBT_DEVTYP_DEVICEINTERFACE, the
// class, no name.
DEV_BROADCAST_DEVICEINTERFACE_A DeviceInterfaceFilter(const GUID& interfaceClass);

// Registers window for both classes. The result holds every registration that
// succeeded and cancels them all when the last copy goes. When one fails,
// *error gets GetLastError() and the rest are not tried.
std::shared_ptr<void> RegisterDeviceInterfaceNotifications(HWND window, DWORD* error);

// WM_DEVICECHANGE: DBT_DEVICEARRIVAL and DBT_DEVICEREMOVECOMPLETE become
// arrival and removal, anything else (DBT_DEVNODES_CHANGED, ...) another
// event. The header is read only for those two, where Windows sends one, and
// never beyond the size it states; a device-interface header's UTF-16 name
// becomes 8-bit text in lower case.
HotplugEvent DecodeDeviceChange(WPARAM event, LPARAM data);

// A UTF-16 name as 8-bit text: ASCII as it is, anything else '?'. Stops at
// the first NUL or after maxChars characters.
std::string NarrowInterfaceName(const wchar_t* name, std::size_t maxChars);
