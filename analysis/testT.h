#pragma once

#include <QThread>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "AnalysisPass.h"

// The waveform charts as a cycle of the analysis finds them: copied on the
// user-interface thread, which owns the charts.
struct AnalysisSnapshot {
    std::uint8_t channelMask = 0;  // bit 0: CH0 analysed; bit 1: CH1
    int sampleRate = 0;
    int decimation = 1;
    std::array<std::vector<double>, 2> samples;  // plotted Y values per channel
};

// The background analysis: while a run lasts, once a second, the spectrum
// and peak list of each enabled channel from what its waveform chart shows;
// a one-shot analysis (a completed triggered capture) runs exactly one cycle
// and then raises the run's stop flag.
//
// A cycle asks the window for a snapshot (SnapshotWanted, answered with
// Supply on the user-interface thread), computes on this thread and hands
// each channel's result back through ChannelAnalysed. The thread never waits
// on the user-interface thread without polling its stop conditions, so the
// window may join it at any time: Abort() (or the run's flag) ends every
// wait and every loop within one step.
class testT : public QThread {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kCycle{1000};

    // stopRequested is the run's stop flag; it must outlive the thread.
    // cycle: the rest between two cycles.
    testT(std::atomic<bool>& stopRequested, bool once, std::chrono::milliseconds cycle = kCycle,
          QObject* parent = nullptr);
    // Aborts and joins.
    ~testT() override;

    // Ends the thread at its next check, leaving the run's flag alone.
    void Abort();
    // The answer to SnapshotWanted(cycle); an answer to an older request is
    // dropped. Samples beyond AnalysisPass::kMaxPoints are ignored.
    void Supply(quint64 cycle, AnalysisSnapshot snapshot);

Q_SIGNALS:
    void SnapshotWanted(quint64 cycle);
    // One channel's spectrum points and peak lines, never changed again.
    void ChannelAnalysed(std::shared_ptr<const ChannelAnalysis> result);
    // The loop has ended; onceDone: a one-shot cycle completed and raised
    // the stop flag.
    void Ended(bool onceDone);

protected:
    void run() override;

private:
    bool StopNow() const;
    // Waits for the snapshot of cycle; false when stopped first.
    bool AwaitSnapshot(quint64 cycle, AnalysisSnapshot& snapshot);
    // Sleeps one cycle period; false when stopped first.
    bool Rest();

    std::atomic<bool>& stopRequested_;
    const bool once_;
    const std::chrono::milliseconds cycle_;
    std::atomic<bool> abort_{false};
    // Raised as the thread ends and read after wait(), which orders the two
    // through QMutex inside Qt, out of ThreadSanitizer's sight; this pair
    // states the same order in our own code.
    std::atomic<bool> ended_{false};

    std::mutex mutex_;
    std::condition_variable wake_;
    quint64 wanted_ = 0;  // cycle whose snapshot is awaited
    bool supplied_ = false;
    AnalysisSnapshot inbox_;

    AnalysisPass pass_;
};
