#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "device/ScsiCommands.h"
#include "device/sim/SimSpec.h"
#include "device/sim/SimulatedInstrument.h"

// Passes commands on to the simulated instrument and counts the vendor
// reads. beforeRead(n) runs on the reader's thread before read n (from 0)
// goes out, so a test can inject a fault at a chosen point of the stream.
class CountingTransport : public ScsiTransport {
public:
    explicit CountingTransport(std::shared_ptr<ScsiTransport> target) : target_(std::move(target)) {}
    ScsiResult Execute(const ScsiCommand& command) override {
        if (command.cdb[0] == kVendorReadOpcode) {
            if (beforeRead) {
                beforeRead(reads_.load());
            }
            ++reads_;
        }
        return target_->Execute(command);
    }
    int Reads() const { return reads_.load(); }
    std::function<void(int n)> beforeRead;  // set before the reader starts

private:
    std::shared_ptr<ScsiTransport> target_;
    std::atomic<int> reads_{0};
};

// Polls until done() holds; the limit only turns a hang into a failure.
inline bool WaitUntil(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline SimOptions SimAt(bool paced, const char* signals = "sine:50:2,square:10:1") {
    SimOptions options;
    options.signals = *ParseSimSpec(signals).spec;
    options.paced = paced;
    return options;
}
