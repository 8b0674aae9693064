#include "WavSample.h"

#include <cmath>

std::uint8_t VoltsToWavSample(float volts) {
    if (std::isnan(volts)) {
        return 128;
    }
    // In double, so the float rounding of volts + 1 cannot move a value
    // across a step boundary.
    const double scaled = (static_cast<double>(volts) + 1.0) * 128.0;
    if (scaled >= 255.0) {
        return 255;
    }
    if (scaled <= 0.0) {
        return 0;
    }
    return static_cast<std::uint8_t>(scaled);
}
