#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FrameSink.h"
#include "InstrumentFinder.h"
#include "device/DeviceLink.h"
#include "device/FrameDecoder.h"

// One headless capture through the window's reader: a mainthread reads the
// instrument into a DoubleArray queue, and this thread takes the queued
// blocks, decodes them as the display does (64 S/s blocks reduced to one
// frame), converts each channel with its zero adjustment and calibration
// (RawToVolts) and hands the volts to the sinks, until exactly the frames
// asked for are in. The reader is stopped and joined before anything it uses
// goes, however the capture ends.
struct CaptureRequest {
    int sampleRate = 0;
    std::uint64_t frames = 0;
    std::array<ChannelCorrection, 2> corrections{};
};

enum class CaptureEnd {
    Complete,
    Interrupted,  // the interrupt flag was raised
    Unplugged,    // the instrument went away
    Silent,       // the instrument answers but sends no samples
    SinkFailed,   // a sink could not take a frame or finish
};

struct CaptureOutcome {
    CaptureEnd end = CaptureEnd::Complete;
    std::uint64_t frames = 0;  // frames every sink received
    std::string detail;        // the failing sink's reason
};

struct CaptureWatch {
    // Raised from outside (Ctrl-C) to end the capture early.
    const std::atomic<bool>* interrupted = nullptr;
    // Called on the capture's thread after each batch, with the frames so far.
    std::function<void(std::uint64_t frames)> progress;
    // How long the instrument may send nothing before it is checked and, if
    // it still answers, given up on as silent.
    double silenceSeconds = 5.0;
};

CaptureOutcome CaptureFrames(const CaptureRequest& request, const DeviceLink& device,
                             const FoundInstrument& instrument, const std::vector<FrameSink*>& sinks,
                             const CaptureWatch& watch);
