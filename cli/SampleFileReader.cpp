#include "SampleFileReader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ios>
#include <string_view>

#include "CliValues.h"
#include "MessageQuote.h"

namespace {

enum class LineRead { Line, End, TooLong, Binary };

// One line without its CR LF or LF. A NUL or another control character than
// tab and CR marks a binary file.
LineRead ReadLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        const int c = in.sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return any ? LineRead::Line : LineRead::End;
        }
        any = true;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return LineRead::Line;
        }
        if (c < 0x20 && c != '\t' && c != '\r') {
            return LineRead::Binary;
        }
        if (line.size() >= kMaxSampleLineLength) {
            return LineRead::TooLong;
        }
        line += static_cast<char>(c);
    }
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// A finite decimal number, nothing else. decimalComma: ',' stands for '.'.
std::optional<double> Number(std::string_view text, bool decimalComma) {
    std::string copy;
    if (decimalComma && text.find(',') != std::string_view::npos) {
        copy.assign(text);
        for (char& c : copy) {
            if (c == ',') {
                c = '.';
            }
        }
        text = copy;
    }
    // from_chars takes no '+'; a leading one is allowed in files.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trim(line.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(comma + 1);
    }
}

// The system's reason for a failed read, as strerror words it.
std::string ReadFailureReason(const std::ios_base::failure& failure) {
    const std::error_code code = failure.code();
    if (code.category() == std::system_category() || code.category() == std::generic_category()) {
        return std::strerror(code.value());
    }
    return errno != 0 ? std::strerror(errno) : "read error";
}

SampleFileRead Fail(std::uint64_t line, std::string error) {
    SampleFileRead read;
    read.line = line;
    read.error = std::move(error);
    return read;
}

// A line past the first that is too long or not text.
SampleFileRead BadLine(std::uint64_t line, LineRead got) {
    if (got == LineRead::TooLong) {
        return Fail(line, "line longer than " + std::to_string(kMaxSampleLineLength) + " characters");
    }
    return Fail(line, "binary data: not a text file");
}

bool Enough(const SampleFile& file, std::optional<std::uint64_t> maxSamples) {
    if (!maxSamples) {
        return false;
    }
    for (int channel = 0; channel < 2; ++channel) {
        if (file.hasChannel[static_cast<std::size_t>(channel)] &&
            file.channels[static_cast<std::size_t>(channel)].size() < *maxSamples) {
            return false;
        }
    }
    return true;
}

// The rate a time column steps by: 1 / (t1 - t0), a whole number of samples
// per second.
std::optional<int> RateOfSteps(double t0, double t1) {
    const double step = t1 - t0;
    if (!(step > 0.0)) {
        return std::nullopt;
    }
    const double rate = std::round(1.0 / step);
    if (rate < 1.0 || rate > kMaxSpectrumRate || std::fabs(1.0 / step - rate) > 1e-6 * rate) {
        return std::nullopt;
    }
    return static_cast<int>(rate);
}

constexpr std::string_view kCh0Header = "CH0 Data:";
constexpr std::string_view kCh1Header = "CH1 Data:";

SampleFileRead ReadSaveData(std::streambuf& in, std::string& line, std::uint64_t lineNumber,
                            std::optional<std::uint64_t> maxSamples) {
    SampleFile file;
    file.hasChannel = {true, false};
    int channel = 0;
    for (;;) {
        const LineRead got = ReadLine(in, line);
        ++lineNumber;
        if (got == LineRead::End) {
            break;
        }
        if (got != LineRead::Line) {
            return BadLine(lineNumber, got);
        }
        const std::string_view text = Trim(line);
        if (text == kCh1Header && channel == 0) {
            channel = 1;
            file.hasChannel[1] = true;
            continue;
        }
        if (text.empty()) {
            continue;
        }
        const std::optional<double> value = Number(text, true);
        if (!value) {
            return Fail(lineNumber, QuoteForMessage(text) + " is not a number");
        }
        std::vector<double>& samples = file.channels[static_cast<std::size_t>(channel)];
        if (!maxSamples || samples.size() < *maxSamples) {
            samples.push_back(*value);
        }
        if (channel == 1 && Enough(file, maxSamples)) {
            break;
        }
    }
    SampleFileRead read;
    read.file = std::move(file);
    return read;
}

