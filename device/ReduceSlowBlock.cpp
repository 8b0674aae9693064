#include "ReduceSlowBlock.h"

#include <algorithm>
#include <cstring>

#include "FrameDecoder.h"

void ReduceSlowBlock(std::uint8_t* block16) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        int sum = 0;
        int lo = 0xFFFF;
        int hi = 0;
        for (int frame = 0; frame < 4; ++frame) {
            const int sample = FrameSample(block16 + frame * kFrameBytes, channel);
            sum += sample;
            lo = std::min(lo, sample);
            hi = std::max(hi, sample);
        }
        // The mean of the two middle samples lies between them, so it always
        // fits the 16 bits it is written back into. It is written whole: built
        // from the average of the four high bytes plus a remainder, it cannot
        // be expressed once the samples spread over a few hundred codes, and
        // frame 0 would keep the very spike this is meant to remove.
        const int middleMean = (sum - lo - hi) / 2;
        block16[2 * channel] = static_cast<std::uint8_t>(middleMean & 0xFF);
        block16[2 * channel + 1] = static_cast<std::uint8_t>(middleMean >> 8);
    }
}

const std::uint8_t* SlowBlockFrame(const std::uint8_t* data, int& length,
                                   std::uint8_t (&scratch)[kSlowBlockBytes]) {
    if (length >= kSlowBlockBytes) {
        std::memcpy(scratch, data, kSlowBlockBytes);
        ReduceSlowBlock(scratch);
        data = scratch;
    }
    length = std::min(length, kFrameBytes);
    return data;
}
