#pragma once

#include <optional>
#include <string>
#include <string_view>

// The instrument carries its per-channel zero offsets in its identity string:
// an eight-character window such as "OSC13_20" following "OSCILLOSCOPE"
// holds two codes separated by '_' or ','. "OSC80" is the factory value for
// "no adjustment".

// What a window asks to change. An empty optional leaves that channel's
// adjustment as it was.
struct ZeroAdjustUpdate {
    std::optional<float> ch0;
    std::optional<float> ch1;
    // Set when a code is not a decimal integer. Codes read before the bad one
    // still apply, so ch0 may hold a value next to an error about CH1.
    std::string error;
    // The part that is not a decimal integer, for a message of the caller's own.
    std::string badCode;

    bool ok() const { return error.empty(); }
    void ApplyTo(float& zeroAdjust0, float& zeroAdjust1) const {
        zeroAdjust0 = ch0.value_or(zeroAdjust0);
        zeroAdjust1 = ch1.value_or(zeroAdjust1);
    }
};

// Volts for one code: codes 0..13 give -0.01, -0.04, ... -0.40; codes 14, 15,
// ... give +0.01, +0.04, ...
float ZeroAdjustForCode(int code);

// Reads a window: "OSC80" or no "OSC" changes nothing; nothing (or "0") after
// "OSC" zeroes both channels; otherwise each code that is not "0" sets its
// channel. Never throws: a malformed code is reported in the result.
ZeroAdjustUpdate ParseZeroAdjust(std::string_view window);

// The window inside an identity string: the eight characters from the first
// "OSC" after "OSCILLOSCOPE" (from just after "OSCILLOSCOPE" when there is no
// further "OSC"), upper-cased. Empty when the identity is not the instrument's.
std::optional<std::string> ZeroAdjustWindow(std::string_view identity);
