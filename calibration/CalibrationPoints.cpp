#include "CalibrationPoints.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "device/FrameDecoder.h"

PointRuleResult ApplyPointRule(const CalibrationPoints& p) {
    if (p.in1 && p.out1 && p.in2 && p.out2) {
        const float in1 = *p.in1;
        const float out1 = *p.out1;
        const float in2 = *p.in2;
        const float out2 = *p.out2;
        if (in2 != in1 || out2 != out1) {
            if (out2 != out1) {
                const float gain = (in2 - in1) / (out2 - out1);
                return {{gain, in1 - gain * out1}, true};
            }
            return {{1.0f, 0.0f}, true};
        }
        return {{1.0f, in1 - out1}, true};
    }
    if (p.in1 && p.out1) {
        return {{1.0f, *p.in1 - *p.out1}, true};
    }
    if (p.in2 && p.out2) {
        return {{1.0f, *p.in2 - *p.out2}, true};
    }
    return {{1.0f, 0.0f}, false};
}

CalibrationCorrection CombineWithPrevious(CalibrationCorrection previous, CalibrationCorrection measured) {
    if (previous.gain == 0.0f) {
        previous = CalibrationCorrection{};
    }
    return {previous.gain * measured.gain, measured.gain * previous.offset + measured.offset};
}

bool GivesFiniteReadings(CalibrationCorrection correction, float zeroAdjust) {
    // Every step of the conversion is monotonic in the raw code, float
    // rounding included, so the readings of all codes lie between those of
    // the two ends.
    const ChannelCorrection channel{zeroAdjust, correction.gain, correction.offset};
    return std::isfinite(RawToVolts(0, channel)) &&
           std::isfinite(RawToVolts(std::numeric_limits<std::uint16_t>::max(), channel));
}

std::string OutputText(double input, CalibrationCorrection correction) {
    const double reading = (input - correction.offset) / correction.gain;
    // to_chars, unlike printf, ignores LC_NUMERIC, which Qt sets from the
    // user's environment. Its rounding is the exact one of glibc's "%.2f".
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, reading, std::chars_format::fixed, 2);
    if (error != std::errc()) {
        return {};
    }
    return std::string(text, end);
}

std::optional<double> ParseCalibrationNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars takes "inf", "nan" and hexadecimal-free general notation;
    // a second sign, a blank or a letter left over makes it no number.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