SampleFileRead ReadFrom(std::streambuf* buffer, std::optional<std::uint64_t> maxSamples) {
    std::string line;
    LineRead got = ReadLine(*buffer, line);
    if (got == LineRead::End) {
        return Fail(0, "empty file");
    }
    if (got == LineRead::Binary) {
        return Fail(1, "binary data: not a capture CSV or a saved data text file");
    }
    if (got == LineRead::TooLong) {
        return Fail(1, "line longer than " + std::to_string(kMaxSampleLineLength) +
                           " characters: not a capture CSV or a saved data text file");
    }
    // Spreadsheets put a UTF-8 byte order mark in front.
    if (line.starts_with("\xEF\xBB\xBF")) {
        line.erase(0, 3);
    }
    const std::string_view header = Trim(line);
    if (header == kCh0Header) {
        return ReadSaveData(*buffer, line, 1, maxSamples);
    }

    // Columns: time_s first if present, then ch0_v and/or ch1_v.
    const std::vector<std::string_view> names = SplitFields(header);
    int timeColumn = -1;
    std::array<int, 2> channelColumn{-1, -1};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int column = static_cast<int>(i);
        if (names[i] == "time_s" && i == 0) {
            timeColumn = column;
        } else if (names[i] == "ch0_v" && channelColumn[0] < 0) {
            channelColumn[0] = column;
        } else if (names[i] == "ch1_v" && channelColumn[1] < 0) {
            channelColumn[1] = column;
        } else {
            return Fail(1, "unexpected header " + QuoteForMessage(header) +
                               ": expected time_s,ch0_v,ch1_v (or some of these columns) or \"CH0 Data:\"");
        }
    }
    if (channelColumn[0] < 0 && channelColumn[1] < 0) {
        return Fail(1, "header " + QuoteForMessage(header) + " names no channel column (ch0_v, ch1_v)");
    }

    SampleFile file;
    file.hasChannel = {channelColumn[0] >= 0, channelColumn[1] >= 0};
    std::array<double, 2> times{};
    std::uint64_t rows = 0;
    std::uint64_t lineNumber = 1;
    while (!Enough(file, maxSamples)) {
        got = ReadLine(*buffer, line);
        ++lineNumber;
        if (got == LineRead::End) {
            break;
        }
        if (got != LineRead::Line) {
            return BadLine(lineNumber, got);
        }
        if (Trim(line).empty()) {
            continue;
        }
        const std::vector<std::string_view> fields = SplitFields(line);
        if (fields.size() != names.size()) {
            return Fail(lineNumber, std::to_string(fields.size()) + " fields where the header has " +
                                        std::to_string(names.size()));
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::optional<double> value = Number(fields[i], false);
            if (!value) {
                return Fail(lineNumber, QuoteForMessage(fields[i]) + " is not a number");
            }
            const int column = static_cast<int>(i);
            if (column == timeColumn) {
                if (rows < 2) {
                    times[rows] = *value;
                }
            } else {
                file.channels[column == channelColumn[0] ? 0 : 1].push_back(*value);
            }
        }
        ++rows;
        if (timeColumn >= 0 && rows == 2) {
            file.rate = RateOfSteps(times[0], times[1]);
            if (!file.rate) {
                return Fail(lineNumber, "the time column does not step by 1/R for a whole sample rate R");
            }
        }
    }
    SampleFileRead read;
    read.file = std::move(file);
    return read;
}

}  // namespace

SampleFileRead ReadSampleFile(std::istream& in, std::optional<std::uint64_t> maxSamples) {
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) {
        return Fail(0, "cannot be read");
    }
    // A file stream throws when the system refuses a read: a folder, a
    // /proc file that cannot be read from its start, a failing disk.
    try {
        return ReadFrom(buffer, maxSamples);
    } catch (const std::ios_base::failure& failure) {
        return Fail(0, "cannot be read: " + ReadFailureReason(failure));
    }
}
