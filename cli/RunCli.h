#pragma once

#include <atomic>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "CalibrationLocation.h"

// What daq-cli runs against: its streams, the Ctrl-C flag, whether standard
// error is a terminal (for the progress bar), where calibration.ini is
// looked for (the window's places unless given), and the switch a capture
// raises once it has files to finish: from then on SIGINT, SIGTERM and
// SIGHUP only raise `interrupted` instead of ending the program.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    const std::atomic<bool>* interrupted = nullptr;
    bool progressBar = false;
    std::optional<CalibrationLocations> calibration;
    std::atomic<bool>* finishing = nullptr;
};

// Runs daq-cli with args (without the program name); returns the exit
// status. Every error is one line on context.err starting "daq-cli: ".
int RunCli(const std::vector<std::string_view>& args, CliContext& context);
