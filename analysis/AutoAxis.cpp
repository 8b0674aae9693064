#include "AutoAxis.h"

#include <cmath>
#include <initializer_list>

AxisSpan AutoAxisFromZero(double largest, bool roundUp, int mostIntervals) {
    if (!(largest > 0.0) || !std::isfinite(largest) || mostIntervals < 1) {
        return {};
    }
    // A value a rounding error above a grid line counts as on it.
    const double value = largest * (1.0 - 1e-12);
    const double magnitude = std::pow(10.0, std::floor(std::log10(value / mostIntervals)));
    double increment = magnitude * 10.0;
    for (const double step : {1.0, 2.0, 5.0}) {
        if (value / (magnitude * step) <= mostIntervals) {
            increment = magnitude * step;
            break;
        }
    }
    double maximum = largest;
    if (roundUp) {
        maximum = std::ceil(value / increment) * increment;
    }
    return {0.0, maximum, increment};
}
