#pragma once

#include <functional>
#include <string>

// Whether the window has a display to open on. On Linux Qt aborts the
// program (with a core dump) when its platform plugin finds no display;
// this says so first, with the way out. True elsewhere; on Linux when
// DISPLAY or WAYLAND_DISPLAY is set, a -display option is given, or the
// platform chosen (-platform NAME, else QT_QPA_PLATFORM) needs no display
// server (offscreen, minimal, vnc, eglfs, linuxfb...). environment looks a
// variable up: null when it is not set.
bool HasDisplay(int argc, const char* const* argv,
                const std::function<const char*(const char*)>& environment);

// The message for a start without a display.
std::string NoDisplayMessage();
