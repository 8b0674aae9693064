#include "DistanceRule.h"

#include <cmath>
#include <cstdio>

std::optional<double> DistanceMm(float volts) {
    // NaN fails this test too, so a reading that is no number is out of range.
    if (!(volts <= kDistanceLimitV)) {
        return std::nullopt;
    }
    return 35.0 - 2.0 * static_cast<double>(volts);
}

std::string DistanceText(double millimetres) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", millimetres);
    return text;
}
