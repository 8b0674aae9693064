#pragma once

#include <cstdint>

// At 64 samples/s the instrument answers each command with four frames taken
// over one 1/64 s slot. They are reduced in place to one frame, frame 0: per
// channel the mean of the two middle samples, so one spike among the four
// cannot reach the trace. Bytes 4-15 are left as they were.
void ReduceSlowBlock(std::uint8_t* block16);
