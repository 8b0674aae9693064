#pragma once

#include <windows.h>

#include "../DeviceDiscovery.h"

// SetupAPI's view of the disks: the interface paths of GUID_DEVINTERFACE_DISK
// present, e.g. "\\?\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc13_20&0#{53f56307-...}".
class WindowsDeviceDiscovery : public DeviceDiscovery {
public:
    // Windows numbers the physical drives itself.
    void RefreshDrives() override {}

    // Every present interface in SetupAPI's order, until the first that
    // cannot be read. The error is GetLastError() of a set that could not
    // be made.
    IdentityScan ScanIdentities() override;
};

// The interface detail buffer: 1024 bytes, the size field set to the ANSI
// header's size for this build. That is 8 on 64-bit Windows (5 only for a
// 32-bit build); SetupAPI refuses any other value.
inline constexpr DWORD kInterfaceDetailBufferSize = 1024;
DWORD InterfaceDetailHeaderSize();
