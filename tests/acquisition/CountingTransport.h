#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include "device/ScsiCommands.h"
#include "device/ScsiTransport.h"

// Passes commands on to another transport (the simulated instrument) and
// counts the vendor reads. beforeRead, when set, runs before read number n
// (0-based) goes out, on the reader's thread, so a test can inject faults at
// a chosen point of the stream.
class CountingTransport : public ScsiTransport {
public:
    explicit CountingTransport(std::shared_ptr<ScsiTransport> target) : target_(std::move(target)) {}

    ScsiResult Execute(const ScsiCommand& command) override {
        if (command.cdb[0] == kVendorReadOpcode) {
            const int n = reads_.load();
            if (beforeRead) {
                beforeRead(n);
            }
            ++reads_;
        }
        return target_->Execute(command);
    }

    int Reads() const { return reads_.load(); }

    std::function<void(int n)> beforeRead;

private:
    std::shared_ptr<ScsiTransport> target_;
    std::atomic<int> reads_{0};
};
