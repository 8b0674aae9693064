#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"

// The samples daq-cli spectrum computes from: one channel of a capture
// CSV, of a "Save Data As" text file or, for a file whose name ends in
// ".sr" or that starts as a zip archive does, one analog channel of a
// sigrok session (read through export/SigrokSession). --channel picks the
// channel (in a session also by name) and --points how many are read.
struct SpectrumSamples {
    std::vector<double> values;  // at most --points of them
    std::uint64_t total = 0;     // the channel's samples in the file
    std::string channel;         // as messages name it: "CH0", or the session's name
    std::optional<int> rate;     // what the file says, if anything
    std::string rateProblem;     // why the file's rate cannot be used (a session's 0 or too high)
};

// Reads them, or reports why not (one line) and returns the exit status.
int LoadSpectrumSamples(const SpectrumArguments& arguments, CliContext& context, SpectrumSamples* samples);
