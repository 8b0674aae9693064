#include "testT.h"

#include <algorithm>
#include <utility>

namespace {

// Waits are cut into slices so that a stop flag raised without a wake-up
// (Hold, Stop and the display set it directly) is seen within one slice.
constexpr std::chrono::milliseconds kSlice{20};

}  // namespace

testT::testT(std::atomic<bool>& stopRequested, bool once, std::chrono::milliseconds cycle, QObject* parent)
    : QThread(parent), stopRequested_(stopRequested), once_(once), cycle_(cycle) {
    setObjectName(QStringLiteral("testT"));
    connect(
        this, &QThread::finished, this, [this] { ended_.store(true, std::memory_order_release); },
        Qt::DirectConnection);
}

testT::~testT() {
    Abort();
    wait();
    (void)ended_.load(std::memory_order_acquire);
}

void testT::Abort() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        abort_ = true;
    }
    wake_.notify_all();
}

void testT::Supply(quint64 cycle, AnalysisSnapshot snapshot) {
    for (std::vector<double>& samples : snapshot.samples) {
        if (samples.size() > static_cast<std::size_t>(AnalysisPass::kMaxPoints)) {
            samples.resize(AnalysisPass::kMaxPoints);
        }
    }
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (cycle != wanted_ || supplied_) {
            return;
        }
        inbox_ = std::move(snapshot);
        supplied_ = true;
    }
    wake_.notify_all();
}

bool testT::StopNow() const {
    return abort_.load(std::memory_order_relaxed) || stopRequested_.load(std::memory_order_relaxed);
}

bool testT::AwaitSnapshot(quint64 cycle, AnalysisSnapshot& snapshot) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        wanted_ = cycle;
        supplied_ = false;
    }
    Q_EMIT SnapshotWanted(cycle);
    std::unique_lock<std::mutex> lock(mutex_);
    while (!supplied_) {
        if (StopNow()) {
            return false;
        }
        wake_.wait_for(lock, kSlice);
    }
    snapshot = std::move(inbox_);
    return !StopNow();
}

bool testT::Rest() {
    const auto until = std::chrono::steady_clock::now() + cycle_;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!StopNow()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= until) {
            return true;
        }
        wake_.wait_for(lock, std::min<std::chrono::steady_clock::duration>(kSlice, until - now));
    }
    return false;
}

void testT::run() {
    const StopPoll stopped = [this] { return StopNow(); };
    bool onceDone = false;
    AnalysisSnapshot snapshot;
    for (quint64 cycle = 1; !StopNow(); ++cycle) {
        if (!AwaitSnapshot(cycle, snapshot)) {
            break;
        }
        bool complete = true;
        for (int channel = 0; channel < 2 && complete; ++channel) {
            if ((snapshot.channelMask & (1u << channel)) == 0) {
                continue;
            }
            const std::vector<double>& samples = snapshot.samples[static_cast<std::size_t>(channel)];
            auto result = std::make_shared<ChannelAnalysis>();
            complete = pass_.Run(channel, samples.data(), static_cast<int>(samples.size()),
                                 snapshot.sampleRate, snapshot.decimation, *result, stopped);
            if (complete) {
                Q_EMIT ChannelAnalysed(std::move(result));
            }
        }
        if (!complete) {
            break;
        }
        if (once_) {
            stopRequested_ = true;
            onceDone = true;
            break;
        }
        if (!Rest()) {
            break;
        }
    }
    Q_EMIT Ended(onceDone);
}
