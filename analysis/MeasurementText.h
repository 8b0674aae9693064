#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Measurements.h"

// The texts of a channel's measurements as the window and daq-cli show
// them: a readout number (FormatReadoutNumber: four significant digits, at
// most two decimals) and its unit, "--" for a value that cannot be had.
//
// The unit is the smallest of its list in which the number shows at most
// three integer digits ("999.90 mV", then "1.00 V"); the largest unit takes
// anything bigger, in the readout's scientific form ("1.235E+04 V"):
//   volts      mV, V
//   frequency  mHz, Hz, kHz, MHz
//   period     ns, µs, ms, s
// (µ is U+00B5, in UTF-8). Zero reads in the smallest unit ("0.00 mV").

inline constexpr std::string_view kNoMeasurement = "--";

std::string FormatVolts(std::optional<double> volts);
std::string FormatFrequency(std::optional<double> hertz);
std::string FormatPeriod(std::optional<double> seconds);

// The seven texts in the order the window lists them.
struct MeasurementText {
    std::string frequency;
    std::string period;
    std::string peakToPeak;
    std::string maximum;
    std::string minimum;
    std::string mean;
    std::string rms;
};

MeasurementText FormatMeasurements(const Measurements& measurements);
