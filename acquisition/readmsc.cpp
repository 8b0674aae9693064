#include "readmsc.h"

#include <algorithm>
#include <vector>

#include "device/FrameDecoder.h"

namespace {

constexpr int kSlowRate = 64;

}  // namespace

readmsc::readmsc(std::atomic<bool>& stopRequested, const std::atomic<int>& sampleRate,
                 std::atomic<int>& framesPerRead, const std::atomic<std::uint8_t>& channelMask,
                 const DeviceHandleSlot& device, ChannelCorrectionSource correction0,
                 ChannelCorrectionSource correction1, std::shared_ptr<VoltSink> sink, QObject* parent)
    : ReaderThread(stopRequested, device, parent),
      stopFlag_(stopRequested),
      sampleRate_(sampleRate),
      framesPerRead_(framesPerRead),
      channelMask_(channelMask),
      correction0_(correction0),
      correction1_(correction1),
      sink_(std::move(sink)) {
    setObjectName(QStringLiteral("readmsc"));
}

void readmsc::run() {
    Q_EMIT ChartClearRequested();
    if (sink_ != nullptr) {
        sink_->Begin();
    }
    std::vector<std::uint8_t> buffer(kBufferBytes, 0);
    bool commandSent = false;
    while (ShouldRun()) {
        if (DeviceHandle() == nullptr) {
            // Nothing to record from: end the run and let the reconnect poll
            // look for the instrument.
            stopFlag_ = true;
            Q_EMIT ReconnectPollWanted(true);
            break;
        }
        const int rate = sampleRate_.load();
        if (rate == kSlowRate) {
            framesPerRead_ = 1;
        }
        const int frames = framesPerRead_.load();
        Block block;
        if (const std::shared_ptr<ScsiTransport> device = UsableDevice(); device != nullptr && frames >= 1) {
            block = Read(device, rate, frames, buffer.data());
        }
        if (!ShouldRun()) {
            break;
        }
        if (block.sent && !commandSent) {
            commandSent = true;
            Q_EMIT ReconnectPollWanted(false);
        }
        // Only frames that arrived in this pass are recorded; a failed
        // command must not record the previous block a second time.
        const int fresh = std::min(frames, block.bytes / kFrameBytes);
        const std::uint8_t mask = channelMask_.load();
        const int channel = (mask & 1) != 0 ? 0 : (mask & 2) != 0 ? 1 : -1;
        if (channel >= 0 && sink_ != nullptr) {
            const ChannelCorrection correction = channel == 0 ? correction0_.Load() : correction1_.Load();
            for (int i = 0; i < fresh && ShouldRun(); ++i) {
                sink_->Put(RawToVolts(FrameSample(buffer.data() + i * kFrameBytes, channel), correction));
            }
        }
        if (block.bytes > 0) {
            Q_EMIT BlockRead(QByteArray(reinterpret_cast<const char*>(buffer.data()), block.bytes));
        } else {
            // The instrument paces successful reads; anything else would spin.
            Pause();
        }
    }
    if (sink_ != nullptr) {
        sink_->End();
    }
}
