#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// Reads the sample files daq-cli analyses:
//  - a capture CSV: a header of time_s (optional) and ch0_v and/or ch1_v,
//    then one row of numbers per frame ('.' decimal point);
//  - a "Save Data As" text file: "CH0 Data:", one value per line, "CH1 Data:",
//    one value per line (CR LF or LF; the decimal separator may be ',' as
//    the window writes it under such a locale).
// Anything else is refused with the line and the reason; nothing is thrown
// and no input, however long its lines or whatever its bytes, is read past
// the limits below.
struct SampleFile {
    std::array<bool, 2> hasChannel{};
    std::array<std::vector<double>, 2> channels;
    // From a time column: the samples per second its steps stand for.
    std::optional<int> rate;
};

struct SampleFileRead {
    std::optional<SampleFile> file;
    // When file is empty: the 1-based line (0 for the file as a whole) and
    // what is wrong there.
    std::uint64_t line = 0;
    std::string error;
};

// Lines longer than this are refused (a capture row is under 60 characters).
inline constexpr std::size_t kMaxSampleLineLength = 4096;

// Reads in. With maxSamples, reading stops once every channel present holds
// that many samples (the rest of the file is not looked at).
SampleFileRead ReadSampleFile(std::istream& in, std::optional<std::uint64_t> maxSamples = std::nullopt);
