#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "FrameDecoder.h"

// One block of the low-speed plot, converted to volts on the plotting
// thread and drawn on the user-interface thread in one go. Immutable once
// sent.
struct PlotBatch {
    // 1 for the first block of a plotting run, one more for each later one.
    std::uint64_t sequence = 0;
    // Whether each channel was switched on when the block was converted.
    std::array<bool, kChannelCount> shown{};
    // The readings of a shown channel, one per frame, in frame order; empty
    // for a channel switched off.
    std::array<std::vector<float>, kChannelCount> volts;
};
