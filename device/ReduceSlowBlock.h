#pragma once

#include <cstdint>

// At 64 samples/s the instrument answers each command with four frames taken
// over one 1/64 s slot. They are reduced in place to one frame, frame 0: per
// channel the mean of the two middle samples, so one spike among the four
// cannot reach the trace. Bytes 4-15 are left as they were.
void ReduceSlowBlock(std::uint8_t* block16);

inline constexpr int kSlowBlockBytes = 16;

// The one frame a 64 samples/s answer stands for: a block of all four
// frames is reduced in scratch, which then holds the frame returned; a
// shorter block gives its first frame as it is. length becomes the bytes of
// that frame (at most one frame's worth).
const std::uint8_t* SlowBlockFrame(const std::uint8_t* data, int& length,
                                   std::uint8_t (&scratch)[kSlowBlockBytes]);
