#pragma once

#include <functional>

// Asked before every step of a long computation; once it answers true the
// computation ends early and its result is discarded. An empty poll never
// stops anything.
using StopPoll = std::function<bool()>;

inline bool Stopped(const StopPoll& poll) {
    return poll && poll();
}
