#include "CalibrationFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

#include "AsciiCase.h"

namespace fs = std::filesystem;

namespace {

constexpr char kLineEnd[] = "\r\n";

// The name of the section a line opens, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimBlanks(line.substr(1, close - 1));
}

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

// SimpleIni takes line breaks after a '[' for blanks, so a line holding
// nothing but a '[' would run into the next one and make it part of a
// section name: a section header below it would never be found. Read line
// by line, as the file is written and as its owner sees it, such a line is
// blank, and so it becomes before the file is parsed.
void BlankLoneBrackets(std::string& bytes) {
    std::size_t pos = bytes.starts_with(kUtf8Signature) ? kUtf8Signature.size() : 0;
    while (pos < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        const std::string_view line = TrimBlanks(std::string_view(bytes).substr(pos, end - pos));
        if (line == "[") {
            bytes[static_cast<std::size_t>(line.data() - bytes.data())] = ' ';
        }
        pos = end + 1;
    }
}

struct FileBytes {
    bool exists = false;
    std::string bytes;
    CalibrationFileProblem problem = CalibrationFileProblem::None;
    std::string detail;
};

// At most kMaxCalibrationFileSize bytes of the file; a larger one is
// refused before it is read.
FileBytes ReadCapped(const fs::path& path) {
    FileBytes result;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        return result;
    }
    result.exists = true;
    if (!fs::is_regular_file(status)) {
        result.problem = CalibrationFileProblem::Unreadable;
        result.detail = "not a regular file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.problem = CalibrationFileProblem::Unreadable;
        result.detail = std::strerror(errno);
        return result;
    }
    // In pieces, so that a file of a few hundred bytes costs no more.
    char piece[4096];
    while (result.bytes.size() <= kMaxCalibrationFileSize &&
           (in.read(piece, sizeof piece) || in.gcount() > 0)) {
        result.bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        result.problem = CalibrationFileProblem::Unreadable;
        result.detail = std::strerror(errno);
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > kMaxCalibrationFileSize) {
        result.problem = CalibrationFileProblem::TooLarge;
        const std::uintmax_t size = fs::file_size(path, error);
        result.detail = std::to_string(error ? result.bytes.size() : size) + " bytes";
        result.bytes.clear();
    }
    return result;
}

}  // namespace

CalibrationPoints PointsOf(const CalibrationTexts& texts, int channel) {
    const auto value = [&](int index) -> std::optional<float> {
        const std::string& text = texts[static_cast<std::size_t>(channel * 4 + index)];
        if (text.empty()) {
            return std::nullopt;
        }
        if (const std::optional<double> number = ParseCalibrationNumber(text)) {
            return static_cast<float>(*number);
        }
        return std::nullopt;
    };
    return CalibrationPoints{value(0), value(1), value(2), value(3)};
}

CalibrationLoad LoadCalibrationFile(const fs::path& path, CSimpleIniA* ini, std::array<float, 2> zeroAdjust) {
    CalibrationLoad load;
    load.path = path;
    CSimpleIniA local;
    CSimpleIniA& accessor = ini ? *ini : local;
    accessor.Reset();

    FileBytes file = ReadCapped(path);
    load.problem = file.problem;
    load.detail = file.detail;
    if (file.problem == CalibrationFileProblem::None && !file.bytes.empty()) {
        BlankLoneBrackets(file.bytes);
        // Parsing stops at a NUL byte; what comes before it still counts.
        if (accessor.LoadData(file.bytes.data(), file.bytes.size()) < 0) {
            load.problem = CalibrationFileProblem::Unreadable;
            load.detail = "out of memory";
        }
    }
    load.found = accessor.GetSectionSize(kCalibrationSection) >= 0;
    if (load.found) {
        for (std::size_t i = 0; i < kCalibrationKeys.size(); ++i) {
            const std::string text(
                TrimBlanks(accessor.GetValue(kCalibrationSection, kCalibrationKeys[i], "")));
            if (!text.empty() && !ParseCalibrationNumber(text)) {
                // A value that is no number is dropped, as if the key were
                // missing, so that neither the rule nor a later Set trips
                // over it.
                load.problem = CalibrationFileProblem::BadValues;
                if (!load.detail.empty()) {
                    load.detail += ", ";
                }
                load.detail += std::string(kCalibrationKeys[i]) + "=\"" + text.substr(0, 40) + "\"";
                continue;
            }
            load.texts[i] = text;
        }
        for (int channel = 0; channel < 2; ++channel) {
            const std::size_t c = static_cast<std::size_t>(channel);
            const CalibrationCorrection correction = ApplyPointRule(PointsOf(load.texts, channel)).correction;
            if (GivesFiniteReadings(correction, zeroAdjust[c])) {
                load.channel[c] = correction;
                continue;
            }
            load.unusable[c] = correction;
            for (std::size_t i = c * 4; i < c * 4 + 4; ++i) {
                load.texts[i].clear();
            }
        }
    }
    return load;
}

