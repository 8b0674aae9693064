#pragma once

#include <optional>
#include <string>

// The analogue distance sensor's transfer rule: 0 V reads 35 mm, 5 V reads
// 25 mm, falling 2 mm per volt; above 5 V (or no number at all) the sensor is
// out of range.
inline constexpr double kDistanceLimitV = 5.0;
// Where an out-of-range reading is plotted, inside the window's fixed axis.
inline constexpr double kOutOfRangePlotMm = 40.0;

// The distance in millimetres, or nothing when out of range.
std::optional<double> DistanceMm(float volts);

// A distance as the read-out shows it: fixed notation, three decimals
// ("33.000"), whatever the user's locale.
std::string DistanceText(double millimetres);
