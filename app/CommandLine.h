#pragma once

#include <memory>
#include <string>

#include "device/DeviceLink.h"

// The program's only options: --simulate[=SPEC] runs on the simulated
// instrument, --sim-identity=TEXT sets its zero-adjust window.
struct CommandLine {
    std::shared_ptr<DriveAccess> drives;  // the platform's drives, or the simulated instrument
    bool simulated = false;
    // Discovery and hot-plug of the same backend; hotplug is null where no
    // monitor could be set up (events then come from nowhere, or on Windows
    // as window messages).
    std::shared_ptr<DeviceDiscovery> discovery;
    std::shared_ptr<HotplugMonitor> hotplug;
    std::shared_ptr<SimulatedInstrument> simulator;  // with --simulate only

    DeviceLink Device() const { return DeviceLink{drives, discovery, hotplug, simulator}; }
};

// Parses argv. On a bad option returns false and sets *error to a message
// naming the bad part; the caller prints it and exits non-zero.
bool ParseCommandLine(int argc, char** argv, CommandLine* result, std::string* error);
