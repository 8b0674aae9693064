#pragma once

#include <atomic>

#include "device/FrameDecoder.h"

// Where a reader finds a channel's live correction: the window's zero
// adjustment and calibration words, which the user-interface thread may
// change at any time. Load() takes a consistent-enough snapshot for one pass.
struct ChannelCorrectionSource {
    const std::atomic<float>& zeroAdjust;
    const std::atomic<float>& calGain;
    const std::atomic<float>& calOffset;

    ChannelCorrection Load() const {
        return ChannelCorrection{zeroAdjust.load(), calGain.load(), calOffset.load()};
    }
};
