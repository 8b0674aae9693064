#include "UdevHotplugMonitor.h"

#include <utility>

#include "ReadUdevDiskRecord.h"

std::unique_ptr<UdevHotplugMonitor> UdevHotplugMonitor::Create() {
    UdevPtr context(udev_new());
    if (context == nullptr) {
        return nullptr;
    }
    UdevMonitorPtr monitor(udev_monitor_new_from_netlink(context.get(), "udev"));
    if (monitor == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "block", "disk") < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return nullptr;
    }
    return std::unique_ptr<UdevHotplugMonitor>(
        new UdevHotplugMonitor(std::move(context), std::move(monitor)));
}

UdevHotplugMonitor::UdevHotplugMonitor(UdevPtr context, UdevMonitorPtr monitor)
    : context_(std::move(context)), monitor_(std::move(monitor)) {}

int UdevHotplugMonitor::Fd() const {
    return udev_monitor_get_fd(monitor_.get());
}

std::vector<HotplugEvent> UdevHotplugMonitor::ReadEvents() {
    // libudev opens the monitor socket non-blocking: receiving stops when
    // nothing is left.
    std::vector<HotplugEvent> events;
    while (const UdevDevicePtr device{udev_monitor_receive_device(monitor_.get())}) {
        const char* action = udev_device_get_action(device.get());
        events.push_back(
            HotplugEventFromUdev(action != nullptr ? action : "", ReadUdevDiskRecord(device.get())));
    }
    return events;
}
