#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "../FrameDecoder.h"
#include "SimSignal.h"

// The signals of the simulated instrument, as given by --simulate[=SPEC]:
// one shape:frequency_hz:amplitude_v[:offset_v] per channel, CH0 first,
// separated by ','; for the heart shape the frequency is in beats per
// minute (heart:72:1.5 is 72 bpm). A single description drives CH0 only; CH1 then reads a
// flat 0 V, which is what an unconnected probe shows.
struct SimSpec {
    std::array<SimSignal, kChannelCount> channels{};

    bool operator==(const SimSpec&) const = default;
};

inline constexpr std::string_view kDefaultSimSpec = "sine:50:2,square:10:1";

struct SimSpecResult {
    std::optional<SimSpec> spec;
    std::string error;  // why the text was refused, naming the bad part

    bool ok() const { return spec.has_value(); }
};

// Reads SPEC. Numbers are read the same whatever the user's locale; bad input
// is reported, never thrown.
SimSpecResult ParseSimSpec(std::string_view text);

SimSpec DefaultSimSpec();
