#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/CommandLine.h"

// daq-cli's command line: a subcommand, its options and the device options
// every subcommand shares with the window (--simulate[=SPEC],
// --sim-identity=TEXT). Options take their value as the next argument or
// after '='; a later one overrides an earlier one.

enum class Subcommand { List, Capture, Spectrum, Measure, Demo };

struct CaptureArguments {
    int rate = 0;
    std::uint64_t frames = 0;  // rate x duration, rounded down
    std::uint8_t channelMask = 3;
    std::optional<std::string> csv;  // "-": standard output
    std::optional<std::string> wav;
    std::optional<std::string> sr;  // a sigrok session
};

struct SpectrumArguments {
    std::string file;
    // --channel: a position (0 the first channel) or, for a sigrok session,
    // a channel's name.
    std::optional<int> channel;
    std::optional<std::string> channelName;
    std::optional<int> rate;
    std::optional<std::int64_t> points;
    std::optional<std::string> bins;
};

struct MeasureArguments {
    std::string file;
    // As for spectrum.
    std::optional<int> channel;
    std::optional<std::string> channelName;
    std::optional<int> rate;
    bool json = false;
};

struct DemoArguments {
    int wave = 1;
    std::optional<std::string> csv;
};

struct CliArguments {
    // No subcommand with --help (or "help") asks for the overview.
    std::optional<Subcommand> command;
    bool help = false;
    DeviceOptions device;
    CaptureArguments capture;
    SpectrumArguments spectrum;
    MeasureArguments measure;
    DemoArguments demo;
};

struct CliParse {
    std::optional<CliArguments> arguments;
    // One line naming the bad argument, when arguments is empty.
    std::string error;
};

// args: the command line without the program name.
CliParse ParseCliArguments(const std::vector<std::string_view>& args);

// The --help text of a subcommand, or the overview.
std::string_view HelpText(std::optional<Subcommand> command);
