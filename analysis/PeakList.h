#pragma once

#include <vector>

// Peak candidates of one spectrum as two parallel arrays: the amplitude
// rounded to two decimals (single precision) and the bin it was found in.
struct PeakList {
    std::vector<float> values;
    std::vector<int> bins;
};
