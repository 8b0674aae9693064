#pragma once

#include <SimpleIni.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "CalibrationPoints.h"

// calibration.ini: a Windows profile file with one section and eight keys,
// each a decimal text in volts. Input values are kept as typed; Output
// values are uncorrected readings with two decimals.
inline constexpr char kCalibrationSection[] = "Calibration Settings(V)";
inline constexpr std::array<const char*, 8> kCalibrationKeys{
    "CH0 Input1", "CH0 Output1", "CH0 Input2", "CH0 Output2",
    "CH1 Input1", "CH1 Output1", "CH1 Input2", "CH1 Output2",
};
// The texts of the eight keys, in the order above; empty when missing.
using CalibrationTexts = std::array<std::string, 8>;

// A calibration file is a few hundred bytes. Anything beyond this is not
// read (nor rewritten: the file is left alone and the write reports why).
inline constexpr std::size_t kMaxCalibrationFileSize = 1 << 20;

// One channel's four texts, In1, Out1, In2, Out2, as points; texts that are
// empty or no number count as absent.
CalibrationPoints PointsOf(const CalibrationTexts& texts, int channel);

// Why a calibration file was not used, or not all of it.
enum class CalibrationFileProblem {
    None,        // fine, or simply absent
    Unreadable,  // exists but cannot be read (detail: the system's reason)
    TooLarge,    // larger than kMaxCalibrationFileSize (detail: its size)
    BadValues,   // some values are no numbers and were ignored (detail: which)
};

// What a load found.
struct CalibrationLoad {
    std::filesystem::path path;
    // The file exists and holds the section.
    bool found = false;
    // The eight texts; a value that is no number reads as empty.
    CalibrationTexts texts;
    // Gain and offset of CH0 and CH1 by the point rule; the identity when
    // the file or its section is missing, or when the rule gives a
    // correction that cannot give finite readings.
    std::array<CalibrationCorrection, 2> channel;
    // Such a correction, per channel: it is not used, and the channel's
    // four texts read as empty, as if its keys were missing.
    std::array<std::optional<CalibrationCorrection>, 2> unusable;
    CalibrationFileProblem problem = CalibrationFileProblem::None;
    // For BadValues: each ignored value as `CH0 Input2="1.2.3"`, joined by
    // ", ".
    std::string detail;
};

// Reads calibration.ini at `path` and applies the point rule to both
// channels, whose zero adjustments are zeroAdjust (CH0, CH1). `ini`, when
// given, is loaded with the file's contents. Never throws on a damaged file;
// what was wrong is in `problem` and `unusable`.
CalibrationLoad LoadCalibrationFile(const std::filesystem::path& path, CSimpleIniA* ini = nullptr,
                                    std::array<float, 2> zeroAdjust = {});

// The file's bytes after the section has been erased and the eight keys
// written in order, as the Windows profile functions leave them: every
// other line untouched, the section appended at the end, "key=value" lines
// ending in CR LF. The end is that of what a load reads: in a file with a
// NUL byte the section goes in front of the first one, and the bytes from
// it on stay as they were.
std::string ReplaceCalibrationSection(std::string_view file, const CalibrationTexts& texts);

// Stores the eight texts in the file at `path`, keeping its other sections,
// and creating the folder if needed. The file is replaced in one step, so a
// failed write leaves the old one whole. Returns an empty text on success,
// else what went wrong.
std::string WriteCalibrationFile(const std::filesystem::path& path, const CalibrationTexts& texts);
