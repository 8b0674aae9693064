#pragma once

#include <QByteArray>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "FrameDecoder.h"
#include "PlotBatch.h"

// The low-speed plotting thread of the sound sensor mode. The recording
// reader's blocks are handed over one by one (HandOver); the thread sleeps
// until one is there, converts the frames of each block to volts and sends
// the result back as one PlotBatch per block, for the window to draw with
// LowSpeedPlot. Each block is taken out of the hand-over exactly once, so
// no block is drawn twice and none is skipped.
//
// Per block the thread reads the frames per read (only that many frames of
// a block are drawn, as far as they arrived), the channel mask and both
// channels' corrections afresh. It ends when the window's stop flag is set
// or RequestAbort() is called; it is joined before anything it reads goes.
class showChart : public QThread {
    Q_OBJECT

public:
    // Zero adjustment and calibration of a channel (0 or 1), as they stand.
    using CorrectionSource = std::function<ChannelCorrection(int channel)>;

    showChart(const std::atomic<bool>& stopRequested, const std::atomic<int>& framesPerRead,
              const std::atomic<std::uint8_t>& channelMask, CorrectionSource correction,
              QObject* parent = nullptr);
    // Waits for the thread.
    ~showChart() override;

    // Queues a block of whole frames for drawing. Thread-safe.
    void HandOver(QByteArray frames);
    // Ends the thread at once, even while it waits. Thread-safe.
    void RequestAbort();
    // Blocks handed over and not yet converted. Thread-safe.
    int Pending();

    // The batch of one block, converted as the thread does it.
    static PlotBatch Convert(const QByteArray& frames, int framesPerRead, std::uint8_t channelMask,
                             const CorrectionSource& correction, std::uint64_t sequence);

Q_SIGNALS:
    // One block converted; sent in block order.
    void BatchReady(std::shared_ptr<const PlotBatch> batch);

protected:
    void run() override;

private:
    bool ShouldRun() const { return !stopRequested_.load() && !abort_.load(); }

    const std::atomic<bool>& stopRequested_;
    const std::atomic<int>& framesPerRead_;
    const std::atomic<std::uint8_t>& channelMask_;
    const CorrectionSource correction_;
    std::atomic<bool> abort_{false};
    // Raised as the thread ends and read after wait(), which orders the two
    // through QMutex inside Qt, out of ThreadSanitizer's sight; this pair
    // states the same order in our own code.
    std::atomic<bool> ended_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QByteArray> pending_;  // guarded by mutex_
};
