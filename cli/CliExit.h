#pragma once

// daq-cli's exit statuses. A capture cut short by Ctrl-C ends with the
// shell's usual status for SIGINT, so a script can tell it from a complete
// one; its files are still valid.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 2,     // bad usage: unknown subcommand or option, bad value
    kExitNoDevice = 3,  // no instrument found
    kExitFile = 4,      // a file cannot be read or written, or is malformed
    kExitDevice = 5,    // the instrument failed or was unplugged
    kExitInterrupted = 130,
};
