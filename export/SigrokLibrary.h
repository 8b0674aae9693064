#pragma once

// libsigrok as the session writer and reader use it; included by them only.

#include <libsigrok/libsigrok.h>

#include <mutex>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// While one lives, LeakSanitizer ignores what this thread allocates:
// libsigrok 0.5 loses a few bytes of its own on every session it loads and
// streams (names it replaces without freeing, a list node per packet), and
// its frames cannot be told apart in the sanitizer's fast stack traces.
class LibraryLeaksIgnored {
public:
#if defined(__SANITIZE_ADDRESS__)
    LibraryLeaksIgnored() {
        __lsan_disable();
    }
    ~LibraryLeaksIgnored() {
        __lsan_enable();
    }
#else
    LibraryLeaksIgnored() = default;
#endif
    LibraryLeaksIgnored(const LibraryLeaksIgnored&) = delete;
    LibraryLeaksIgnored& operator=(const LibraryLeaksIgnored&) = delete;
};

// The process's one libsigrok context, made on first use and kept for the
// life of the process (a second sr_init would load every driver again). libsigrok's log goes to
// LastMessage() instead of standard error, so a command line tool prints
// its own one-line messages only.
class SigrokLibrary {
public:
    static SigrokLibrary& Get();

    // Null when libsigrok cannot be set up (LastMessage() says why).
    sr_context* Context() const { return context_; }

    // The last warning or error libsigrok logged on this thread since
    // ClearMessage(), without libsigrok's prefix; empty for none.
    static std::string LastMessage();
    static void ClearMessage();

    // A user device with one enabled analog channel per name, for an output
    // module to describe. libsigrok 0.5 has no call that frees a user
    // device, so devices are kept here and lent out again: at most as many
    // exist as writers were ever open at once.
    sr_dev_inst* BorrowDevice(const std::vector<std::string>& channelNames);
    void ReturnDevice(sr_dev_inst* device);

private:
    SigrokLibrary();

    struct Device {
        sr_dev_inst* instance = nullptr;
        std::vector<std::string> channelNames;
        bool lent = false;
    };

    sr_context* context_ = nullptr;
    std::mutex lock_;
    std::vector<Device> devices_;
};
