#include "ReadoutNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSignificant = 4;
constexpr int kDecimals = 2;
constexpr int kExponentDigits = 2;

// A decimal number: digits d0 d1 d2 ... (no leading zero) standing for
// d0.d1d2... x 10^exponent. No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The shortest decimal that reads back as value (finite values only).
Decimal ShortestDecimal(double value) {
    Decimal d;
    if (value == 0.0) {
        return d;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.') {
            d.digits += text[i];
        }
    }
    d.exponent = std::atoi(std::string(text.substr(i + 1)).c_str());
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// d rounded half away from zero to keep significant digits (keep may be 0 or
// less: the rounding position lies left of the leading digit).
Decimal RoundToDigits(Decimal d, int keep) {
    if (d.digits.empty() || static_cast<int>(d.digits.size()) <= keep) {
        return d;
    }
    if (keep < 0 || (keep == 0 && d.digits[0] < '5')) {
        return Decimal{};
    }
    if (keep == 0) {
        return Decimal{d.negative, "1", d.exponent + 1};
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i) {
            d.digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        return Decimal{};
    }
    return d;
}

// The digit of d at the power 10^power.
char DigitAt(const Decimal& d, int power) {
    const int index = d.exponent - power;
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)]
                                                                   : '0';
}

std::string Fixed(const Decimal& d) {
    if (d.digits.empty()) {
        return "0." + std::string(kDecimals, '0');
    }
    std::string text = d.negative ? "-" : "";
    for (int power = std::max(d.exponent, 0); power >= 0; --power) {
        text += DigitAt(d, power);
    }
    text += '.';
    for (int power = -1; power >= -kDecimals; --power) {
        text += DigitAt(d, power);
    }
    return text;
}

std::string Scientific(const Decimal& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    text += '.';
    for (int i = 1; i < kSignificant; ++i) {
        text += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
    }
    std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < kExponentDigits) {
        exponent.insert(0, kExponentDigits - exponent.size(), '0');
    }
    return text + "E" + (d.exponent < 0 ? "-" : "+") + exponent;
}

}  // namespace

std::string FormatReadoutNumber(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const Decimal exact = ShortestDecimal(value);
    // The leading digit after rounding to four significant digits decides
    // how many integer digits the number has.
    const Decimal significant = RoundToDigits(exact, kSignificant);
    const int integerDigits = significant.digits.empty() ? 0 : significant.exponent + 1;
    if (integerDigits > kSignificant) {
        return Scientific(significant);
    }
    const int decimals = std::min(kDecimals, kSignificant - std::max(integerDigits, 0));
    return Fixed(RoundToDigits(exact, exact.exponent + 1 + decimals));
}
