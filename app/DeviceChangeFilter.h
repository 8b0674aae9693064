#pragma once

#include <QAbstractNativeEventFilter>

#include <windows.h>

#include <functional>
#include <memory>

#include "device/HotplugEvent.h"

// Windows only: registers a window for device-interface notifications and
// hands each WM_DEVICECHANGE it receives, decoded, to a handler. The message
// then goes on to Qt's own handling. Destroying the filter removes it and
// cancels the registrations.
class DeviceChangeFilter : public QAbstractNativeEventFilter {
public:
    DeviceChangeFilter(HWND window, std::function<void(const HotplugEvent&)> handler);
    ~DeviceChangeFilter() override;
    DeviceChangeFilter(const DeviceChangeFilter&) = delete;
    DeviceChangeFilter& operator=(const DeviceChangeFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const HWND window_;
    const std::function<void(const HotplugEvent&)> handler_;
    std::shared_ptr<void> registrations_;
};
