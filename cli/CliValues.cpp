#include "CliValues.h"

#include <array>

namespace {

struct RateSpelling {
    std::string_view text;
    int rate;
};

constexpr std::array<RateSpelling, 11> kRateSpellings{{
    {"64", 64},
    {"6250", 6250},
    {"6.25k", 6250},
    {"12500", 12500},
    {"12.5k", 12500},
    {"25000", 25000},
    {"25k", 25000},
    {"50000", 50000},
    {"50k", 50000},
    {"100000", 100000},
    {"100k", 100000},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> ParseCaptureRate(std::string_view text) {
    for (const RateSpelling& spelling : kRateSpellings) {
        if (text == spelling.text) {
            return spelling.rate;
        }
    }
    return std::nullopt;
}

std::optional<int> ParseSpectrumRate(std::string_view text) {
    if (const std::optional<int> rate = ParseCaptureRate(text)) {
        return rate;
    }
    const std::optional<std::int64_t> rate = ParseCount(text, kMaxSpectrumRate);
    if (!rate) {
        return std::nullopt;
    }
    return static_cast<int>(*rate);
}

std::optional<std::uint64_t> FramesForDuration(int rate, std::string_view duration, std::string* why) {
    // Whole seconds, then up to nine decimals as a fraction of 10^9.
    constexpr int kMaxDecimals = 9;
    constexpr std::uint64_t kNano = 1000000000;
    const std::size_t point = duration.find('.');
    const std::string_view whole = duration.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : duration.substr(point + 1);
    const bool digitsOnly = [&] {
        for (char c : whole) {
            if (!IsDigit(c)) {
                return false;
            }
        }
        for (char c : fraction) {
            if (!IsDigit(c)) {
                return false;
            }
        }
        return true;
    }();
    if (duration.starts_with("-")) {
        *why = "a duration cannot be negative";
        return std::nullopt;
    }
    if (duration.empty() || !digitsOnly || (whole.empty() && fraction.empty()) ||
        (point != std::string_view::npos && fraction.empty())) {
        *why = "not a number of seconds (write it like 10 or 0.5)";
        return std::nullopt;
    }
    if (fraction.size() > kMaxDecimals) {
        *why = "more than nine decimals";
        return std::nullopt;
    }
    std::uint64_t seconds = 0;
    for (char c : whole) {
        seconds = seconds * 10 + static_cast<std::uint64_t>(c - '0');
        if (seconds > kMaxDurationSeconds) {
            *why = "longer than a week";
            return std::nullopt;
        }
    }
    std::uint64_t nanos = 0;
    for (int i = 0; i < kMaxDecimals; ++i) {
        nanos = nanos * 10 +
                (i < static_cast<int>(fraction.size()) ? static_cast<std::uint64_t>(fraction[i] - '0') : 0);
    }
    if (seconds == kMaxDurationSeconds && nanos > 0) {
        *why = "longer than a week";
        return std::nullopt;
    }
    const std::uint64_t r = static_cast<std::uint64_t>(rate);
    const std::uint64_t frames = r * seconds + r * nanos / kNano;
    if (frames == 0) {
        *why = "shorter than one frame at " + std::to_string(rate) + " S/s";
        return std::nullopt;
    }
    return frames;
}

std::optional<std::uint8_t> ParseChannelMask(std::string_view text) {
    if (text == "0") {
        return 1;
    }
    if (text == "1") {
        return 2;
    }
    if (text == "0,1") {
        return 3;
    }
    return std::nullopt;
}

std::optional<int> ParseChannel(std::string_view text) {
    if (text == "0") {
        return 0;
    }
    if (text.empty() || text.front() == '0') {
        return std::nullopt;
    }
    const std::optional<std::int64_t> position = ParseCount(text, kMaxChannelPosition);
    return position ? std::optional<int>(static_cast<int>(*position)) : std::nullopt;
}

std::optional<std::int64_t> ParseCount(std::string_view text, std::int64_t max) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > max) {
            return std::nullopt;
        }
    }
    if (value < 1) {
        return std::nullopt;
    }
    return value;
}
