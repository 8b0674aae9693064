#pragma once

#include <optional>
#include <string>
#include <string_view>

// Pieces of daq-cli's JSON output, written without regard to the locale.

// text as a JSON string: in quotes, with '"', '\' and control characters
// escaped (\n, \t ... or \u00XX) and every byte that is not part of valid
// UTF-8 (a file name may hold any bytes) replaced by \ufffd, so the output
// is always valid UTF-8 and valid JSON.
void AppendJsonString(std::string& out, std::string_view text);

// A number in the fewest digits that read back as the same double ("50",
// "0.02", "1e-05", "1.7976931348623157e+308"); null when there is none or it
// is not finite, which JSON cannot express.
void AppendJsonNumber(std::string& out, std::optional<double> value);
