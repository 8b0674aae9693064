#pragma once

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include "device/DeviceHandleSlot.h"
#include "device/RateTable.h"
#include "device/ScsiTransport.h"

// What the two acquisition readers (mainthread, readmsc) share: the run
// condition, an interruptible pause, and one vendor read that reports only
// the bytes that arrived in this pass.
//
// A reader runs while the window's stop flag is clear and its own abort flag
// is not raised. The abort flag is set by RequestAbort() and never cleared:
// a reader that outlived the window's wait for it cannot be revived when the
// next Start clears the shared stop flag.
class ReaderThread : public QThread {
    Q_OBJECT

public:
    // The readers' buffer: 24 blocks, the largest read one command makes.
    static constexpr int kBufferBytes = 12288;
    // The pause between passes. It keeps a reader from spinning when the
    // instrument has nothing and bounds it to about 83 commands a second.
    static constexpr std::chrono::milliseconds kPassPause{12};

    // Waits for the thread: a reader is never freed while it runs.
    ~ReaderThread() override;

    // Waits until the thread has ended or the deadline passed; true when it
    // ended. Everything the thread did happens before what follows a true
    // return (see ended_).
    bool Join(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

    // Ends the loop at its next check and cuts a pause short. Thread-safe.
    void RequestAbort();
    bool AbortRequested() const { return abort_.load(); }

    // Of a vendor read that returned received bytes, the part worth handing
    // on: at 64 S/s the first four frames if they all arrived, above it the
    // frames asked for as far as they arrived, in whole frames.
    static int FreshBytes(int sampleRate, const VendorRead& read, std::uint32_t received);

protected:
    ReaderThread(const std::atomic<bool>& stopRequested, const DeviceHandleSlot& device, QObject* parent);

    bool ShouldRun() const { return !stopRequested_.load() && !abort_.load(); }
    bool StopRequested() const { return stopRequested_.load(); }
    // The handle as detection left it, whether or not it answers.
    std::shared_ptr<ScsiTransport> DeviceHandle() const { return device_.load(); }

    // Sleeps for duration unless aborted; the stop flag is seen at the next
    // check after it.
    void Pause(std::chrono::milliseconds duration = kPassPause);

    // The device to send to: null when there is none, or while the handle
    // still holds the device that last reported itself gone.
    std::shared_ptr<ScsiTransport> UsableDevice();

    struct Block {
        bool sent = false;  // a command went out
        int bytes = 0;      // fresh bytes at the start of the buffer, whole frames
    };
    // One vendor read of framesPerRead frames at sampleRate into buffer
    // (kBufferBytes). Sends nothing for an unknown rate or fewer frames than
    // one command can carry.
    // A device that reports itself gone is avoided until the handle changes.
    Block Read(const std::shared_ptr<ScsiTransport>& device, int sampleRate, int framesPerRead,
               std::uint8_t* buffer);

private:
    const std::atomic<bool>& stopRequested_;
    const DeviceHandleSlot& device_;
    std::atomic<bool> abort_{false};
    // Raised by the thread as it ends (on QThread::finished) and read after
    // wait(). wait() alone orders the thread's work before the joiner's, but
    // through QMutex inside Qt, which ThreadSanitizer cannot follow in a Qt
    // not built with it; this pair states the same order in our own code.
    std::atomic<bool> ended_{false};
    std::mutex pauseMutex_;
    std::condition_variable pauseWake_;
    // The device that reported itself gone; an expired pointer compares by
    // its control block, so a new device at the same address is still new.
    std::weak_ptr<ScsiTransport> goneDevice_;
    bool deviceWentAway_ = false;
};
