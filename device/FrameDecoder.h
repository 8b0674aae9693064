#pragma once

#include <cstdint>

// The instrument's sample data: 4-byte frames, one per sampling instant, CH0
// in bytes 0-1 and CH1 in bytes 2-3, each an unsigned 16-bit little-endian
// code of a 12-bit converter. 128 frames fill one 512-byte block.
inline constexpr int kFrameBytes = 4;
inline constexpr int kBlockBytes = 512;
inline constexpr int kFramesPerBlock = kBlockBytes / kFrameBytes;
inline constexpr int kChannelCount = 2;
inline constexpr std::uint16_t kRawMax = 4095;

// One raw step in volts: the converter's 9.83 V span over 4096 codes, times
// the front end's gain of -2.57.
inline constexpr double kVoltsPerRawStep = 2.57 * 9.83 / 4096.0;

// What turns a channel's raw code into the volts the user sees: the zero
// adjustment read from the instrument's identity and the two-point
// calibration (a gain of 0 means the channel is not calibrated).
struct ChannelCorrection {
    float zeroAdjust = 0.0f;
    float calGain = 0.0f;
    float calOffset = 0.0f;
};

// The raw code of one channel (0 or 1) in a frame.
std::uint16_t FrameSample(const std::uint8_t* frame, int channel);

// Raw code to volts. Every consumer must get bit-identical floats (traces,
// trigger levels, exported text), so the float rounding after each step is
// part of the definition: raw 0 with no correction reads exactly 14.33f.
float RawToVolts(std::uint16_t raw, const ChannelCorrection& correction = {});

// The raw code in 0..4095 whose reading (with this zero adjustment and no
// calibration) is nearest to volts; out-of-range volts give 0 or 4095. The
// simulated instrument encodes its signals with it.
std::uint16_t VoltsToRaw(double volts, float zeroAdjust = 0.0f);
