#pragma once

#include <string>
#include <vector>

// Which grid lines of a chart axis carry a label, and what the label reads.
// Grid lines sit at anchor + k * interval inside [minimum, maximum]; when
// their labels would run into each other only every stride-th line is
// labelled (strides 1, 2, 5, 10, 20, 50 ...), counted from the line at zero
// when zero is on the axis, so zero keeps its label. Values are worked out
// as anchor + k * interval, not by adding up steps, so zero is exactly zero
// and reads "0.00", never "-0.00".
struct AxisTickLabel {
    double value;
    std::string text;
};

struct AxisTickLabels {
    // Decimals of the labels: one more than the interval's first significant
    // decimal (0.1 -> 2, 1 -> 1, 20 -> 1), none for whole steps on a wide
    // scale (a spectrum to 50000 Hz).
    static int Decimals(double interval, bool wholeStepsOnWideScale);
    // value with that many decimals, locale-free; zero without a sign.
    static std::string Format(double value, int decimals);
    // The smallest stride of 1, 2, 5, 10, ... that leaves at least extent
    // pixels from one label to the next on lines spacing pixels apart.
    static int Stride(double spacing, double extent);
    // Every grid line of the axis with its text (at most maxLines of them).
    static std::vector<AxisTickLabel> Lines(double minimum, double maximum, double anchor, double interval,
                                            int decimals, int maxLines = 1000);
    // The lines of Lines() that carry a label at that stride.
    static std::vector<AxisTickLabel> Labelled(const std::vector<AxisTickLabel>& lines, double anchor,
                                               double interval, int stride);
};
