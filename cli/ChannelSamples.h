#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RunCli.h"

// One channel of a sample file, as the analysing subcommands (spectrum,
// measure) read it: of a capture CSV, of a "Save Data As" text file or, for
// a file whose name ends in ".sr" or that starts as a zip archive does, an
// analog channel of a sigrok session (read through export/SigrokSession).
struct ChannelSamples {
    std::string name;            // the file in messages: "standard input" for "-"
    int channel = 0;             // its position (among a session's analog channels)
    std::string label;           // the channel in messages: "CH0", or a session's name quoted
    std::vector<double> values;  // at most maxSamples of them
    std::uint64_t total = 0;     // the channel's samples in the file
    std::optional<int> rate;     // told by the file's time column or the session
    std::string rateProblem;     // why a session's own rate cannot be used (0, too high)
};

// Reads file ("-": standard input) with at most maxSamples per channel and
// takes the channel asked for (by position, or by name in a session), or
// the first one the file holds. Returns kExitOk with out filled, or the exit
// status after reporting the one line: a file that cannot be read or is
// malformed (4), a channel it does not hold (2).
int ReadChannelSamples(const std::string& file, std::optional<int> channel,
                       const std::optional<std::string>& channelName, std::optional<std::uint64_t> maxSamples,
                       CliContext& context, ChannelSamples& out);
