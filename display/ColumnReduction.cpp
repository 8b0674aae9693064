#include "ColumnReduction.h"

#include <cmath>

#include "SeriesModel.h"

void ReduceToColumns(const SeriesModel& model, double xMin, double xMax, int columns, ColumnPoints& out) {
    out.x.clear();
    out.y.clear();
    const int n = model.PairCount();
    if (n == 0 || columns < 1) {
        return;
    }
    const double span = xMax - xMin;
    const double scale = span > 0.0 ? columns / span : 0.0;
    auto columnOf = [&](double x) {
        const double c = std::floor((x - xMin) * scale);
        if (!(c >= 0.0)) {  // also NaN
            return 0;
        }
        return c >= columns ? columns - 1 : static_cast<int>(c);
    };
    auto flush = [&](int low, int high) {
        const int first = low < high ? low : high;
        const int second = low < high ? high : low;
        out.x.push_back(model.XValue(first));
        out.y.push_back(model.YValue(first));
        if (second != first) {
            out.x.push_back(model.XValue(second));
            out.y.push_back(model.YValue(second));
        }
    };
    int column = columnOf(model.XValue(0));
    int low = 0;
    int high = 0;
    for (int i = 1; i < n; ++i) {
        const int c = columnOf(model.XValue(i));
        if (c != column) {
            flush(low, high);
            column = c;
            low = high = i;
            continue;
        }
        const double y = model.YValue(i);
        if (y < model.YValue(low)) {
            low = i;
        }
        if (y > model.YValue(high)) {
            high = i;
        }
    }
    flush(low, high);
}
