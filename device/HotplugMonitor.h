#pragma once

#include <vector>

#include "HotplugEvent.h"

// Follows plugging and unplugging. The window watches Fd() with its event
// loop and calls ReadEvents() when it becomes readable, so nothing here needs
// a thread of its own. On Windows the events arrive as window messages
// instead, and Fd() is -1.
class HotplugMonitor {
public:
    virtual ~HotplugMonitor() = default;

    // A descriptor that turns readable when events wait; -1 if there is none.
    virtual int Fd() const = 0;

    // Every event waiting, oldest first; never blocks.
    virtual std::vector<HotplugEvent> ReadEvents() = 0;
};
