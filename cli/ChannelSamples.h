#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RunCli.h"

// One channel of a sample file, as the analysing subcommands (spectrum,
// measure) read it.
struct ChannelSamples {
    std::string name;  // the file in messages: "standard input" for "-"
    int channel = 0;
    std::vector<double> values;
    std::optional<int> rate;  // told by the file's time column
};

// Reads file ("-": standard input) with at most maxSamples per channel and
// takes the channel asked for, or the first one the file holds. Returns
// kExitOk with out filled, or the exit status after reporting the one line:
// a file that cannot be read or is malformed, a channel it does not hold.
int ReadChannelSamples(const std::string& file, std::optional<int> channel,
                       std::optional<std::uint64_t> maxSamples, CliContext& context, ChannelSamples& out);
