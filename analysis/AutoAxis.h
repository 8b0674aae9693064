#pragma once

// The automatic scale of a spectrum chart's axis: from 0 to the largest
// value, gridded in the finest step of 1, 2 or 5 times a power of ten that
// gives at most mostIntervals intervals.
struct AxisSpan {
    double minimum = 0.0;
    double maximum = 1.0;
    double increment = 0.2;
};

// roundUp: the maximum moves up to the next grid line (amplitudes);
// otherwise it is the largest value itself (the last bin's frequency).
// A largest value that is not above 0, or not finite, gives 0 .. 1.
AxisSpan AutoAxisFromZero(double largest, bool roundUp, int mostIntervals = 10);
