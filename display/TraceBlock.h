#pragma once

#include <cstdint>

// One queued block as the display reads it: a run of 4-byte sample frames
// (CH0 then CH1, unsigned 16-bit little-endian each). The bytes belong to the
// caller's batch and stay valid for the tick.
struct TraceBlock {
    const std::uint8_t* data = nullptr;
    int length = 0;
};
