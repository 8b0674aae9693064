#pragma once

#include <array>
#include <optional>
#include <vector>

// The choices of the sample-rate, time-base and volts-per-division selectors
// and the arithmetic that turns them into record lengths, transfer sizes and
// axis scales. The window's handlers read the selectors and apply what these
// return; nothing here knows about widgets or the window's state.
class AcquisitionSettings {
public:
    static constexpr int kSlowRate = 64;
    // The readers' buffer holds 24 blocks of 128 frames: the most one vendor
    // command may ask for.
    static constexpr int kMaxFramesPerRead = 3072;
    static constexpr int kTransferGranule = 128;
    static constexpr int kSlowTimerIntervalMs = 90;
    static constexpr int kTimerIntervalMs = 100;

    struct SampleRateChoice {
        const char* item;
        int sampleRate;
        int framesPerRead;
        int recordLength;   // 0: 128 x gRateMultiple (the 64 S/s choice)
        int timeBaseIndex;  // selected in both time-base groups
    };

    struct TimeBaseChoice {
        const char* item;
        int slowLength;    // record length at 64 S/s, times gRateMultiple
        int lengthFactor;  // L: samples per 100000 / gSampleRate above 64 S/s
        double axisIncrement;
        bool seconds;  // axis in seconds; milliseconds otherwise
    };

    struct VoltsChoice {
        const char* item;
        double increment;
        double minimum;
        double maximum;
    };

    struct AxisRange {
        double minimum;
        double maximum;
        double increment;
    };

    static constexpr int kSampleRateCount = 6;
    static constexpr int kTimeBaseCount = 10;
    static constexpr int kVoltsCount = 5;

    static const std::array<SampleRateChoice, kSampleRateCount>& SampleRates();
    static const std::array<TimeBaseChoice, kTimeBaseCount>& TimeBases();
    static const std::array<VoltsChoice, kVoltsCount>& VoltsChoices();

    // The sample-rate choice at a selector index, or none.
    static std::optional<SampleRateChoice> SampleRateAt(int index);
    // Record length of a sample-rate choice before the time bases refine it.
    static int SampleRateRecordLength(const SampleRateChoice& choice, int rateMultiple);

    // The time-base choice at a selector index, or none outside 0..9.
    static std::optional<TimeBaseChoice> TimeBaseAt(int index);
    // The volts-per-division choice; index 4 and anything unknown is 2.0 V.
    static const VoltsChoice& VoltsAt(int index);

    static int RateMultiple(int sampleRate) { return sampleRate / kSlowRate; }

    // Samples per screen for a time base; none for an index outside 0..9.
    // slow: the 64 S/s choice is selected.
    static std::optional<int> RecordLength(bool slow, int sampleRate, int rateMultiple, int timeBaseIndex);

    // Seconds on the time axis exactly for "0.1s", "0.2s", "0.5s" and "1.0s".
    static bool IsSeconds(int timeBaseIndex);
    // u: 1 for seconds, 1000 for milliseconds.
    static double UnitFactor(int timeBaseIndex);
    // Position p (in samples) on the time axis.
    static double TimeOf(double samples, int timeBaseIndex, int sampleRate);
    // The bottom axis showing recordLength samples.
    static AxisRange TimeAxis(int recordLength, int timeBaseIndex, int sampleRate);

    // Frames one command must bring for a channel to fill its screen: whole
    // blocks of 128, at least one, at most kMaxFramesPerRead.
    static int TransferNeed(int recordLength);
    // FFramesPerRead after CH0's need changed, by gChannelMask.
    static int FramesPerReadForCh0(int channelMask, int need0, int framesPerRead1);
    // FFramesPerRead after CH1's need (FFramesPerRead1) changed.
    static int FramesPerReadForCh1(int channelMask, int framesPerRead, int need1);

    static int TimerInterval(bool slow) { return slow ? kSlowTimerIntervalMs : kTimerIntervalMs; }

    // A completed triggered capture, as it is drawn again under a new scale.
    struct CaptureView {
        int capturedLength;   // samples captured (FCapturedLength)
        int decimation;       // every n-th sample is drawn (FDecimation)
        int triggerPosShown;  // trigger position at the last marker update
        int recordLength;     // samples per screen now
        int timeBaseIndex;
        int sampleRate;
    };
    struct TracePoint {
        double x;
        float y;
    };
    // Every decimation-th sample up to the captured length, on the time axis;
    // once the trigger lies beyond one screen the view is centred on it.
    // Samples the trace does not hold are skipped, never read.
    static std::vector<TracePoint> CapturedTracePoints(const std::vector<float>& trace,
                                                       const CaptureView& view);
};
