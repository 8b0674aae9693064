#include "CommandLine.h"

#include <string_view>

#include "device/Concat.h"
#include "device/MessageQuote.h"
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimSpec.h"
#include "device/sim/SimulatedInstrument.h"

#ifdef _WIN32
#include "device/windows/WindowsDeviceDiscovery.h"
#include "device/windows/WindowsDriveAccess.h"
#else
#include "device/linux/LinuxDriveAccess.h"
#include "device/linux/UdevDiscovery.h"
#include "device/linux/UdevHotplugMonitor.h"
#include "device/sim/SimHotplugMonitor.h"
#endif

namespace {

constexpr std::string_view kSimulate = "--simulate";
constexpr std::string_view kSimIdentity = "--sim-identity=";

// On Windows the window registers for device messages itself; there is no
// monitor to hand over.
void UsePlatform(CommandLine* result) {
#ifdef _WIN32
    result->drives = std::make_shared<WindowsDriveAccess>();
    result->discovery = std::make_shared<WindowsDeviceDiscovery>();
#else
    auto drives = std::make_shared<LinuxDriveAccess>();
    result->drives = drives;
    result->discovery = std::make_shared<UdevDiscovery>(drives);
    result->hotplug = UdevHotplugMonitor::Create();
#endif
    result->simulator = nullptr;
    result->simulated = false;
}

void UseSimulator(std::shared_ptr<SimulatedInstrument> instrument, CommandLine* result) {
    result->drives = std::make_shared<SimDriveAccess>(instrument);
    result->discovery = std::make_shared<SimDeviceDiscovery>(instrument);
#ifdef _WIN32
    result->hotplug = nullptr;
#else
    result->hotplug = SimHotplugMonitor::Create(instrument);
#endif
    result->simulator = std::move(instrument);
    result->simulated = true;
}

}  // namespace

bool TakeDeviceOption(std::string_view arg, DeviceOptions* options) {
    if (arg == kSimulate) {
        options->simulate = true;
    } else if (arg.starts_with(kSimulate) && arg[kSimulate.size()] == '=') {
        options->simulate = true;
        options->simSpec = std::string(arg.substr(kSimulate.size() + 1));
    } else if (arg.starts_with(kSimIdentity)) {
        options->simIdentity = std::string(arg.substr(kSimIdentity.size()));
    } else {
        return false;
    }
    return true;
}

bool MakeDevice(const DeviceOptions& options, CommandLine* result, std::string* error) {
    if (!options.simulate) {
        if (options.simIdentity) {
            *error = "--sim-identity only applies to the simulated instrument: add --simulate";
            return false;
        }
        UsePlatform(result);
        return true;
    }

    SimOptions sim;
    const SimSpecResult spec =
        ParseSimSpec(options.simSpec ? std::string_view(*options.simSpec) : kDefaultSimSpec);
    if (!spec.ok()) {
        *error = "--simulate: " + spec.error;
        return false;
    }
    sim.signals = *spec.spec;
    if (options.simIdentity) {
        const SimIdentityResult identity = ParseSimIdentity(*options.simIdentity);
        if (!identity.ok()) {
            *error = "--sim-identity: " + identity.error;
            return false;
        }
        sim.identityWindow = *identity.window;
    }
    UseSimulator(std::make_shared<SimulatedInstrument>(std::move(sim)), result);
    return true;
}

bool ParseCommandLine(int argc, char** argv, CommandLine* result, std::string* error) {
    DeviceOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!TakeDeviceOption(arg, &options)) {
            *error = Concat({"unknown option ", QuoteForMessage(arg),
                             " (usage: daq [--simulate[=SPEC]] [--sim-identity=TEXT])"});
            return false;
        }
    }
    return MakeDevice(options, result, error);
}
