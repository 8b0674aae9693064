#include "showChart.h"

#include <algorithm>
#include <chrono>

namespace {

// The stop flag is raised without waking the thread (by the reader when the
// instrument is gone, for one), so a wait looks at it this often.
constexpr std::chrono::milliseconds kStopCheck{100};

}  // namespace

showChart::showChart(const std::atomic<bool>& stopRequested, const std::atomic<int>& framesPerRead,
                     const std::atomic<std::uint8_t>& channelMask, CorrectionSource correction,
                     QObject* parent)
    : QThread(parent),
      stopRequested_(stopRequested),
      framesPerRead_(framesPerRead),
      channelMask_(channelMask),
      correction_(std::move(correction)) {
    setObjectName(QStringLiteral("showChart"));
    connect(
        this, &QThread::finished, this, [this] { ended_.store(true, std::memory_order_release); },
        Qt::DirectConnection);
}

showChart::~showChart() {
    RequestAbort();
    wait();
    (void)ended_.load(std::memory_order_acquire);
}

void showChart::HandOver(QByteArray frames) {
    {
        const std::lock_guard lock(mutex_);
        pending_.push_back(std::move(frames));
    }
    wake_.notify_one();
}

int showChart::Pending() {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(pending_.size());
}

void showChart::RequestAbort() {
    {
        // Under the lock, so a wait cannot miss the wake-up.
        const std::lock_guard lock(mutex_);
        abort_ = true;
    }
    wake_.notify_one();
}

PlotBatch showChart::Convert(const QByteArray& frames, int framesPerRead, std::uint8_t channelMask,
                             const CorrectionSource& correction, std::uint64_t sequence) {
    PlotBatch batch;
    batch.sequence = sequence;
    const int count = std::clamp(framesPerRead, 0, static_cast<int>(frames.size()) / kFrameBytes);
    const auto* data = reinterpret_cast<const std::uint8_t*>(frames.constData());
    for (int c = 0; c < kChannelCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        batch.shown[index] = (channelMask & (1u << c)) != 0;
        if (!batch.shown[index]) {
            continue;
        }
        const ChannelCorrection corr = correction ? correction(c) : ChannelCorrection{};
        std::vector<float>& volts = batch.volts[index];
        volts.reserve(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) {
            volts.push_back(RawToVolts(FrameSample(data + k * kFrameBytes, c), corr));
        }
    }
    return batch;
}

void showChart::run() {
    std::uint64_t sequence = 0;
    while (ShouldRun()) {
        QByteArray block;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait_for(lock, kStopCheck, [this] { return !pending_.empty() || abort_.load(); })) {
                continue;
            }
            if (abort_.load()) {
                break;
            }
            block = std::move(pending_.front());
            pending_.pop_front();
        }
        if (!ShouldRun()) {
            break;
        }
        Q_EMIT BatchReady(std::make_shared<const PlotBatch>(
            Convert(block, framesPerRead_.load(), channelMask_.load(), correction_, ++sequence)));
    }
}