std::string ReplaceCalibrationSection(std::string_view file, const CalibrationTexts& texts) {
    // What is read of the file ends at its first NUL byte, so the section
    // goes there and the rest follows it as it was: written after it, the
    // section would never be read back.
    const std::string_view rest = file.substr(std::min(file.find('\0'), file.size()));
    file.remove_suffix(rest.size());
    std::string out;
    out.reserve(file.size() + rest.size() + 256);
    bool inSection = false;
    std::size_t pos = 0;
    // A UTF-8 signature stays where it is, in front of the first line.
    if (file.starts_with(kUtf8Signature)) {
        out.append(kUtf8Signature);
        pos = kUtf8Signature.size();
    }
    const std::size_t start = pos;
    while (pos < file.size()) {
        const std::size_t newline = file.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? file.size() : newline + 1;
        const std::string_view line = file.substr(pos, end - pos);
        if (const std::optional<std::string_view> name = SectionName(line)) {
            // Every copy of the section goes, so that what is read back is
            // exactly what was written.
            inSection = EqualNoCaseAscii(*name, kCalibrationSection);
        }
        if (!inSection) {
            out.append(line);
        }
        pos = end;
    }
    if (out.size() > start && out.back() != '\n') {
        out += kLineEnd;
    }
    out += '[';
    out += kCalibrationSection;
    out += ']';
    out += kLineEnd;
    for (std::size_t i = 0; i < kCalibrationKeys.size(); ++i) {
        out += kCalibrationKeys[i];
        out += '=';
        out += texts[i];
        out += kLineEnd;
    }
    out += rest;
    return out;
}

std::string WriteCalibrationFile(const fs::path& path, const CalibrationTexts& texts) {
    for (const std::string& text : texts) {
        if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            return "a value holds a line break";
        }
    }
    std::error_code error;
    if (path.has_parent_path()) {
        fs::create_directories(path.parent_path(), error);
        if (error) {
            return path.parent_path().string() + ": " + error.message();
        }
    }
    const FileBytes old = ReadCapped(path);
    if (old.problem == CalibrationFileProblem::TooLarge) {
        return "the existing file is too large (" + old.detail + ") and is left as it is";
    }
    if (old.problem != CalibrationFileProblem::None) {
        return "the existing file cannot be read: " + old.detail;
    }
    const std::string content = ReplaceCalibrationSection(old.bytes, texts);

    // A new file beside the old one, renamed over it once complete.
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(std::random_device{}() % 1000000u);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return temporary.string() + ": " + std::strerror(errno);
        }
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            const std::string reason = std::strerror(errno);
            fs::remove(temporary, error);
            return path.string() + ": " + reason;
        }
    }
    if (old.exists) {
        fs::permissions(temporary, fs::status(path, error).permissions(), error);
    }
    fs::rename(temporary, path, error);
    if (error) {
        const std::string reason = error.message();
        fs::remove(temporary, error);
        return path.string() + ": " + reason;
    }
    return {};
}
