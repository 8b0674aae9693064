#include "AxisTickLabels.h"

#include <algorithm>
#include <charconv>
#include <cmath>

int AxisTickLabels::Decimals(double interval, bool wholeStepsOnWideScale) {
    if (wholeStepsOnWideScale || !(interval > 0.0) || !std::isfinite(interval)) {
        return wholeStepsOnWideScale ? 0 : 1;
    }
    return std::max(static_cast<int>(-std::floor(std::log10(interval))), 0) + 1;
}

std::string AxisTickLabels::Format(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

int AxisTickLabels::Stride(double spacing, double extent) {
    if (!(spacing > 0.0)) {
        return 1;
    }
    for (int decade = 1; decade <= 100000000; decade *= 10) {
        for (int step : {1, 2, 5}) {
            if (step * decade * spacing >= extent) {
                return step * decade;
            }
        }
    }
    return 1000000000;
}

std::vector<AxisTickLabel> AxisTickLabels::Lines(double minimum, double maximum, double anchor,
                                                 double interval, int decimals, int maxLines) {
    std::vector<AxisTickLabel> lines;
    if (!(interval > 0.0) || !std::isfinite(minimum) || !std::isfinite(maximum) || !std::isfinite(anchor) ||
        maximum < minimum) {
        return lines;
    }
    // A line a hair below the minimum from rounding still counts, as the
    // chart draws it at the edge.
    const double slack = interval * 1e-9;
    const double first = std::ceil((minimum - anchor) / interval - 1e-9);
    for (double k = first; static_cast<int>(lines.size()) < maxLines; ++k) {
        const double value = anchor + k * interval;
        if (value > maximum + slack) {
            break;
        }
        lines.push_back({value, Format(value, decimals)});
    }
    return lines;
}

std::vector<AxisTickLabel> AxisTickLabels::Labelled(const std::vector<AxisTickLabel>& lines, double anchor,
                                                    double interval, int stride) {
    if (stride <= 1 || lines.empty()) {
        return lines;
    }
    // Count from the line at zero when the axis shows it, else from the anchor.
    const bool zeroShown = lines.front().value <= 0.0 && lines.back().value >= 0.0;
    const double reference = zeroShown ? std::round(-anchor / interval) : 0.0;
    std::vector<AxisTickLabel> labelled;
    for (const AxisTickLabel& line : lines) {
        const double k = std::round((line.value - anchor) / interval) - reference;
        if (std::fmod(k, static_cast<double>(stride)) == 0.0) {
            labelled.push_back(line);
        }
    }
    return labelled;
}
