#pragma once

#include <string>

// The numbers of the peak lines and cursor readouts. A value is taken as the
// shortest decimal that reads back as it (781.25 is 781.25, 0.1 is 0.1, not
// the binary value just above) and rounded as a decimal number, half away
// from zero: 781.25 to four significant digits is 781.3.

// Rounded to 4 significant digits and at most 2 decimals, printed with
// exactly 2 decimals ("7.00", "0.50", "123.50", "781.30"); past four integer
// digits in scientific form with 4 significant digits and a signed exponent
// of at least two digits ("1.235E+04", "5.000E+04"). A value that rounds to
// zero reads "0.00", never "-0.00"; infinities and NaN read "INF", "-INF",
// "NAN".
std::string FormatReadoutNumber(double value);
