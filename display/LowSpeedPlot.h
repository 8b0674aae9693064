#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "FrameDecoder.h"
#include "PlotBatch.h"

class SeriesModel;

// The low-speed plot's drawing, on the user-interface thread: every reading
// of a block goes onto its channel's trace, no decimation, no filter, no
// trigger. With P the write position and L the record length, P < L adds the
// point at X(P) (the screen fills); otherwise P becomes L and the screen
// rolls: the first Y value goes, the point at index L - 1 goes and the new
// reading is added at X(L - 1). Either way P then grows by one, so a full
// screen keeps P at L + 1. A channel switched off has its position reset
// (its trace is left as it is) and starts again from X(0) when it is back;
// a trace emptied by someone else fills again from X(0) as well.
//
// X(p) is the time axis of the channel's time base. The write positions are
// the window's own fields; the record lengths, time bases and sample rate
// are read afresh for every block.
class LowSpeedPlot {
public:
    struct Channel {
        std::atomic<int>& FWritePos;
        const std::atomic<int>& FRecordLength;
        const std::atomic<int>& FTimeBaseIndex;
        SeriesModel& trace;  // series 0 of the channel's waveform chart
    };

    LowSpeedPlot(Channel ch0, Channel ch1, const std::atomic<int>& sampleRate);

    // Draws one block. Blocks are drawn once each and in order: a batch whose
    // sequence is not past the last one drawn is ignored. Returns true once
    // per plot, for the block after which either channel's screen is full:
    // the analysis is to start then.
    bool Draw(const PlotBatch& batch);

    std::uint64_t LastSequence() const { return lastSequence_; }

private:
    std::array<Channel, kChannelCount> channels_;
    const std::atomic<int>& sampleRate_;
    std::uint64_t lastSequence_ = 0;
    bool analysisStarted_ = false;
};
