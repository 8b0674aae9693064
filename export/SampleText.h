#pragma once

#include <span>
#include <string>
#include <string_view>

// The text export of the plotted samples: the values of both waveform traces
// as plain text, ready to be written to a file as it stands.
//
// Layout: the line "CH0 Data:", one line per CH0 value, the line
// "CH1 Data:", one line per CH1 value; every line, the last one included,
// ends with CR LF. Either list may be empty.

// A value in the general 15-significant-digit format: rounded to 15
// significant digits, trailing zeros and a trailing separator dropped, a
// minus sign for negative values and none for positive ones. Fixed notation
// from 0.0001 up to 15 integer digits; outside that, exponent notation such
// as "1.5E-7" or "2E15" (the exponent signed only when negative, without
// leading zeros). Zero is "0"; NaN and infinities are "NAN", "INF", "-INF".
// decimalSeparator is the user's (a point or a comma, typically); the
// result does not depend on the C or C++ locale.
std::string FormatGeneral(double value, std::string_view decimalSeparator);

// The whole export text of the two traces.
std::string SampleText(std::span<const double> ch0, std::span<const double> ch1,
                       std::string_view decimalSeparator);
