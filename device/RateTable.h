#pragma once

#include <cstdint>
#include <optional>

// How the readers ask for samples at one sample rate.
struct VendorRead {
    std::uint32_t rateCode = 0;
    int blockCount = 0;   // 512-byte blocks requested
    int bytesQueued = 0;  // bytes of the answer handed on to the display
};

// The vendor command for gSampleRate with framesPerRead frames per command.
// At 64 S/s the instrument answers with four frames whatever is asked, so one
// block is requested and its first 16 bytes are used. Any other rate than the
// six the instrument knows gives no command.
std::optional<VendorRead> VendorReadForRate(int sampleRate, int framesPerRead);
