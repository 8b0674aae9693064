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
std::atomic<bool> gFinishing{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs lock-free flags");

// Ctrl-C, a polite kill and a closed terminal. While a capture has its files
// open, every one of them, however many come, only raises the flag: the
// capture ends at its next check and finishes both files. At any other time
// nothing is lost by stopping at once, so the signal's usual action ends the
// program, also while it waits for standard input.
extern "C" void OnInterrupt(int signal) {
    if (gFinishing.load()) {
        gInterrupted.store(true);
#ifdef _WIN32
        // The C runtime resets the handler before calling it.
        std::signal(signal, OnInterrupt);
#endif
        return;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void CatchInterrupts() {
#ifdef _WIN32
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
#else
    // A write under way when a signal comes is completed, not cut short.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    // A closed pipe on standard output is a write error, reported as such.
    std::signal(SIGPIPE, SIG_IGN);
#endif
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
    CatchInterrupts();
    std::ios::sync_with_stdio(false);

    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    CliContext context{std::cout,          std::cerr,    std::cin,   &gInterrupted,
                       DAQ_ISATTY(2) != 0, std::nullopt, &gFinishing};
    return RunCli(args, context);
}
