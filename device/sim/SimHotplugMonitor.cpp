#include "SimHotplugMonitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

std::unique_ptr<SimHotplugMonitor> SimHotplugMonitor::Create(
    std::shared_ptr<SimulatedInstrument> instrument) {
    if (instrument == nullptr) {
        return nullptr;
    }
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return nullptr;
    }
    return std::unique_ptr<SimHotplugMonitor>(new SimHotplugMonitor(std::move(instrument), fds[0], fds[1]));
}

SimHotplugMonitor::SimHotplugMonitor(std::shared_ptr<SimulatedInstrument> instrument, int readFd, int writeFd)
    : instrument_(std::move(instrument)), readFd_(readFd), writeFd_(writeFd) {
    instrument_->SetPlugListener([this](bool plugged) { Post(EventFor(*instrument_, plugged)); });
}

SimHotplugMonitor::~SimHotplugMonitor() {
    // Waits for a listener call in progress, so none reaches a closed pipe.
    instrument_->SetPlugListener(nullptr);
    close(readFd_);
    close(writeFd_);
}

HotplugEvent SimHotplugMonitor::EventFor(const SimulatedInstrument& instrument, bool plugged) {
    HotplugEvent event;
    event.action = plugged ? HotplugAction::Arrival : HotplugAction::RemoveComplete;
    event.headerType = kDeviceInterfaceHeader;
    event.name = LowerAscii(instrument.IdentityString());
    return event;
}

int SimHotplugMonitor::Fd() const {
    return readFd_;
}

void SimHotplugMonitor::Post(HotplugEvent event) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(event));
    // One byte per event; a full pipe already wakes the reader, and the
    // queue, not the pipe, holds the events.
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = write(writeFd_, &wake, 1);
}

std::vector<HotplugEvent> SimHotplugMonitor::ReadEvents() {
    const std::lock_guard lock(mutex_);
    char drain[64];
    while (read(readFd_, drain, sizeof drain) > 0) {
    }
    std::vector<HotplugEvent> events(std::make_move_iterator(queue_.begin()),
                                     std::make_move_iterator(queue_.end()));
    queue_.clear();
    return events;
}
