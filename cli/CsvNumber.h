#pragma once

#include <string>

// Numbers in daq-cli's CSV files: fixed notation with a '.' decimal point
// whatever the locale, and the fewest digits that read back as exactly the
// same value (a float for volts, a double for times, frequencies and
// amplitudes).
void AppendCsvNumber(std::string& line, float value);
void AppendCsvNumber(std::string& line, double value);
