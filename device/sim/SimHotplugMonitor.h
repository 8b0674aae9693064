#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "../HotplugMonitor.h"
#include "SimulatedInstrument.h"

// Turns the simulated instrument's Unplug() and Replug() into the removal and
// arrival events of its disk interface, named by its identity string, so the
// window follows the simulator exactly as it follows a real instrument. The
// events wait in a queue; a pipe wakes the window's event loop, so Unplug()
// may be called from any thread. POSIX only: Windows event loops do not
// watch pipes.
class SimHotplugMonitor : public HotplugMonitor {
public:
    // Null when the pipe cannot be made.
    static std::unique_ptr<SimHotplugMonitor> Create(std::shared_ptr<SimulatedInstrument> instrument);
    ~SimHotplugMonitor() override;
    SimHotplugMonitor(const SimHotplugMonitor&) = delete;
    SimHotplugMonitor& operator=(const SimHotplugMonitor&) = delete;

    int Fd() const override;
    std::vector<HotplugEvent> ReadEvents() override;

    // The event a plug change produces.
    static HotplugEvent EventFor(const SimulatedInstrument& instrument, bool plugged);

private:
    SimHotplugMonitor(std::shared_ptr<SimulatedInstrument> instrument, int readFd, int writeFd);
    void Post(HotplugEvent event);

    const std::shared_ptr<SimulatedInstrument> instrument_;
    const int readFd_;
    const int writeFd_;
    std::mutex mutex_;
    std::deque<HotplugEvent> queue_;
};
