#include "WindowsDeviceNotifications.h"

#include <vector>

static_assert(kDeviceInterfaceHeader == DBT_DEVTYP_DEVICEINTERFACE);

namespace {

// Every registration made for one window; dropping them unregisters.
class DeviceNotifications {
public:
    ~DeviceNotifications() {
        for (const HDEVNOTIFY handle : handles_) {
            UnregisterDeviceNotification(handle);
        }
    }
    void Add(HDEVNOTIFY handle) { handles_.push_back(handle); }

private:
    std::vector<HDEVNOTIFY> handles_;
};

}  // namespace

std::array<GUID, 2> DeviceNotificationClasses() {
    return {kGuidDevinterfaceUsbDevice, kGuidDevinterfaceDisk};
}

DEV_BROADCAST_DEVICEINTERFACE_A DeviceInterfaceFilter(const GUID& interfaceClass) {
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = interfaceClass;
    return filter;
}

std::shared_ptr<void> RegisterDeviceInterfaceNotifications(HWND window, DWORD* error) {
    auto registrations = std::make_shared<DeviceNotifications>();
    *error = 0;
    for (const GUID& interfaceClass : DeviceNotificationClasses()) {
        DEV_BROADCAST_DEVICEINTERFACE_A filter = DeviceInterfaceFilter(interfaceClass);
        const HDEVNOTIFY handle = RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        if (handle == nullptr) {
            *error = GetLastError();
            break;
        }
        registrations->Add(handle);
    }
    return registrations;
}

std::string NarrowInterfaceName(const wchar_t* name, std::size_t maxChars) {
    std::string narrow;
    for (std::size_t i = 0; i < maxChars && name[i] != L'\0'; ++i) {
        const auto c = static_cast<unsigned>(name[i]);
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

HotplugEvent DecodeDeviceChange(WPARAM event, LPARAM data) {
    HotplugEvent decoded;
    if (event == DBT_DEVICEARRIVAL) {
        decoded.action = HotplugAction::Arrival;
    } else if (event == DBT_DEVICEREMOVECOMPLETE) {
        decoded.action = HotplugAction::RemoveComplete;
    } else {
        return decoded;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header == nullptr || header->dbch_size < sizeof(DEV_BROADCAST_HDR)) {
        return decoded;
    }
    decoded.headerType = header->dbch_devicetype;
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (decoded.headerType == DBT_DEVTYP_DEVICEINTERFACE && header->dbch_size > kNameOffset) {
        const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
        const std::size_t maxChars = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
        decoded.name = LowerAscii(NarrowInterfaceName(broadcast->dbcc_name, maxChars));
    }
    return decoded;
}
