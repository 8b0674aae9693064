#pragma once

#include <cstddef>
#include <optional>
#include <span>

// The automatic measurements of one channel's screen: the plotted volts (at
// most 3072 points in the window, any number from the command line) taken
// sampleRate times a second. Plain C++, no allocation: one pass for the
// statistics (more for a screen with non-finite or extreme samples) and one
// for the crossings.
//
// Statistics, over the finite samples x[0..n-1] (n of them):
//   maximum, minimum  the largest and smallest sample;
//   peakToPeak        maximum - minimum;
//   mean              (x[0] + ... + x[n-1]) / n;
//   rms               sqrt((x[0]^2 + ... + x[n-1]^2) / n), the root mean
//                     square of the whole signal, its DC part included.
// None of them without a finite sample. Values beyond a double's range
// (1e308 and -1e308 have no representable peak-to-peak) are left empty
// rather than given as infinities; mean and rms are computed on scaled
// samples when squares or sums would overflow or underflow, so they stay
// accurate for any finite input.
//
// Frequency and period, from crossings of the mid level
// mid = (maximum + minimum) / 2 with hysteresis: the signal is "low" once a
// sample is at or below mid - kHysteresisFraction / 2 x peakToPeak and
// "high" once one is at or above mid + kHysteresisFraction / 2 x peakToPeak;
// between the two it keeps its state, so noise of less than
// kHysteresisFraction x peakToPeak (peak to peak) adds no edge. A rising edge
// is a change from low to high; its instant is the last upward crossing of
// mid before the change (x[i-1] < mid <= x[i]), interpolated linearly
// between the two samples, in samples since x[0]. With rising edges at
// t_first .. t_last, K of them,
//   wholePeriods = K - 1
//   period       = (t_last - t_first) / wholePeriods / sampleRate   seconds
//   frequency    = 1 / period                                      hertz
// and both only when wholePeriods >= kMinWholePeriods. A screen shorter than
// two periods never has them; one of two to three periods has them when its
// phase puts three rising edges on it. There are none either for a flat
// signal (peakToPeak below kFlatPeakToPeak), a sample rate that is not a
// positive finite number, or a screen with any non-finite sample (a gap
// could hide an edge and halve the frequency).
//
// Non-finite samples (NaN, infinities) are skipped by the statistics and
// counted in nonFinite; they never crash the measurement or leak into a
// value.

// The band between the low and high levels, as a fraction of peakToPeak.
inline constexpr double kHysteresisFraction = 0.1;

// Rising-edge intervals needed for a frequency.
inline constexpr int kMinWholePeriods = 2;

// Half of one raw step of the instrument (2.57 x 9.83 V / 4096, about
// 6.17 mV; kVoltsPerRawStep in device/FrameDecoder.h): a screen whose samples
// all read the same code, even after calibration's rounding, spans less.
inline constexpr double kFlatPeakToPeak = 0.5 * (2.57 * 9.83 / 4096.0);

struct Measurements {
    std::optional<double> frequency;   // Hz
    std::optional<double> period;      // s
    std::optional<double> peakToPeak;  // V
    std::optional<double> maximum;     // V
    std::optional<double> minimum;     // V
    std::optional<double> mean;        // V
    std::optional<double> rms;         // V
    std::size_t samples = 0;           // the finite samples the statistics cover
    std::size_t nonFinite = 0;         // the samples skipped
    std::size_t wholePeriods = 0;      // rising-edge intervals found, even when too few
};

Measurements Measure(std::span<const double> volts, double sampleRate);
