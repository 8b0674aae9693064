#pragma once

#include <atomic>
#include <vector>

class SeriesModel;

// One channel's display state as the trace engine reaches it: references to
// the main window's own fields (FWritePos0, FHist0, gVolt0, ... for CH0),
// so the names and the storage stay the window's. Fields a worker thread
// also reads are atomic; the engine loads them once per tick and stores the
// write position back once per tick.
struct TraceChannelFields {
    std::atomic<int>& FWritePos;
    const std::atomic<int>& FRecordLength;
    const std::atomic<int>& FTimeBaseIndex;
    const std::atomic<float>& FZeroAdjust;
    const std::atomic<float>& FCalGain;
    const std::atomic<float>& FCalOffset;
    float (&FHist)[3];  // [2] oldest, [1] the sample being output, [0] newest
    float& FJitter;
    float (&FOld)[2];  // outputs before the window: [0] three pairs back, [1] four
    float& gVolt;      // the value last produced
    std::vector<float>& gCapturedTrace;
    SeriesModel& trace;   // series 0 of the channel's waveform chart
    SeriesModel& marker;  // series 2: the trigger position marker
};
