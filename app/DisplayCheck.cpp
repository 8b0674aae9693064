#include "DisplayCheck.h"

#include <cstring>

namespace {

bool Set(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

bool HasDisplay(int argc, const char* const* argv,
                const std::function<const char*(const char*)>& environment) {
#if defined(__linux__)
    if (Set(environment("QT_QPA_PLATFORM")) || Set(environment("DISPLAY")) ||
        Set(environment("WAYLAND_DISPLAY"))) {
        return true;
    }
    // Qt's own options, with one or two dashes, the value apart or after '='.
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        arg += arg[0] == '-' && arg[1] == '-' ? 2 : arg[0] == '-' ? 1 : 0;
        for (const char* option : {"platform", "display"}) {
            const std::size_t length = std::strlen(option);
            if (arg != argv[i] && std::strncmp(arg, option, length) == 0 &&
                (arg[length] == '\0' || arg[length] == '=')) {
                return true;
            }
        }
    }
    return false;
#else
    (void)argc;
    (void)argv;
    (void)environment;
    return true;
#endif
}

std::string NoDisplayMessage() {
    return "daq: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Run it in a desktop session, or use daq-cli, which needs none.";
}
