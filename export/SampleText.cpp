#include "SampleText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 15;
// Below 10^-4 the fixed form would start with a run of zeros.
constexpr int kSmallestFixedExponent = -4;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0";
    }
    // d.dddddddddddddde[+-]xx: the rounding to 15 digits is done here, so the
    // exponent is the one of the rounded value.
    char scientific[40];
    const std::to_chars_result converted =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific,
                      kSignificantDigits - 1);
    const std::string_view text(scientific, static_cast<std::size_t>(converted.ptr - scientific));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string out = negative ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent >= kSmallestFixedExponent && exponent < kSignificantDigits) {
        if (exponent < 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const int whole = exponent + 1;
            out.append(digits, 0, static_cast<std::size_t>(std::min(whole, count)));
            if (count < whole) {
                out.append(static_cast<std::size_t>(whole - count), '0');
            } else if (count > whole) {
                out += decimalSeparator;
                out.append(digits, static_cast<std::size_t>(whole));
            }
        }
        return out;
    }
    out += digits.front();
    if (count > 1) {
        out += decimalSeparator;
        out.append(digits, 1);
    }
    out += 'E';
    if (exponent < 0) {
        out += '-';
    }
    out += std::to_string(std::abs(exponent));
    return out;
}

std::string SampleText(std::span<const double> ch0, std::span<const double> ch1,
                       std::string_view decimalSeparator) {
    std::string out;
    // Most values take under 20 characters with their line end.
    out.reserve((ch0.size() + ch1.size() + 2) * 20);
    const auto appendChannel = [&](std::string_view title, std::span<const double> values) {
        out += title;
        out += kLineEnd;
        for (double v : values) {
            out += FormatGeneral(v, decimalSeparator);
            out += kLineEnd;
        }
    };
    appendChannel("CH0 Data:", ch0);
    appendChannel("CH1 Data:", ch1);
    return out;
}
