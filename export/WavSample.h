#pragma once

#include <cstdint>

// One voltage as an 8-bit unsigned WAV sample: -1 V .. +1 V spans 0 .. 255
// with 128 at 0 V, the integer part of (volts + 1) x 128. The signal is
// clipped, never wrapped: +1 V and above give 255, -1 V and below give 0,
// so a slightly loud input stays a loud tone instead of turning into
// full-scale noise. NaN (no reading) gives 128, silence.
std::uint8_t VoltsToWavSample(float volts);
