#include "DeviceChangeFilter.h"

#include <QCoreApplication>

#include <utility>

#include "device/windows/WindowsDeviceNotifications.h"

DeviceChangeFilter::DeviceChangeFilter(HWND window, std::function<void(const HotplugEvent&)> handler)
    : window_(window), handler_(std::move(handler)) {
    DWORD error = 0;
    registrations_ = RegisterDeviceInterfaceNotifications(window_, &error);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DeviceChangeFilter::~DeviceChangeFilter() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DeviceChangeFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "windows_generic_MSG") {
        return false;
    }
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->hwnd == window_ && msg->message == WM_DEVICECHANGE) {
        handler_(DecodeDeviceChange(msg->wParam, msg->lParam));
    }
    return false;
}
