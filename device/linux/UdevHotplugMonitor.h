#pragma once

#include <memory>
#include <vector>

#include "../HotplugMonitor.h"
#include "UdevHandles.h"

// Block disks coming and going, as the udev daemon announces them once it has
// processed them (the "udev" netlink group, so the identity properties and
// the device nodes are in place). Without a running daemon nothing arrives,
// which is no error.
class UdevHotplugMonitor : public HotplugMonitor {
public:
    // Null when no monitor can be set up.
    static std::unique_ptr<UdevHotplugMonitor> Create();

    int Fd() const override;
    std::vector<HotplugEvent> ReadEvents() override;

private:
    UdevHotplugMonitor(UdevPtr context, UdevMonitorPtr monitor);

    UdevPtr context_;
    UdevMonitorPtr monitor_;
};
