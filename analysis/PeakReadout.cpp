#include "PeakReadout.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

constexpr int kLines = 6;
constexpr int kSignificant = 4;
constexpr int kDecimals = 2;
constexpr int kExponentDigits = 2;

std::string ToChars(double value, std::chars_format format, int precision) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (error != std::errc()) {
        return {};
    }
    return std::string(buffer, end);
}

std::string EmptyLine(int number) {
    return "F" + std::to_string(number) + ": --";
}

// Scientific form: a mantissa of kSignificant digits (one before the point),
// "E", the exponent's sign and at least kExponentDigits digits: "1.235E+04".
std::string Scientific(double value) {
    const std::string text = ToChars(value, std::chars_format::scientific, kSignificant - 1);
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < kExponentDigits) {
        digits.insert(0, kExponentDigits - digits.size(), '0');
    }
    return text.substr(0, e) + "E" + (exponent < 0 ? "-" : "+") + digits;
}

}  // namespace

double RoundToTwoDecimals(double value) {
    const std::string text = ToChars(value, std::chars_format::fixed, kDecimals);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

std::string FormatReadoutNumber(double value) {
    if (value == 0.0) {
        return "0.00";
    }
    // The position of the leading digit after rounding to four significant
    // digits decides how many integer digits the number has.
    const std::string sig = ToChars(value, std::chars_format::scientific, kSignificant - 1);
    const int exponent = std::atoi(sig.c_str() + sig.find('e') + 1);
    const int integerDigits = exponent + 1;
    if (integerDigits > kSignificant) {
        return Scientific(value);
    }
    const int decimals = std::min(kDecimals, kSignificant - std::max(integerDigits, 0));
    std::string text = ToChars(value, std::chars_format::fixed, decimals);
    if (decimals == 0) {
        text += '.';
    }
    text.append(static_cast<std::size_t>(kDecimals - decimals), '0');
    return text;
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
    double prev = 0.0;
    double next = 0.0;
    for (int i = 0; i < count; ++i) {
        if (Stopped(stopped)) {
            return false;
        }
        if (i > 0) {
            prev = RoundToTwoDecimals(magnitudes[i - 1]);
        }
        const double cur = RoundToTwoDecimals(magnitudes[i]);
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
    for (int i = 0; i < n - 1; ++i) {
        if (Stopped(stopped)) {
            return false;
        }
        for (int j = i + 1; j < n; ++j) {
            if (values[i] < values[j]) {
                std::swap(values[i], values[j]);
                std::swap(bins[i], bins[j]);
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
                                     int chartPoints) {
    PeakList peaks = FindPeakCandidates(magnitudes, count);
    const int found = static_cast<int>(peaks.values.size());
    SortPeaks(peaks.values.data(), peaks.bins.data(), found);
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
        lines);
    return lines;
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
        lines[written] = "F" + std::to_string(written + 1) + ": (" + FormatReadoutNumber(frequency) + ",  " +
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

std::vector<std::string> DetectPeaks(const Spectrum& spectrum) {
    return DetectPeaks(spectrum.magnitudes.data(), static_cast<int>(spectrum.magnitudes.size()),
                       spectrum.frequencies.data(), static_cast<int>(spectrum.frequencies.size()));
}
