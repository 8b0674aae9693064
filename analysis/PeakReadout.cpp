#include "PeakReadout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int kLines = kPeakLines;
constexpr int kDecimals = 2;
// Below this, 100 x stays under 2^52 and its hundredths are exact in a double.
constexpr double kLargestArithmeticRounding = 1e13;
// How often a pass of the sort asks its stop poll on the way.
constexpr int kPollEvery = 4096;

std::string ToChars(double value, std::chars_format format, int precision) {
    // The largest double in fixed notation has 309 digits before the point.
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (error != std::errc()) {
        return {};
    }
    return std::string(buffer, end);
}

// "F<number>: ", built by appending: GCC 12 at -O3 takes "F" + std::string
// for an overlapping copy (-Wrestrict) once inlined.
std::string LineLabel(int number) {
    std::string label(1, 'F');
    label += std::to_string(number);
    label += ": ";
    return label;
}

std::string EmptyLine(int number) {
    return LineLabel(number) + "--";
}

}  // namespace

double RoundToTwoDecimals(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLargestArithmeticRounding)) {
        // Infinities, NaN and values too large for the exact residual below
        // (far beyond any spectrum) go through the text.
        const std::string text = ToChars(value, std::chars_format::fixed, kDecimals);
        double result = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), result);
        return result;
    }
    // "%.2f" rounds the exact binary value to the nearest hundredth, a tie
    // to the even hundredth. 100 x = p + e exactly (the residual of a
    // product is exact through fma), so it is compared with the midpoint
    // k + 0.5 without error: p - (k + 0.5) is exact, both lying within one
    // of each other below 2^52.
    const double p = magnitude * 100.0;
    const double e = std::fma(magnitude, 100.0, -p);
    double k = std::floor(p);
    // p may have rounded up onto an integer the exact value lies below.
    if (p == k && e < 0.0) {
        k -= 1.0;
    }
    const double above = (p - (k + 0.5)) + e;  // sign of 100 x - (k + 0.5)
    if (above > 0.0 || (above == 0.0 && std::fmod(k, 2.0) != 0.0)) {
        k += 1.0;
    }
    // k / 100 is correctly rounded, as reading "k/100" back would be.
    return std::copysign(k / 100.0, value);
}

PeakList FindPeakCandidates(const double* magnitudes, int count) {
    PeakList peaks;
    FindPeakCandidates(magnitudes, count, peaks, {});
    return peaks;
}

bool FindPeakCandidates(const double* magnitudes, int count, PeakList& peaks, const StopPoll& stopped) {
    peaks.values.clear();
    peaks.bins.clear();
    if (count < 2) {
        return !Stopped(stopped);
    }
    // Each bin is rounded once; prev, cur and next move along with i.
    double prev = 0.0;
    double cur = RoundToTwoDecimals(magnitudes[0]);
    double next = cur;
    for (int i = 0; i < count; ++i) {
        if (Stopped(stopped)) {
            return false;
        }
        if (i > 0) {
            prev = cur;
            cur = next;
        }
        if (i < count - 1) {
            next = RoundToTwoDecimals(magnitudes[i + 1]);
        }
        bool peak = false;
        if (i == 0) {
            peak = cur - next > 0;
        } else if (i == count - 1) {
            peak = cur - prev > 0;
        } else {
            peak = cur - next > 0 && cur - prev > 0;
        }
        if (peak) {
            peaks.values.push_back(static_cast<float>(cur));
            peaks.bins.push_back(i);
        }
    }
    return true;
}

void SortPeaks(float* values, int* bins, int n) {
    SortPeaks(values, bins, n, {});
}

bool SortPeaks(float* values, int* bins, int n, const StopPoll& stopped) {
    return SortLargestPeaks(values, bins, n, n, stopped);
}

bool SortLargestPeaks(float* values, int* bins, int n, int k, const StopPoll& stopped) {
    // Pass i leaves the final entry at i and touches nothing before it, so
    // the first k passes give the first k entries of the whole sort.
    const int passes = std::min(k, n - 1);
    for (int i = 0; i < passes; ++i) {
        if (Stopped(stopped)) {
            return false;
        }
        for (int j = i + 1; j < n; ++j) {
            if (values[i] < values[j]) {
                std::swap(values[i], values[j]);
                std::swap(bins[i], bins[j]);
            }
            if (j % kPollEvery == 0 && Stopped(stopped)) {
                return false;
            }
        }
    }
    return !Stopped(stopped);
}

void ResetPeakList(std::vector<std::string>& lines) {
    if (lines.size() < 5) {
        return;
    }
    if (lines.size() < kLines) {
        lines.resize(kLines);
    }
    for (int i = 0; i < kLines; ++i) {
        lines[i] = EmptyLine(i + 1);
    }
}

std::vector<std::string> EmptyPeakList() {
    std::vector<std::string> lines(kLines);
    ResetPeakList(lines);
    return lines;
}

std::vector<std::string> DetectPeaks(const double* magnitudes, int count, const double* chartX,
                                     int chartPoints, const StopPoll& stopped) {
    PeakList peaks;
    if (!FindPeakCandidates(magnitudes, count, peaks, stopped)) {
        return {};
    }
    const int found = static_cast<int>(peaks.values.size());
    if (!SortLargestPeaks(peaks.values.data(), peaks.bins.data(), found, kLines, stopped)) {
        return {};
    }
    if (chartPoints <= 0) {
        return {};
    }
    std::vector<std::string> lines = EmptyPeakList();
    // The chart holds the frequency in double; the readout takes it as float.
    WritePeakLines(
        peaks.values.data(), peaks.bins.data(), found,
        [&](int bin) {
            return bin < chartPoints ? static_cast<double>(static_cast<float>(chartX[bin]))
                                     : std::numeric_limits<double>::quiet_NaN();
        },
        lines, stopped);
    return Stopped(stopped) ? std::vector<std::string>{} : lines;
}

bool WritePeakLines(const float* values, const int* bins, int found, const PeakFrequency& frequencyOf,
                    std::vector<std::string>& lines, const StopPoll& stopped) {
    const int shown = std::min(found, kLines);
    int written = 0;
    for (int idx = shown - 1; idx >= 0; --idx) {
        if (Stopped(stopped)) {
            return false;
        }
        const float amplitude = values[idx];
        if (!(amplitude >= 0.1)) {
            continue;
        }
        const double frequency = frequencyOf(bins[idx]);
        if (!(frequency > 0)) {
            continue;
        }
        lines[written] = LineLabel(written + 1) + "(" + FormatReadoutNumber(frequency) + ",  " +
                         FormatReadoutNumber(amplitude) + ")";
        ++written;
    }
    for (int k = written; k < kLines; ++k) {
        if (Stopped(stopped)) {
            return false;
        }
        lines[k] = EmptyLine(k + 1);
    }
    return true;
}

std::string CursorReadoutText(double x, double y) {
    return "( " + FormatReadoutNumber(x) + ", " + FormatReadoutNumber(y) + " )";
}

std::vector<std::string> DetectPeaks(const Spectrum& spectrum, const StopPoll& stopped) {
    return DetectPeaks(spectrum.magnitudes.data(), static_cast<int>(spectrum.magnitudes.size()),
                       spectrum.frequencies.data(), static_cast<int>(spectrum.frequencies.size()), stopped);
}
