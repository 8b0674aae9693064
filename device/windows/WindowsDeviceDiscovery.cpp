#include "WindowsDeviceDiscovery.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// clang-format on

#include <cstring>
#include <memory>

#include "WindowsDeviceNotifications.h"

namespace {

struct DeviceInfoSetDeleter {
    void operator()(HDEVINFO set) const { SetupDiDestroyDeviceInfoList(set); }
};
using DeviceInfoSet = std::unique_ptr<void, DeviceInfoSetDeleter>;

}  // namespace

DWORD InterfaceDetailHeaderSize() {
    return sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
}

IdentityScan WindowsDeviceDiscovery::ScanIdentities() {
    IdentityScan scan;
    const HDEVINFO handle =
        SetupDiGetClassDevsA(&kGuidDevinterfaceDisk, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (handle == INVALID_HANDLE_VALUE) {
        scan.error = static_cast<long>(GetLastError());
        return scan;
    }
    const DeviceInfoSet set(handle);
    // Allocated as DWORDs for the detail structure's alignment.
    const auto buffer = std::make_unique<DWORD[]>(kInterfaceDetailBufferSize / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.get());
    const std::size_t pathCapacity =
        kInterfaceDetailBufferSize - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);

    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &kGuidDevinterfaceDisk, index, &data)) {
            break;
        }
        detail->cbSize = InterfaceDetailHeaderSize();
        if (!SetupDiGetDeviceInterfaceDetailA(set.get(), &data, detail, kInterfaceDetailBufferSize, nullptr,
                                              nullptr)) {
            break;
        }
        scan.identities.emplace_back(detail->DevicePath, strnlen(detail->DevicePath, pathCapacity));
    }
    return scan;
}
