#include "AcquisitionSettings.h"

#include <algorithm>
#include <cstdint>

namespace {

// The instrument's time bases are defined for a 100 kS/s clock: L samples at
// 100000 S/s. Working in integers gives the exact integer part the display
// expects; 0.00001 in binary floating point would turn 6250 x 0.2 s into 3071.
constexpr std::int64_t kReferenceRate = 100000;

}  // namespace

const std::array<AcquisitionSettings::SampleRateChoice, AcquisitionSettings::kSampleRateCount>&
AcquisitionSettings::SampleRates() {
    static constexpr std::array<SampleRateChoice, kSampleRateCount> kChoices{{
        {"64", 64, 1, 0, 7},
        {"6.25k", 6250, kMaxFramesPerRead, 3072, 5},
        {"12.5k", 12500, kMaxFramesPerRead, 3072, 3},
        {"25k", 25000, kMaxFramesPerRead, 3072, 1},
        {"50k", 50000, kMaxFramesPerRead, 3072, 8},
        {"100k", 100000, kMaxFramesPerRead, 3072, 6},
    }};
    return kChoices;
}

const std::array<AcquisitionSettings::TimeBaseChoice, AcquisitionSettings::kTimeBaseCount>&
AcquisitionSettings::TimeBases() {
    // "0.1s" has always had 25476 rather than 24576; its record lengths are
    // what users and saved data know, so it stays.
    static constexpr std::array<TimeBaseChoice, kTimeBaseCount> kChoices{{
        {"1ms", 2, 512, 1, false},
        {"50ms", 16, 12288, 50, false},
        {"2ms", 2, 1024, 2, false},
        {"0.1s", 32, 25476, 0.1, true},
        {"5ms", 4, 2048, 5, false},
        {"0.2s", 64, 49152, 0.2, true},
        {"10ms", 6, 3072, 10, false},
        {"0.5s", 128, 100352, 0.5, true},
        {"20ms", 8, 6144, 20, false},
        {"1.0s", 256, 200704, 1.0, true},
    }};
    return kChoices;
}

const std::array<AcquisitionSettings::VoltsChoice, AcquisitionSettings::kVoltsCount>&
AcquisitionSettings::VoltsChoices() {
    static constexpr std::array<VoltsChoice, kVoltsCount> kChoices{{
        {"0.1v", 0.1, -0.5, 0.5},
        {"0.2v", 0.2, -1, 1},
        {"0.5v", 0.5, -2.5, 2.5},
        {"1.0v", 1, -5, 5},
        {"2.0v", 2, -10, 10},
    }};
    return kChoices;
}

std::optional<AcquisitionSettings::SampleRateChoice> AcquisitionSettings::SampleRateAt(int index) {
    if (index < 0 || index >= kSampleRateCount) {
        return std::nullopt;
    }
    return SampleRates()[static_cast<std::size_t>(index)];
}

int AcquisitionSettings::SampleRateRecordLength(const SampleRateChoice& choice, int rateMultiple) {
    return choice.recordLength != 0 ? choice.recordLength : kTransferGranule * rateMultiple;
}

std::optional<AcquisitionSettings::TimeBaseChoice> AcquisitionSettings::TimeBaseAt(int index) {
    if (index < 0 || index >= kTimeBaseCount) {
        return std::nullopt;
    }
    return TimeBases()[static_cast<std::size_t>(index)];
}

const AcquisitionSettings::VoltsChoice& AcquisitionSettings::VoltsAt(int index) {
    const int last = kVoltsCount - 1;
    return VoltsChoices()[static_cast<std::size_t>(index >= 0 && index < last ? index : last)];
}

std::optional<int> AcquisitionSettings::RecordLength(bool slow, int sampleRate, int rateMultiple,
                                                     int timeBaseIndex) {
    const std::optional<TimeBaseChoice> choice = TimeBaseAt(timeBaseIndex);
    if (!choice) {
        return std::nullopt;
    }
    if (slow) {
        // "1ms" cannot hold two samples per slot once several are taken.
        const int perMultiple = timeBaseIndex == 0 && rateMultiple > 1 ? 1 : choice->slowLength;
        return perMultiple * rateMultiple;
    }
    return static_cast<int>(std::int64_t{sampleRate} * choice->lengthFactor / kReferenceRate);
}

bool AcquisitionSettings::IsSeconds(int timeBaseIndex) {
    return timeBaseIndex > 1 && timeBaseIndex < kTimeBaseCount && timeBaseIndex % 2 == 1;
}

double AcquisitionSettings::UnitFactor(int timeBaseIndex) {
    return IsSeconds(timeBaseIndex) ? 1.0 : 1000.0;
}

double AcquisitionSettings::TimeOf(double samples, int timeBaseIndex, int sampleRate) {
    return samples * UnitFactor(timeBaseIndex) / sampleRate;
}

AcquisitionSettings::AxisRange AcquisitionSettings::TimeAxis(int recordLength, int timeBaseIndex,
                                                             int sampleRate) {
    const std::optional<TimeBaseChoice> choice = TimeBaseAt(timeBaseIndex);
    return AxisRange{0.0, TimeOf(recordLength - 1, timeBaseIndex, sampleRate),
                     choice ? choice->axisIncrement : 1.0};
}

int AcquisitionSettings::TransferNeed(int recordLength) {
    if (recordLength < kTransferGranule) {
        return kTransferGranule;
    }
    if (recordLength >= kMaxFramesPerRead) {
        return kMaxFramesPerRead;
    }
    return (recordLength + kTransferGranule - 1) / kTransferGranule * kTransferGranule;
}

int AcquisitionSettings::FramesPerReadForCh0(int channelMask, int need0, int framesPerRead1) {
    switch (channelMask) {
        case 1:
            return need0;
        case 2:
            return framesPerRead1;
        default:
            return std::max(need0, framesPerRead1);
    }
}

int AcquisitionSettings::FramesPerReadForCh1(int channelMask, int framesPerRead, int need1) {
    switch (channelMask) {
        case 1:
            return framesPerRead;
        case 2:
            return need1;
        default:
            return std::max(framesPerRead, need1);
    }
}

std::vector<AcquisitionSettings::TracePoint> AcquisitionSettings::CapturedTracePoints(
    const std::vector<float>& trace, const CaptureView& view) {
    std::vector<TracePoint> points;
    // A decimation of 0 would never advance.
    const std::int64_t decimation = std::max(1, view.decimation);
    const std::int64_t shift =
        view.triggerPosShown < view.recordLength ? 0 : view.triggerPosShown - view.recordLength / 2;
    for (std::int64_t i = 0; i < view.capturedLength; i += decimation) {
        const std::int64_t j = (i + shift) / decimation;
        if (j < 0 || j >= static_cast<std::int64_t>(trace.size())) {
            continue;
        }
        points.push_back(TracePoint{TimeOf(static_cast<double>(i), view.timeBaseIndex, view.sampleRate),
                                    trace[static_cast<std::size_t>(j)]});
    }
    return points;
}
