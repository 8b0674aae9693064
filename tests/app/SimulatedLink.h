#pragma once

// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

#include <memory>

#include "DeviceLink.h"

// The window's device link to a simulated instrument, without hot-plug.
inline DeviceLink SimulatedLink(
    const std::shared_ptr<SimulatedInstrument>& sim = std::make_shared<SimulatedInstrument>()) {
    return {.drives = std::make_shared<SimDriveAccess>(sim),
            .discovery = std::make_shared<SimDeviceDiscovery>(sim),
            .hotplug = nullptr,
            .simulator = sim};
}
