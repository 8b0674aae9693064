#pragma once

#include <vector>

class SeriesModel;

// A trace of a few thousand points on a plot a few hundred pixels wide draws
// the same picture from its extremes alone: per pixel column, the smallest
// and the largest value, in the order they came. ReduceToColumns keeps those
// (one point where they coincide) for points with ascending X; points left
// or right of the range fall into the first or last column. The model keeps
// every value for export and analysis; only what is pushed to the screen
// shrinks.
struct ColumnPoints {
    std::vector<double> x;
    std::vector<double> y;
};

void ReduceToColumns(const SeriesModel& model, double xMin, double xMax, int columns, ColumnPoints& out);
