#include "LowSpeedPlot.h"

#include <algorithm>

#include "SeriesModel.h"
#include "TraceEngine.h"

LowSpeedPlot::LowSpeedPlot(Channel ch0, Channel ch1, const std::atomic<int>& sampleRate)
    : channels_{ch0, ch1}, sampleRate_(sampleRate) {}

bool LowSpeedPlot::Draw(const PlotBatch& batch) {
    if (batch.sequence <= lastSequence_) {
        return false;
    }
    lastSequence_ = batch.sequence;
    const int rate = sampleRate_.load();
    bool full = false;
    for (std::size_t c = 0; c < channels_.size(); ++c) {
        Channel& ch = channels_[c];
        if (!batch.shown[c]) {
            ch.FWritePos = 0;
            continue;
        }
        const int length = ch.FRecordLength.load();
        if (length < 1) {
            continue;  // no screen to draw on
        }
        const int timeBase = ch.FTimeBaseIndex.load();
        const double lastX = TraceEngine::TimeOf(length - 1, timeBase, rate);
        // A trace cleared under the plot (Clear, a channel button) fills
        // again from its first point instead of rolling on missing points.
        int pos = std::min(ch.FWritePos.load(), ch.trace.Count());
        for (float v : batch.volts[c]) {
            if (pos < length) {
                ch.trace.AddXY(TraceEngine::TimeOf(pos, timeBase, rate), v);
            } else {
                pos = length;
                ch.trace.DeleteFirstY();
                ch.trace.Delete(length - 1);
                ch.trace.AddXY(lastX, v);
            }
            ++pos;
        }
        ch.FWritePos = pos;
        full = full || pos >= length;
    }
    if (full && !analysisStarted_) {
        analysisStarted_ = true;
        return true;
    }
    return false;
}
