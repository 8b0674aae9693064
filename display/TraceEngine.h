#pragma once

#include <array>
#include <span>

#include "FrameDecoder.h"

#include "PulseSampleSink.h"
#include "TraceBlock.h"
#include "TraceFields.h"
#include "TraceTickResult.h"

// Turns queued sample blocks into the rolling traces of the two waveform
// charts, free running or as one triggered capture. No widget is touched:
// the engine writes the trace and marker series and the window's fields it
// was bound to, and hands the widget work back as a TraceTickResult.
//
// Per sample pair and shown channel (S the decimation, L the record length,
// P the write position):
//   - the raw code becomes volts (RawToVolts, float after each step);
//   - P = 0 draws that value at X(0); P = S only primes the filter;
//   - later pairs go through a three-sample spike filter: a middle sample
//     that reverses direction by a step between the threshold (0.01 V, or
//     1.4 x the running jitter) and 0.4 V becomes the mean of its
//     neighbours; the output is one pair late and drawn at P - S;
//   - while P - S < L the screen fills; then it rolls: the Y values move one
//     point left under fixed X values and the newest takes the last point.
// A channel that is not shown is cleared and restarts at P = 0.
//
// Trigger states (Triggered refresh; gTriggerMode, gTriggerState, gTriggered):
//   Waiting     mode 1, state 1: both traces fill and roll; once the first
//               fifth of the screen is drawn, the trigger channel is
//               searched for a candidate edge: the output passes the level
//               in the edge's direction by more than 0.006 V and rises
//               (falls) against the output four pairs back.
//   Candidate   FTriggerConfirm 1 or 2: two pairs later the mean of the two
//               outputs after the crossing must still be past the level and
//               past the mean of the two before it; else the search goes on.
//   Post-trigger mode 0, state 2, gTriggered 1: the trigger channel rolls
//               and its trigger point (FTriggerPos) moves left by S per pair,
//               the marker with it; the other channel rolls as before.
//   Captured    when FTriggerPos reaches L / 5: the traces are copied into
//               gCapturedTrace0/1, the tick ends and the result says so.
//
// A tick ends early, dropping the rest of its batch, on an empty block, an
// all-zero pair or a completed capture; the stop flag ends it between pairs.
class TraceEngine {
public:
    enum class Refresh { FreeRunning, Triggered };

    explicit TraceEngine(const TraceFields& fields);

    // One display tick over a batch, oldest block first. pulse, when given,
    // takes gPulseVolt after every free-running pair.
    TraceTickResult Tick(Refresh refresh, std::span<const TraceBlock> batch,
                         PulseSampleSink* pulse = nullptr);

    // Only every n-th pair of a screen of this many samples is plotted, so
    // a trace never holds more than 3072 x 2 points.
    static int DecimationFor(int recordLength);
    // Position p (in samples) on the time axis: seconds for the time bases
    // "0.1s", "0.2s", "0.5s" and "1.0s" (odd indexes above 1), else ms.
    static double TimeOf(int position, int timeBaseIndex, int sampleRate);

    // The readouts are refreshed every this many ticks.
    static int ReadoutTicksFor(int framesPerRead) { return framesPerRead == 1 ? 7 : 5; }

    static constexpr int kMaxPlotted = 3072;
    static constexpr int kSlowRate = 64;
    static constexpr float kNoPreviousVolt = 255.0f;

private:
    struct Channel;
    struct Pass;
    // Every 12-bit code's reading under one correction, so the hot loop
    // looks readings up instead of converting; rebuilt when the zero
    // adjustment or calibration changes.
    struct VoltTable {
        bool built = false;
        ChannelCorrection correction;
        std::array<float, kRawMax + 1> volts;
    };

    const float* VoltsFor(int channel, const ChannelCorrection& correction);

    // Runs one channel's part of a pair; false when the capture completed.
    bool RunChannel(Pass& pass, Channel& channel, const unsigned char* pair);
    void ConfirmTrigger(Pass& pass, Channel& channel);
    void CompleteCapture(Pass& pass, Channel& channel);
    void DrawMarker(const Channel& channel, const Pass& pass);
    void UpdateDecimation(Pass& pass);

    TraceFields f_;
    VoltTable tables_[kChannelCount];
};
