#include "ReaderThread.h"

#include <algorithm>

#include "device/FrameDecoder.h"
#include "device/SptiCommands.h"

namespace {

constexpr int kSlowRate = 64;
constexpr int kMaxFrames = ReaderThread::kBufferBytes / kFrameBytes;

}  // namespace

ReaderThread::ReaderThread(const std::atomic<bool>& stopRequested, const DeviceHandleSlot& device,
                           QObject* parent)
    : QThread(parent), stopRequested_(stopRequested), device_(device) {
    // Emitted on the reader's own thread, after run() and before wait() returns.
    connect(
        this, &QThread::finished, this, [this] { ended_.store(true, std::memory_order_release); },
        Qt::DirectConnection);
}

ReaderThread::~ReaderThread() {
    RequestAbort();
    Join();
}

bool ReaderThread::Join(QDeadlineTimer deadline) {
    if (!wait(deadline)) {
        return false;
    }
    // False for a thread that never started, which did nothing to order.
    (void)ended_.load(std::memory_order_acquire);
    return true;
}

void ReaderThread::RequestAbort() {
    {
        const std::lock_guard lock(pauseMutex_);
        abort_ = true;
    }
    pauseWake_.notify_all();
}

void ReaderThread::Pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(pauseMutex_);
    pauseWake_.wait_for(lock, duration, [this] { return abort_.load(); });
}

int ReaderThread::FreshBytes(int sampleRate, const VendorRead& read, std::uint32_t received) {
    if (sampleRate == kSlowRate) {
        return received >= static_cast<std::uint32_t>(read.bytesQueued) ? read.bytesQueued : 0;
    }
    const std::uint32_t bytes =
        std::min<std::uint32_t>(static_cast<std::uint32_t>(read.bytesQueued), received);
    return static_cast<int>(bytes / kFrameBytes * kFrameBytes);
}

std::shared_ptr<ScsiTransport> ReaderThread::UsableDevice() {
    std::shared_ptr<ScsiTransport> device = device_.load();
    if (deviceWentAway_) {
        const bool same =
            device != nullptr && !goneDevice_.owner_before(device) && !device.owner_before(goneDevice_);
        if (same) {
            return nullptr;
        }
        // Detection has put another handle (or none) in place: start afresh.
        deviceWentAway_ = false;
        goneDevice_.reset();
    }
    return device;
}

ReaderThread::Block ReaderThread::Read(const std::shared_ptr<ScsiTransport>& device, int sampleRate,
                                       int framesPerRead, std::uint8_t* buffer) {
    Block block;
    const std::optional<VendorRead> read = VendorReadForRate(sampleRate, std::min(framesPerRead, kMaxFrames));
    if (!read || read->blockCount < 1) {
        return block;
    }
    std::uint32_t received = 0;
    bool gone = false;
    block.sent = true;
    if (Vendor_SPTI(*device, read->rateCode, buffer, read->blockCount, &received, &gone)) {
        block.bytes = FreshBytes(sampleRate, *read, received);
    } else if (gone) {
        goneDevice_ = device;
        deviceWentAway_ = true;
    }
    return block;
}
