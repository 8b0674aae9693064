// daq-cli: capture, export and analyse without a window.

#include <atomic>
#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define DAQ_ISATTY _isatty
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#define DAQ_ISATTY isatty
#endif

#include "RunCli.h"

namespace {

std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

// Ctrl-C and a polite kill end a capture at its next check, which finishes
// the files. A second Ctrl-C while that takes long gets the default action.
extern "C" void OnInterrupt(int signal) {
    gInterrupted.store(true);
    std::signal(signal, SIG_DFL);
}

// Started with standard input, output or error closed, the program would
// get one of those numbers for the next file it opens (the device monitor's
// socket, say) and write its output there. Each closed one is taken by
// /dev/null opened for reading only, so output to it fails and is reported
// and input from it ends at once.
void HoldStandardDescriptors() {
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = open("/dev/null", O_RDONLY);
            if (held != fd && held >= 0) {
                close(held);
            }
        }
    }
#endif
}

}  // namespace

int main(int argc, char** argv) {
    HoldStandardDescriptors();
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
#ifdef SIGPIPE
    // A closed pipe on standard output is a write error, reported as such.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);

    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    CliContext context{std::cout, std::cerr, std::cin, &gInterrupted, DAQ_ISATTY(2) != 0, std::nullopt};
    return RunCli(args, context);
}
