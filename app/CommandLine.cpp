#include "CommandLine.h"

#include <string_view>

#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimSpec.h"
#include "device/sim/SimulatedInstrument.h"

#ifdef _WIN32
#include "device/windows/WindowsDriveAccess.h"
#else
#include "device/linux/LinuxDriveAccess.h"
#endif

namespace {

constexpr std::string_view kSimulate = "--simulate";
constexpr std::string_view kSimIdentity = "--sim-identity=";

std::shared_ptr<DriveAccess> PlatformDrives() {
#ifdef _WIN32
    return std::make_shared<WindowsDriveAccess>();
#else
    return std::make_shared<LinuxDriveAccess>();
#endif
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
        result->drives = PlatformDrives();
        result->simulated = false;
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
    result->drives = std::make_shared<SimDriveAccess>(std::make_shared<SimulatedInstrument>(std::move(options)));
    result->simulated = true;
    return true;
}
