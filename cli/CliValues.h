#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The values daq-cli's options take. Every parser reads plain ASCII the same
// whatever the user's locale and accepts nothing but the whole text.

// The six sample rates of the instrument: 64, 6250, 12500, 25000, 50000,
// 100000, also written 6.25k, 12.5k, 25k, 50k, 100k.
std::optional<int> ParseCaptureRate(std::string_view text);

// A sample rate for the spectrum of a file: the spellings above or any whole
// number of samples per second from 1 to kMaxSpectrumRate.
inline constexpr int kMaxSpectrumRate = 1000000000;
std::optional<int> ParseSpectrumRate(std::string_view text);

// The longest capture: a week, a long unattended log at 64 S/s. Anything
// longer is taken for a typing error.
inline constexpr std::uint64_t kMaxDurationSeconds = 7 * 24 * 3600;

// The frames of a capture of duration seconds at rate: rate x duration
// rounded down, computed exactly from the decimal text (so 0.1 s at 6250 S/s
// is 625 frames, not 624). Without a value, *why says what is wrong.
std::optional<std::uint64_t> FramesForDuration(int rate, std::string_view duration, std::string* why);

// --channels: "0", "1" or "0,1" as a channel mask (bit 0 CH0, bit 1 CH1).
std::optional<std::uint8_t> ParseChannelMask(std::string_view text);

// --channel as a position: "0" (the first channel), "1", ... up to
// kMaxChannelPosition; empty for anything else, which is a channel's name.
inline constexpr int kMaxChannelPosition = 1023;
std::optional<int> ParseChannel(std::string_view text);

// A whole number from 1 to max, digits only.
std::optional<std::int64_t> ParseCount(std::string_view text, std::int64_t max);
