#include "FrameDecoder.h"

#include <cmath>

std::uint16_t FrameSample(const std::uint8_t* frame, int channel) {
    const std::uint8_t* sample = frame + 2 * channel;
    return static_cast<std::uint16_t>(sample[0] | (sample[1] << 8));
}

float RawToVolts(std::uint16_t raw, const ChannelCorrection& correction) {
    const float a = static_cast<float>(raw * 9.83 / 4096.0);
    float v = static_cast<float>(-2.57 * a + 14.36 - 0.03 + correction.zeroAdjust);
    if (correction.calGain != 0.0f) {
        v = static_cast<float>(static_cast<double>(correction.calGain) * v + correction.calOffset);
    }
    return v;
}

std::uint16_t VoltsToRaw(double volts, float zeroAdjust) {
    const ChannelCorrection correction{zeroAdjust};
    // The reading falls linearly with the code, so the linear estimate is off
    // by float rounding only; the neighbours settle which code is nearest.
    double estimate = std::round((RawToVolts(0, correction) - volts) / kVoltsPerRawStep);
    if (!(estimate >= 0.0)) {  // also catches NaN
        estimate = 0.0;
    }
    if (!(estimate <= kRawMax)) {
        estimate = kRawMax;
    }
    const int centre = static_cast<int>(estimate);
    int best = centre;
    double bestError = std::fabs(RawToVolts(static_cast<std::uint16_t>(centre), correction) - volts);
    for (int raw = centre - 2; raw <= centre + 2; ++raw) {
        if (raw < 0 || raw > kRawMax || raw == centre) {
            continue;
        }
        const double error = std::fabs(RawToVolts(static_cast<std::uint16_t>(raw), correction) - volts);
        if (error < bestError) {
            best = raw;
            bestError = error;
        }
    }
    return static_cast<std::uint16_t>(best);
}
