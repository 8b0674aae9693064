#include "AcquisitionSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/RateTable.h"

namespace {

using S = AcquisitionSettings;

constexpr int kRates[] = {6250, 12500, 25000, 50000, 100000};

// Record lengths above 64 S/s, one row per rate, columns in time-base index
// order ("1ms", "50ms", "2ms", "0.1s", "5ms", "0.2s", "10ms", "0.5s", "20ms", "1.0s").
constexpr int kLengths[5][10] = {
    {32, 768, 64, 1592, 128, 3072, 192, 6272, 384, 12544},
    {64, 1536, 128, 3184, 256, 6144, 384, 12544, 768, 25088},
    {128, 3072, 256, 6369, 512, 12288, 768, 25088, 1536, 50176},
    {256, 6144, 512, 12738, 1024, 24576, 1536, 50176, 3072, 100352},
    {512, 12288, 1024, 25476, 2048, 49152, 3072, 100352, 6144, 200704},
};

TEST(AcquisitionSettingsTest, EveryRecordLengthAboveSlowRateIsExact) {
    for (int r = 0; r < 5; ++r) {
        for (int index = 0; index < S::kTimeBaseCount; ++index) {
            EXPECT_EQ(S::RecordLength(false, kRates[r], S::RateMultiple(kRates[r]), index),
                      kLengths[r][index])
                << kRates[r] << " S/s, " << S::TimeBases()[index].item;
        }
    }
}

TEST(AcquisitionSettingsTest, SlowRateLengthsScaleWithTheRateMultiple) {
    const int once[] = {2, 16, 2, 32, 4, 64, 6, 128, 8, 256};
    for (int index = 0; index < S::kTimeBaseCount; ++index) {
        EXPECT_EQ(S::RecordLength(true, 64, 1, index), once[index]) << index;
        // "1ms" drops to one sample per multiple once there are several.
        EXPECT_EQ(S::RecordLength(true, 64, 3, index), (index == 0 ? 1 : once[index]) * 3) << index;
    }
}

TEST(AcquisitionSettingsTest, UnknownTimeBaseHasNoLength) {
    for (const int index : {-1, 10, 99}) {
        EXPECT_FALSE(S::RecordLength(false, 100000, 1562, index)) << index;
        EXPECT_FALSE(S::RecordLength(true, 64, 1, index)) << index;
        EXPECT_FALSE(S::IsSeconds(index)) << index;
    }
}

TEST(AcquisitionSettingsTest, SecondsExactlyForTheOddIndexesAboveOne) {
    for (int index = 0; index < S::kTimeBaseCount; ++index) {
        const bool seconds = index == 3 || index == 5 || index == 7 || index == 9;
        EXPECT_EQ(S::IsSeconds(index), seconds) << index;
        EXPECT_EQ(S::TimeBases()[index].seconds, seconds) << index;
        EXPECT_EQ(S::UnitFactor(index), seconds ? 1.0 : 1000.0) << index;
        const std::string item = S::TimeBases()[index].item;
        EXPECT_EQ(item.back() == 's' && item.find("ms") == std::string::npos, seconds) << item;
    }
}

struct RateRow {
    int index;
    const char* item;
    int sampleRate;
    int framesPerRead;
    int recordLength;
    const char* timeBase;
    double increment;
    bool seconds;
};

TEST(AcquisitionSettingsTest, SampleRateChoicesSetRateTransferAndTimeBase) {
    const RateRow rows[] = {
        {0, "64", 64, 1, 128, "0.5s", 0.5, true},
        {1, "6.25k", 6250, 3072, 3072, "0.2s", 0.2, true},
        {2, "12.5k", 12500, 3072, 3072, "0.1s", 0.1, true},
        {3, "25k", 25000, 3072, 3072, "50ms", 50, false},
        {4, "50k", 50000, 3072, 3072, "20ms", 20, false},
        {5, "100k", 100000, 3072, 3072, "10ms", 10, false},
    };
    for (const RateRow& row : rows) {
        const auto choice = S::SampleRateAt(row.index);
        ASSERT_TRUE(choice) << row.item;
        EXPECT_STREQ(choice->item, row.item);
        EXPECT_EQ(choice->sampleRate, row.sampleRate) << row.item;
        EXPECT_EQ(choice->framesPerRead, row.framesPerRead) << row.item;
        EXPECT_EQ(S::SampleRateRecordLength(*choice, 1), row.recordLength) << row.item;
        const S::TimeBaseChoice& timeBase = S::TimeBases()[choice->timeBaseIndex];
        EXPECT_STREQ(timeBase.item, row.timeBase) << row.item;
        EXPECT_DOUBLE_EQ(timeBase.axisIncrement, row.increment) << row.item;
        EXPECT_EQ(timeBase.seconds, row.seconds) << row.item;
    }
    EXPECT_EQ(S::SampleRateRecordLength(*S::SampleRateAt(0), 2), 256);
    EXPECT_FALSE(S::SampleRateAt(-1));
    EXPECT_FALSE(S::SampleRateAt(6));
}

TEST(AcquisitionSettingsTest, TransferNeedIsWholeBlocksWithinOneCommand) {
    const std::pair<int, int> cases[] = {{0, 128},     {2, 128},      {127, 128},   {128, 128},
                                         {129, 256},   {1592, 1664},  {3071, 3072}, {3072, 3072},
                                         {6369, 3072}, {200704, 3072}};
    for (const auto& [length, need] : cases) {
        EXPECT_EQ(S::TransferNeed(length), need) << length;
    }
}

TEST(AcquisitionSettingsTest, SlowestHighRateTimeBaseNeedsThirteenBlocks) {
    const int length = *S::RecordLength(false, 6250, 97, 3);
    EXPECT_EQ(length, 1592);
    const int frames = S::FramesPerReadForCh0(1, S::TransferNeed(length), 0);
    EXPECT_EQ(frames, 1664);
    EXPECT_EQ(VendorReadForRate(6250, frames)->blockCount, 13);
}

TEST(AcquisitionSettingsTest, LongestRecordStillReadsOneFullCommandAtATime) {
    const int length = *S::RecordLength(false, 100000, 1562, 9);
    EXPECT_EQ(length, 200704);
    EXPECT_EQ(S::FramesPerReadForCh0(1, S::TransferNeed(length), 0), 3072);
}

TEST(AcquisitionSettingsTest, ChannelMaskDecidesWhoseNeedIsRead) {
    // need0 / frames per read, need1 / FFramesPerRead1.
    const struct {
        int mask;
        int afterCh0;
        int afterCh1;
    } cases[] = {{1, 512, 2048}, {2, 1024, 1024}, {3, 1024, 2048}, {0, 1024, 2048}};
    for (const auto& c : cases) {
        EXPECT_EQ(S::FramesPerReadForCh0(c.mask, 512, 1024), c.afterCh0) << c.mask;
        EXPECT_EQ(S::FramesPerReadForCh1(c.mask, 2048, 1024), c.afterCh1) << c.mask;
    }
}

TEST(AcquisitionSettingsTest, BothChannelsReadTheLargerNeedWhicheverRanLast) {
    const int need0 = S::TransferNeed(*S::RecordLength(false, 100000, 1562, 0));  // "1ms"
    const int need1 = S::TransferNeed(*S::RecordLength(false, 100000, 1562, 6));  // "10ms"
    ASSERT_EQ(need0, 512);
    ASSERT_EQ(need1, 3072);

    int frames = S::FramesPerReadForCh0(3, need0, 128);
    frames = S::FramesPerReadForCh1(3, frames, need1);
    EXPECT_EQ(frames, 3072) << "CH1 last";

    frames = S::FramesPerReadForCh1(3, 128, need1);
    frames = S::FramesPerReadForCh0(3, need0, need1);
    EXPECT_EQ(frames, 3072) << "CH0 last";
}

TEST(AcquisitionSettingsTest, TimeAxisEndsAtTheLastSample) {
    const S::AxisRange slow = S::TimeAxis(128, 7, 64);
    EXPECT_EQ(slow.minimum, 0.0);
    EXPECT_DOUBLE_EQ(slow.maximum, 127.0 / 64.0);
    EXPECT_DOUBLE_EQ(slow.increment, 0.5);

    const S::AxisRange fast = S::TimeAxis(3072, 6, 100000);
    EXPECT_DOUBLE_EQ(fast.maximum, 30.71);
    EXPECT_DOUBLE_EQ(fast.increment, 10.0);

    EXPECT_DOUBLE_EQ(S::TimeOf(50, 6, 100000), 0.5) << "milliseconds";
    EXPECT_DOUBLE_EQ(S::TimeOf(50, 5, 100), 0.5) << "seconds";
}

TEST(AcquisitionSettingsTest, VoltsPerDivisionSetTheVerticalAxis) {
    const S::VoltsChoice& one = S::VoltsAt(3);
    EXPECT_STREQ(one.item, "1.0v");
    EXPECT_EQ(one.minimum, -5.0);
    EXPECT_EQ(one.maximum, 5.0);
    EXPECT_EQ(one.increment, 1.0);
    const double increments[] = {0.1, 0.2, 0.5, 1.0, 2.0};
    for (int index = 0; index < S::kVoltsCount; ++index) {
        const S::VoltsChoice& choice = S::VoltsAt(index);
        EXPECT_DOUBLE_EQ(choice.increment, increments[index]) << index;
        EXPECT_DOUBLE_EQ(choice.maximum, 5 * increments[index]) << index;
        EXPECT_DOUBLE_EQ(choice.minimum, -choice.maximum) << index;
    }
    for (const int other : {-1, 4, 5, 1000}) {
        EXPECT_STREQ(S::VoltsAt(other).item, "2.0v") << other;
    }
}

std::vector<float> Ramp(int length) {
    std::vector<float> trace;
    for (int i = 0; i < length; ++i) {
        trace.push_back(static_cast<float>(i));
    }
    return trace;
}

std::vector<float> Ys(const std::vector<S::TracePoint>& points) {
    std::vector<float> ys;
    for (const S::TracePoint& p : points) {
        ys.push_back(p.y);
    }
    return ys;
}

TEST(AcquisitionSettingsTest, CapturedTraceIsDrawnEveryDecimationOnTheTimeAxis) {
    // 64 S/s, "0.5s": x in seconds.
    const auto points = S::CapturedTracePoints(Ramp(8), {.capturedLength = 8,
                                                         .decimation = 2,
                                                         .triggerPosShown = 3,
                                                         .recordLength = 128,
                                                         .timeBaseIndex = 7,
                                                         .sampleRate = 64});
    EXPECT_EQ(Ys(points), (std::vector<float>{0, 1, 2, 3}));
    ASSERT_EQ(points.size(), 4u);
    EXPECT_DOUBLE_EQ(points[3].x, 6.0 / 64.0);
}

TEST(AcquisitionSettingsTest, CapturedTracePastOneScreenIsCentredOnTheTrigger) {
    // Trigger at 150 on a 100-sample screen: the view starts 50 samples later.
    const auto points = S::CapturedTracePoints(Ramp(300), {.capturedLength = 4,
                                                           .decimation = 1,
                                                           .triggerPosShown = 150,
                                                           .recordLength = 100,
                                                           .timeBaseIndex = 6,
                                                           .sampleRate = 100000});
    EXPECT_EQ(Ys(points), (std::vector<float>{100, 101, 102, 103}));
    EXPECT_DOUBLE_EQ(points[1].x, 0.01) << "milliseconds";
}

TEST(AcquisitionSettingsTest, CapturedTraceReadsNothingBeyondWhatWasCaptured) {
    // A capture length (or a shift) beyond the stored trace, a decimation of
    // 0 and an empty trace read only what exists.
    const S::CaptureView longer{.capturedLength = 1000,
                                .decimation = 1,
                                .triggerPosShown = 0,
                                .recordLength = 128,
                                .timeBaseIndex = 7,
                                .sampleRate = 64};
    EXPECT_EQ(S::CapturedTracePoints(Ramp(5), longer).size(), 5u);
    S::CaptureView shifted = longer;
    shifted.triggerPosShown = 2000;
    EXPECT_TRUE(S::CapturedTracePoints(Ramp(5), shifted).empty());
    S::CaptureView undecimated = longer;
    undecimated.decimation = 0;
    undecimated.capturedLength = 3;
    EXPECT_EQ(Ys(S::CapturedTracePoints(Ramp(5), undecimated)), (std::vector<float>{0, 1, 2}));
    EXPECT_TRUE(S::CapturedTracePoints({}, longer).empty());
}

}  // namespace
