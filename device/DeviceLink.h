#pragma once

#include <memory>

#include "DeviceDiscovery.h"
#include "DriveAccess.h"
#include "HotplugMonitor.h"

class SimulatedInstrument;

// Everything the main window uses to reach the instrument, for the backend
// the command line chose. Any part may be null: no drives opens nothing, no
// discovery finds no identity, no monitor follows no plugging.
struct DeviceLink {
    std::shared_ptr<DriveAccess> drives;
    std::shared_ptr<DeviceDiscovery> discovery;
    std::shared_ptr<HotplugMonitor> hotplug;
    // Set with the simulated instrument, so it can be unplugged and plugged
    // back in by hand.
    std::shared_ptr<SimulatedInstrument> simulator;
};
