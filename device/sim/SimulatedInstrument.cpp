#include "SimulatedInstrument.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>

#include "../FrameDecoder.h"
#include "../ScsiCommands.h"
#include "../ZeroAdjust.h"

namespace {

// CPU time of the calling thread, in seconds; 0 without a thread CPU clock.
double ThreadCpuSeconds() {
#ifdef CLOCK_THREAD_CPUTIME_ID
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0) {
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }
#endif
    return 0.0;
}

constexpr std::uint8_t kStatusGood = 0x00;
constexpr std::uint8_t kStatusCheckCondition = 0x02;
constexpr std::uint8_t kSenseIllegalRequest = 0x05;
constexpr std::uint8_t kSenseAbortedCommand = 0x0B;
constexpr std::uint8_t kAscInvalidOpcode = 0x20;
constexpr std::uint8_t kAscInvalidFieldInCdb = 0x24;

constexpr std::uint32_t kSlowRateCode = 0x80;

// What the platform reports for a vanished device.
#ifdef _WIN32
constexpr int kDeviceGoneError = 1167;  // ERROR_DEVICE_NOT_CONNECTED
#else
constexpr int kDeviceGoneError = ENODEV;
#endif

ScsiResult Good(std::uint32_t transferred) {
    ScsiResult result;
    result.ok = true;
    result.transferred = transferred;
    result.scsiStatus = kStatusGood;
    return result;
}

// Fixed-format sense data, as USB mass-storage devices return it.
ScsiResult CheckCondition(std::uint8_t senseKey, std::uint8_t asc) {
    ScsiResult result;
    result.scsiStatus = kStatusCheckCondition;
    result.sense[0] = 0x70;
    result.sense[2] = senseKey;
    result.sense[7] = 10;
    result.sense[12] = asc;
    result.senseLength = 18;
    return result;
}

ScsiResult Gone() {
    ScsiResult result;
    result.deviceGone = true;
    result.systemError = kDeviceGoneError;
    return result;
}

ScsiResult Inquiry(const ScsiCommand& command) {
    std::uint8_t answer[kInquiryLength] = {};
    answer[1] = 0x80;  // removable medium, like any USB stick
    answer[2] = 0x02;
    answer[3] = 0x02;
    answer[4] = kInquiryLength - 5;
    std::memcpy(answer + 8, "KRV     ", 8);
    std::memcpy(answer + 16, "Oscilloscope    ", 16);
    std::memcpy(answer + 32, "1.00", 4);
    if (command.data == nullptr) {
        return Good(0);
    }
    const std::uint32_t length =
        std::min<std::uint32_t>({kInquiryLength, command.cdb[4], command.dataLength});
    std::memcpy(command.data, answer, length);
    return Good(length);
}

// Decrements the count of commands inside Execute when one leaves, so the
// destructor can wait for the last.
class ActiveCommand {
public:
    ActiveCommand(int& active, bool& closing, std::condition_variable& wake)
        : active_(active), closing_(closing), wake_(wake) {
        ++active_;
    }
    ~ActiveCommand() {
        if (--active_ == 0 && closing_) {
            wake_.notify_all();
        }
    }
    ActiveCommand(const ActiveCommand&) = delete;
    ActiveCommand& operator=(const ActiveCommand&) = delete;

private:
    int& active_;
    bool& closing_;
    std::condition_variable& wake_;
};

}  // namespace

SimulatedInstrument::SimulatedInstrument(SimOptions options)
    : identityWindow_(std::move(options.identityWindow)),
      noiseSeed_(options.noiseSeed),
      signals_(options.signals),
      paced_(options.paced) {
    if (const std::optional<std::string> window = ZeroAdjustWindow(IdentityString())) {
        ParseZeroAdjust(*window).ApplyTo(zeroAdjust_[0], zeroAdjust_[1]);
    }
}

SimulatedInstrument::~SimulatedInstrument() {
    std::unique_lock lock(mutex_);
    closing_ = true;
    wake_.notify_all();
    wake_.wait(lock, [this] { return active_ == 0; });
}

std::optional<double> SimulatedInstrument::FrameRate(std::uint32_t rateCode) {
    switch (rateCode) {
        case kSlowRateCode:
            return 64.0 * kSlowFramesPerCommand;
        case 0x40000:
            return 6250.0;
        case 0x30000:
            return 12500.0;
        case 0x20000:
            return 25000.0;
        case 0x10000:
            return 50000.0;
        case 0x0:
            return 100000.0;
        default:
            return std::nullopt;
    }
}

ScsiResult SimulatedInstrument::Execute(const ScsiCommand& command) {
    std::unique_lock lock(mutex_);
    const ActiveCommand active(active_, closing_, wake_);
    if (!plugged_ || closing_) {
        return Gone();
    }
    if (failNext_ > 0) {
        --failNext_;
        return CheckCondition(kSenseAbortedCommand, 0x00);
    }
    switch (command.cdb[0]) {
        case kTestUnitReadyOpcode:
            return Good(0);
        case kInquiryOpcode:
            return Inquiry(command);
        case kVendorReadOpcode:
            return VendorRead(command, lock);
        default:
            return CheckCondition(kSenseIllegalRequest, kAscInvalidOpcode);
    }
}

