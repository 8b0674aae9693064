#pragma once

#include <memory>
#include <string>

class DriveAccess;

// The program's only options: --simulate[=SPEC] runs on the simulated
// instrument, --sim-identity=TEXT sets its zero-adjust window.
struct CommandLine {
    std::shared_ptr<DriveAccess> drives;  // the platform's drives, or the simulated instrument
    bool simulated = false;
};

// Parses argv. On a bad option returns false and sets *error to a message
// naming the bad part; the caller prints it and exits non-zero.
bool ParseCommandLine(int argc, char** argv, CommandLine* result, std::string* error);
