#pragma once

#include <atomic>
#include <memory>

#include "DoubleArray.h"
#include "ReaderThread.h"

// The high-speed reader: sends the vendor command at the current sample rate
// and frames per read, pushes each fresh block into the queue the display
// timers drain, and pauses briefly between passes. It reads the rate, the
// frames per read and the device handle afresh on every pass, so a change
// takes effect at the next command. The queue is emptied when the loop ends.
class mainthread : public ReaderThread {
    Q_OBJECT

public:
    mainthread(const std::atomic<bool>& stopRequested, const std::atomic<int>& sampleRate,
               const std::atomic<int>& framesPerRead, const DeviceHandleSlot& device, DoubleArray& queue,
               QObject* parent = nullptr);

protected:
    void run() override;

private:
    const std::atomic<int>& sampleRate_;
    const std::atomic<int>& framesPerRead_;
    DoubleArray& queue_;
};
