#include "CaptureRun.h"

#include <QDeadlineTimer>

#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include "DoubleArray.h"
#include "FrameBlocks.h"
#include "ReaderThreads.h"
#include "acquisition/AcquisitionSettings.h"
#include "device/DeviceHandleSlot.h"
#include "device/HotplugEvent.h"
#include "mainthread.h"

namespace {

using Clock = std::chrono::steady_clock;

// The queue is drained this often; a display tick is 100 ms, so the queue
// never holds more than a few blocks.
constexpr std::chrono::milliseconds kDrainInterval{5};

int FramesPerRead(int sampleRate) {
    return sampleRate == AcquisitionSettings::kSlowRate ? 1 : AcquisitionSettings::kMaxFramesPerRead;
}

// A removal event for the instrument, and the drive no longer answering.
bool Unplugged(const DeviceLink& device, char drive) {
    if (device.hotplug == nullptr) {
        return false;
    }
    bool removal = false;
    for (const HotplugEvent& event : device.hotplug->ReadEvents()) {
        removal = removal || ResponseToDeviceChange(event) == DeviceChangeResponse::DetectThenStop;
    }
    return removal && !InstrumentAnswers(device, drive);
}

}  // namespace

CaptureOutcome CaptureFrames(const CaptureRequest& request, const DeviceLink& device,
                             const FoundInstrument& instrument, const std::vector<FrameSink*>& sinks,
                             const CaptureWatch& watch) {
    CaptureOutcome outcome;
    // What the reader uses; the roster below is destroyed first and joins it.
    std::mutex lock;
    std::atomic<bool> stop{false};
    std::atomic<int> sampleRate{request.sampleRate};
    std::atomic<int> framesPerRead{FramesPerRead(request.sampleRate)};
    DeviceHandleSlot handle{instrument.handle};
    DoubleArray queue(lock, stop);
    ReaderThreads readers;

    // Events from before the capture are not about it.
    if (device.hotplug != nullptr) {
        device.hotplug->ReadEvents();
    }
    readers.Start(std::make_unique<mainthread>(stop, sampleRate, framesPerRead, handle, queue));

    DoubleArray::NodeList blocks;
    std::vector<RawFrame> frames;
    Clock::time_point lastFrames = Clock::now();
    const auto silence = std::chrono::duration<double>(watch.silenceSeconds);
    bool running = true;
    while (running && outcome.frames < request.frames) {
        if (watch.interrupted != nullptr && watch.interrupted->load()) {
            outcome.end = CaptureEnd::Interrupted;
            break;
        }
        if (Unplugged(device, instrument.drive)) {
            outcome.end = CaptureEnd::Unplugged;
            break;
        }
        blocks.clear();
        if (queue.TakeAll(blocks) == 0) {
            if (Clock::now() - lastFrames > silence) {
                outcome.end =
                    InstrumentAnswers(device, instrument.drive) ? CaptureEnd::Silent : CaptureEnd::Unplugged;
                break;
            }
            std::this_thread::sleep_for(kDrainInterval);
            continue;
        }
        const std::uint64_t before = outcome.frames;
        for (const std::unique_ptr<DoubleArray::NODE>& block : blocks) {
            DecodeBlockFrames(block->data.get(), block->length, request.sampleRate, frames);
            for (const RawFrame& raw : frames) {
                const std::array<float, 2> volts{RawToVolts(raw[0], request.corrections[0]),
                                                 RawToVolts(raw[1], request.corrections[1])};
                for (FrameSink* sink : sinks) {
                    if (!sink->Put(volts)) {
                        outcome.end = CaptureEnd::SinkFailed;
                        outcome.detail = sink->Error();
                        running = false;
                        break;
                    }
                }
                if (!running) {
                    break;
                }
                if (++outcome.frames == request.frames) {
                    break;
                }
            }
            if (!running || outcome.frames == request.frames) {
                break;
            }
        }
        if (outcome.frames > before) {
            lastFrames = Clock::now();
        }
        if (watch.progress) {
            watch.progress(outcome.frames);
        }
    }

    stop = true;
    readers.AbortAll();
    readers.JoinAll(QDeadlineTimer(QDeadlineTimer::Forever));

    for (FrameSink* sink : sinks) {
        if (!sink->Finish() && outcome.end != CaptureEnd::SinkFailed) {
            outcome.end = CaptureEnd::SinkFailed;
            outcome.detail = sink->Error();
        }
    }
    return outcome;
}
