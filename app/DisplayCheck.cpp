#include "DisplayCheck.h"

#include <cstring>
#include <string_view>

namespace {

bool Set(const char* value) {
    return value != nullptr && *value != '\0';
}

// Whether a QT_QPA_PLATFORM value or -platform argument ("wayland;xcb",
// "offscreen", "xcb:option=value") names a plugin that opens no window on a
// display server: then nothing needs DISPLAY or WAYLAND_DISPLAY.
bool NeedsNoDisplayServer(std::string_view platforms) {
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        std::string_view entry = platforms.substr(0, end);
        entry = entry.substr(0, entry.find(':'));
        if (!entry.empty() && entry != "xcb" && entry.substr(0, 7) != "wayland") {
            return true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        platforms.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace

bool HasDisplay(int argc, const char* const* argv,
                const std::function<const char*(const char*)>& environment) {
#if defined(__linux__)
    if (Set(environment("DISPLAY")) || Set(environment("WAYLAND_DISPLAY"))) {
        return true;
    }
    const char* platform = environment("QT_QPA_PLATFORM");
    // Qt's own options take their value from the next argument; a second
    // leading dash is allowed.
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '-') {
            continue;
        }
        arg += arg[1] == '-' ? 2 : 1;
        if (std::strcmp(arg, "display") == 0) {
            return true;
        }
        if (std::strcmp(arg, "platform") == 0) {
            platform = argv[i + 1];
        }
    }
    return Set(platform) && NeedsNoDisplayServer(platform);
#else
    (void)argc;
    (void)argv;
    (void)environment;
    return true;
#endif
}

std::string NoDisplayMessage() {
    return "daq: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Run it in a desktop session, choose a platform that needs none (QT_QPA_PLATFORM=offscreen),\n"
           "or use daq-cli, which needs no display.";
}
