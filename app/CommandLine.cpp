#include "CommandLine.h"

#include <string_view>

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

bool ParseCommandLine(int argc, char** argv, CommandLine* result, std::string* error) {
    bool simulate = false;
    std::string_view specText = kDefaultSimSpec;
    std::optional<std::string_view> identityText;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == kSimulate) {
            simulate = true;
        } else if (arg.starts_with(kSimulate) && arg[kSimulate.size()] == '=') {
            simulate = true;
            specText = arg.substr(kSimulate.size() + 1);
        } else if (arg.starts_with(kSimIdentity)) {
            identityText = arg.substr(kSimIdentity.size());
        } else {
            *error = "unknown option \"" + std::string(arg) +
                     "\" (usage: daq [--simulate[=SPEC]] [--sim-identity=TEXT])";
            return false;
        }
    }

    if (!simulate) {
        if (identityText) {
            *error = "--sim-identity only applies to the simulated instrument: add --simulate";
            return false;
        }
        UsePlatform(result);
        return true;
    }

    SimOptions options;
    const SimSpecResult spec = ParseSimSpec(specText);
    if (!spec.ok()) {
        *error = "--simulate: " + spec.error;
        return false;
    }
    options.signals = *spec.spec;
    if (identityText) {
        const SimIdentityResult identity = ParseSimIdentity(*identityText);
        if (!identity.ok()) {
            *error = "--sim-identity: " + identity.error;
            return false;
        }
        options.identityWindow = *identity.window;
    }
    UseSimulator(std::make_shared<SimulatedInstrument>(std::move(options)), result);
    return true;
}
