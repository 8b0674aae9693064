#include "FrontPanel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "AsciiCase.h"

namespace {

constexpr int kPrecision = 3;  // significant digits of a formatted level
constexpr int kDecimals = 1;
// Below this record length the level edit drawers space the points like
// milliseconds.
constexpr int kShortRecord = 65;

}  // namespace

std::vector<FrontPanel::Point> FrontPanel::LevelLine(LevelDrawer drawer, int recordLength, float level) {
    std::vector<Point> points;
    if (recordLength <= 0) {
        return points;
    }
    const int stride = drawer == LevelDrawer::LevelEdit ? 1 : recordLength / 10 + 1;
    const double scale = drawer == LevelDrawer::TriggerOn || recordLength < kShortRecord ? 1000.0 : 1.0;
    points.reserve(static_cast<std::size_t>((recordLength - 1) / stride + 1));
    for (int i = 0; i < recordLength; i += stride) {
        points.push_back({i * scale, level});
    }
    return points;
}

bool FrontPanel::IsIncompleteLevel(std::string_view text) {
    return text.empty() || text == "-" || text == "+";
}

std::optional<double> FrontPanel::ParseLevel(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return value;
}

bool FrontPanel::LevelKeyAccepted(char32_t character) {
    return (character >= U'0' && character <= U'9') || character == U'.' || character == U'-' ||
           character == U'\b' || character == U'\r';
}

std::string FrontPanel::FormatLevel(double volts) {
    if (!std::isfinite(volts)) {
        return "0.0";
    }
    // 17 significant digits name the double exactly; the rounding below is
    // decimal, half away from zero, on those digits.
    char exact[32];
    std::snprintf(exact, sizeof exact, "%.16e", std::fabs(volts));
    std::string digits;
    digits.push_back(exact[0]);
    digits.append(exact + 2, 16);
    int exponent = std::atoi(exact + 19) + 1;  // the value is 0.DIGITS x 10^exponent

    // Keep at most kPrecision digits, and none past the kDecimals-th decimal.
    const int keep = std::min(kPrecision, exponent + kDecimals);
    if (keep < 0 || volts == 0.0) {
        return "0.0";
    }
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int at = keep - 1;
        while (at >= 0 && digits[static_cast<std::size_t>(at)] == '9') {
            digits[static_cast<std::size_t>(at)] = '0';
            --at;
        }
        if (at >= 0) {
            ++digits[static_cast<std::size_t>(at)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    if (digits.find_first_not_of('0') == std::string::npos) {
        return "0.0";
    }
    const std::string sign = volts < 0.0 ? "-" : "";

    if (exponent > kPrecision) {
        // Too many integer digits for fixed-point: d.ddE+x.
        digits.resize(static_cast<std::size_t>(kPrecision), '0');
        return sign + digits.substr(0, 1) + "." + digits.substr(1) + "E+" + std::to_string(exponent - 1);
    }
    // Fixed-point. A value that survived the rounding is at least 0.1, so
    // exponent >= 0 here: exponent integer digits, then the decimal.
    digits.resize(static_cast<std::size_t>(exponent + kDecimals), '0');
    const std::string integer = exponent > 0 ? digits.substr(0, static_cast<std::size_t>(exponent)) : "0";
    return sign + integer + "." + digits.substr(static_cast<std::size_t>(exponent));
}

std::optional<std::string> FrontPanel::NudgeLevel(std::string_view text, int clicks) {
    const std::optional<double> level = ParseLevel(text);
    if (!level) {
        return std::nullopt;
    }
    // The step is rounded to its own formatted value first, as the level is.
    const double step = ParseLevel(FormatLevel(clicks * 0.1)).value_or(0.0);
    return FormatLevel(*level + step);
}

FrontPanel::ChannelChange FrontPanel::SelectChannels(const Channels& before, bool ch0, bool ch1) {
    ChannelChange change;
    Channels& after = change.after;
    after = before;
    // A channel coming on starts with an empty chart and needs at least the
    // other channel's transfer.
    change.clearCh1 = ch1 && (before.mask & 2) == 0;
    change.clearCh0 = ch0 && (before.mask & 1) == 0;
    if (change.clearCh0 || change.clearCh1) {
        after.framesPerRead = std::max(after.framesPerRead, after.framesPerRead1);
    }
    after.mask = static_cast<std::uint8_t>((ch0 ? 1 : 0) | (ch1 ? 2 : 0));
    if (!ch0) {
        after.framesPerRead = after.framesPerRead1;
    }
    if (!ch1) {
        after.framesPerRead1 = 0;
    }
    if (after.mask == 0) {
        after.framesPerRead = 0;
        after.framesPerRead1 = 0;
    }
    return change;
}

std::optional<int> FrontPanel::SoleChannel(std::uint8_t mask) {
    switch (mask & 3) {
        case 1:
            return 0;
        case 2:
            return 1;
        default:
            return std::nullopt;
    }
}