ScsiResult SimulatedInstrument::VendorRead(const ScsiCommand& command, std::unique_lock<std::mutex>& lock) {
    const std::uint32_t rateCode = (std::uint32_t{command.cdb[2]} << 24) |
                                   (std::uint32_t{command.cdb[3]} << 16) |
                                   (std::uint32_t{command.cdb[4]} << 8) | command.cdb[5];
    const int blocks = command.cdb[8];
    const std::optional<double> frameRate = FrameRate(rateCode);
    if (!frameRate || blocks == 0) {
        return CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
    }
    const bool slow = rateCode == kSlowRateCode;
    const std::uint64_t frames = slow ? kSlowFramesPerCommand : std::uint64_t(blocks) * kFramesPerBlock;

    const double now = NowSeconds();
    if (!streamStarted_ || rateCode != streamRateCode_) {
        streamStarted_ = true;
        streamRateCode_ = rateCode;
        streamOrigin_ = now;
        nextFrame_ = 0;
    } else if (paced_ && now - (streamOrigin_ + nextFrame_ / *frameRate) > kMaxLagSeconds) {
        const auto caughtUp = static_cast<std::uint64_t>((now - streamOrigin_) * *frameRate);
        droppedFrames_ += caughtUp - nextFrame_;
        nextFrame_ = caughtUp;
    }
    const std::uint64_t first = nextFrame_;
    nextFrame_ += frames;
    const double origin = streamOrigin_;
    const double due = origin + nextFrame_ / *frameRate;
    logicalNow_ = std::max(logicalNow_, due);
    const bool zeroed = zeroNext_ > 0;
    if (zeroed) {
        --zeroNext_;
    }

    if (paced_) {
        const auto dueTime =
            epoch_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(due));
        ++waiting_;
        wake_.wait_until(lock, dueTime, [this] { return !plugged_ || closing_ || !paced_; });
        --waiting_;
        if (!plugged_ || closing_) {
            return Gone();
        }
    }

    if (command.data == nullptr) {
        return Good(0);
    }
    const std::uint32_t length = std::min<std::uint32_t>(command.dataLength, blocks * kBlockBytes);
    std::memset(command.data, 0, length);
    if (!zeroed) {
        const double synthesisStart = ThreadCpuSeconds();
        const std::uint64_t fitting = std::min<std::uint64_t>(frames, length / kFrameBytes);
        for (std::uint64_t i = 0; i < fitting; ++i) {
            const std::uint64_t frame = first + i;
            const double seconds = origin + frame / *frameRate;
            std::uint8_t* out = command.data + i * kFrameBytes;
            for (int channel = 0; channel < kChannelCount; ++channel) {
                const double volts = signals_.channels[channel].ValueAt(seconds, frame, noiseSeed_ + channel);
                const std::uint16_t raw = VoltsToRaw(volts, zeroAdjust_[channel]);
                out[2 * channel] = static_cast<std::uint8_t>(raw & 0xFF);
                out[2 * channel + 1] = static_cast<std::uint8_t>(raw >> 8);
            }
        }
        synthesisSeconds_ += ThreadCpuSeconds() - synthesisStart;
    }
    return Good(length);
}

double SimulatedInstrument::NowSeconds() const {
    if (!paced_) {
        return logicalNow_;
    }
    return std::chrono::duration<double>(Clock::now() - epoch_).count();
}

void SimulatedInstrument::SetSignals(const SimSpec& signals) {
    const std::lock_guard lock(mutex_);
    signals_ = signals;
}

void SimulatedInstrument::SetPaced(bool paced) {
    const std::lock_guard lock(mutex_);
    if (paced != paced_) {
        // Wall clock and logical clock do not line up: start a new stream.
        paced_ = paced;
        streamStarted_ = false;
        wake_.notify_all();
    }
}

void SimulatedInstrument::FailNextCommands(int count) {
    const std::lock_guard lock(mutex_);
    failNext_ = std::max(count, 0);
}

void SimulatedInstrument::ZeroNextVendorReads(int count) {
    const std::lock_guard lock(mutex_);
    zeroNext_ = std::max(count, 0);
}

void SimulatedInstrument::Unplug() {
    {
        const std::lock_guard lock(mutex_);
        if (!plugged_) {
            return;
        }
        plugged_ = false;
        wake_.notify_all();
    }
    NotifyPlug(false);
}

void SimulatedInstrument::Replug() {
    {
        const std::lock_guard lock(mutex_);
        if (plugged_) {
            return;
        }
        plugged_ = true;
        streamStarted_ = false;
    }
    NotifyPlug(true);
}

void SimulatedInstrument::SetPlugListener(PlugListener listener) {
    const std::lock_guard lock(listenerMutex_);
    plugListener_ = std::move(listener);
}

void SimulatedInstrument::NotifyPlug(bool plugged) {
    const std::lock_guard lock(listenerMutex_);
    if (plugListener_) {
        plugListener_(plugged);
    }
}

bool SimulatedInstrument::IsPlugged() const {
    const std::lock_guard lock(mutex_);
    return plugged_;
}

std::string SimulatedInstrument::IdentityString() const {
    return SimIdentityString(identityWindow_);
}

float SimulatedInstrument::ZeroAdjust(int channel) const {
    return zeroAdjust_[channel];
}

int SimulatedInstrument::WaitingCommands() const {
    const std::lock_guard lock(mutex_);
    return waiting_;
}

std::uint64_t SimulatedInstrument::NextStreamFrame() const {
    const std::lock_guard lock(mutex_);
    return nextFrame_;
}

double SimulatedInstrument::SynthesisCpuSeconds() const {
    const std::lock_guard lock(mutex_);
    return synthesisSeconds_;
}

std::uint64_t SimulatedInstrument::DroppedFrames() const {
    const std::lock_guard lock(mutex_);
    return droppedFrames_;
}
