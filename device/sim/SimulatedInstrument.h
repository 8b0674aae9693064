#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "../ScsiTransport.h"
#include "SimIdentity.h"
#include "SimSpec.h"

struct SimOptions {
    SimSpec signals = DefaultSimSpec();
    std::string identityWindow = std::string(kDefaultSimWindow);
    // Paced: the vendor command takes as long as the instrument needs to
    // sample its frames. Off: answers at once, on a logical clock that moves
    // by the frames delivered (tests and benchmarks).
    bool paced = true;
    std::uint64_t noiseSeed = 1;
};

// A software instrument answering the same SCSI commands as the real one:
// TEST UNIT READY, INQUIRY ("KRV" / "Oscilloscope") and the vendor read at
// its six rate codes; anything else is refused with ILLEGAL REQUEST.
//
// The vendor read returns the next frames of a continuous stream per rate
// code. Samples are encoded so that the program's reading, zero adjustment of
// the identity window included, is within one raw step of the signal: the
// window stands for the real instrument's offset error. At 0x80 (64 S/s)
// each command returns four frames spread over one 1/64 s slot, the rest of
// the block zero. A caller that falls more than a second behind loses the
// frames in between, as the instrument's buffer would overflow.
//
// Execute is safe from several threads at once. A paced command waits on a
// condition variable, so Unplug() or destruction wakes it at once.
class SimulatedInstrument : public ScsiTransport {
public:
    explicit SimulatedInstrument(SimOptions options = {});
    ~SimulatedInstrument() override;
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    ScsiResult Execute(const ScsiCommand& command) override;

    void SetSignals(const SimSpec& signals);
    void SetPaced(bool paced);

    // Fault injection. Failed commands end in CHECK CONDITION (ABORTED
    // COMMAND); zeroed reads succeed with all-zero frames, as the instrument
    // delivers when it has nothing. Unplugged, every command reports the
    // device gone until Replug().
    void FailNextCommands(int count);
    void ZeroNextVendorReads(int count);
    void Unplug();
    void Replug();
    bool IsPlugged() const;

    // Called with the new state each time Unplug() or Replug() changes it, on
    // the thread that called them, after the instrument has changed. Setting
    // a new listener (or none) waits for a call in progress to end.
    using PlugListener = std::function<void(bool plugged)>;
    void SetPlugListener(PlugListener listener);

    // The disk interface path discovery finds the instrument by.
    std::string IdentityString() const;
    // The zero adjustment of a channel that the identity window implies.
    float ZeroAdjust(int channel) const;

    // Frames per second of the stream at a rate code (256 at 0x80: four per
    // 1/64 s slot); empty for codes the instrument does not know.
    static std::optional<double> FrameRate(std::uint32_t rateCode);
    static constexpr int kSlowFramesPerCommand = 4;
    // How far behind the caller may fall before frames are dropped.
    static constexpr double kMaxLagSeconds = 1.0;

    // For tests: commands now waiting for their frames' time, and the number
    // of the next frame of the current stream.
    int WaitingCommands() const;
    std::uint64_t NextStreamFrame() const;
    // Frames lost so far because the caller fell too far behind, over every
    // stream since construction; a pause in reading of over a second at the
    // same rate counts too, as the instrument's buffer overflows then.
    std::uint64_t DroppedFrames() const;
    // CPU time spent computing the frames' samples, which a real instrument
    // does itself (0 where threads have no CPU clock).
    double SynthesisCpuSeconds() const;

private:
    ScsiResult VendorRead(const ScsiCommand& command, std::unique_lock<std::mutex>& lock);
    double NowSeconds() const;
    void NotifyPlug(bool plugged);

    using Clock = std::chrono::steady_clock;

    const std::string identityWindow_;
    const std::uint64_t noiseSeed_;
    const Clock::time_point epoch_ = Clock::now();
    float zeroAdjust_[2] = {0.0f, 0.0f};

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    // Apart from mutex_, so the listener may use the instrument.
    std::mutex listenerMutex_;
    PlugListener plugListener_;
    SimSpec signals_;
    bool paced_;
    bool plugged_ = true;
    bool closing_ = false;
    int failNext_ = 0;
    int zeroNext_ = 0;
    int active_ = 0;
    int waiting_ = 0;

    // The stream of the last rate code read: frame k is sampled at
    // streamOrigin_ + k / frame rate seconds after epoch_.
    bool streamStarted_ = false;
    std::uint32_t streamRateCode_ = 0;
    double streamOrigin_ = 0.0;
    std::uint64_t nextFrame_ = 0;
    std::uint64_t droppedFrames_ = 0;
    double synthesisSeconds_ = 0.0;
    double logicalNow_ = 0.0;
};
