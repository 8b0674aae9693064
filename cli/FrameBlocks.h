#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/FrameDecoder.h"

// The frames of one block a reader queued, as the display takes them: at
// 64 S/s the block's four frames are reduced to one (ReduceSlowBlock; a
// block too short for that gives its first frame as it is), above it every
// whole frame counts. A frame of four zero bytes carries no sample and ends
// the block. frames is cleared first; returns the number of frames.
using RawFrame = std::array<std::uint16_t, kChannelCount>;
int DecodeBlockFrames(const std::uint8_t* data, int length, int sampleRate, std::vector<RawFrame>& frames);
