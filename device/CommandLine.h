#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

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

// The device options as given, before they are checked.
struct DeviceOptions {
    bool simulate = false;
    std::optional<std::string> simSpec;  // none: the default signals
    std::optional<std::string> simIdentity;
};

// Takes arg into options when it is --simulate, --simulate=SPEC or
// --sim-identity=TEXT; returns false for anything else, leaving options as
// they were. Front ends with options of their own call it per argument.
bool TakeDeviceOption(std::string_view arg, DeviceOptions* options);

// Checks the options and sets up the backend they choose. On bad options
// returns false and sets *error to a message naming the bad part.
bool MakeDevice(const DeviceOptions& options, CommandLine* result, std::string* error);

// Parses argv. On a bad option returns false and sets *error to a message
// naming the bad part; the caller prints it and exits non-zero.
bool ParseCommandLine(int argc, char** argv, CommandLine* result, std::string* error);
