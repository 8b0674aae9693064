#pragma once

#include <vector>

// The drawn half of a single-sided amplitude spectrum: bins 0 .. N/2-1 of an
// N-sample block, each with its frequency in Hz and its amplitude in volts.
struct Spectrum {
    std::vector<double> frequencies;
    std::vector<double> magnitudes;
};
