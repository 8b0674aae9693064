#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include "device/sim/SimSpec.h"
#include "device/sim/SimulatedInstrument.h"

// Waits until done() holds, polling; gives up after limit so a broken reader
// fails the test instead of hanging it. The limit is no speed requirement.
inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto giveUp = std::chrono::steady_clock::now() + limit;
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
