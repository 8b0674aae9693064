#include "ScrollingPlot.h"

#include <algorithm>

ScrollingPlot::ScrollingPlot(int positions) : positions_(std::max(positions, 1)) {}

ScrollingPlot::Step ScrollingPlot::Next() {
    if (count_ < positions_) {
        return {false, count_++};
    }
    return {true, positions_ - 1};
}
