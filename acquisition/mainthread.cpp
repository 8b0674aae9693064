#include "mainthread.h"

#include <vector>

mainthread::mainthread(const std::atomic<bool>& stopRequested, const std::atomic<int>& sampleRate,
                       const std::atomic<int>& framesPerRead, const DeviceHandleSlot& device,
                       DoubleArray& queue, QObject* parent)
    : ReaderThread(stopRequested, device, parent),
      sampleRate_(sampleRate),
      framesPerRead_(framesPerRead),
      queue_(queue) {
    setObjectName(QStringLiteral("mainthread"));
}

void mainthread::run() {
    std::vector<std::uint8_t> buffer(kBufferBytes, 0);
    while (ShouldRun()) {
        const int frames = framesPerRead_.load();
        const int rate = sampleRate_.load();
        const std::shared_ptr<ScsiTransport> device = UsableDevice();
        if (device != nullptr && frames >= 1) {
            // Only what this command delivered is queued: after a failed or
            // short read the buffer still holds the previous block, and
            // queuing that again would draw old samples as new ones.
            const Block block = Read(device, rate, frames, buffer.data());
            const bool hasData = block.bytes > 0 && (buffer[0] | buffer[1] | buffer[2] | buffer[3]) != 0;
            if (hasData && ShouldRun()) {
                queue_.Push(buffer.data(), block.bytes);
            }
        }
        Pause();
    }
    // A reader left behind by an earlier run ends while a newer one owns the
    // queue (the stop flag is clear again); its blocks are not this one's to
    // drop.
    if (StopRequested()) {
        queue_.Clear();
    }
}
