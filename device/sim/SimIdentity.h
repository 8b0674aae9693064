#pragma once

#include <optional>
#include <string>
#include <string_view>

// The simulated instrument's identity string, the disk interface path by
// which discovery recognises the instrument ("OSCILLOSCOPE") and from which it
// reads the zero-adjust window. --sim-identity=TEXT sets the window.

inline constexpr std::string_view kDefaultSimWindow = "OSC80";
inline constexpr std::size_t kSimWindowLength = 8;

struct SimIdentityResult {
    std::optional<std::string> window;
    std::string error;

    bool ok() const { return window.has_value(); }
};

// Accepts 1 to 8 printable ASCII characters.
SimIdentityResult ParseSimIdentity(std::string_view text);

// The interface path carrying window, blank-padded to the 8 characters that
// discovery reads, so a short window does not pick up the path's next
// characters.
std::string SimIdentityString(std::string_view window);
