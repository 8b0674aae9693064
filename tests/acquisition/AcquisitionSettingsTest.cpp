#include "AcquisitionSettings.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/RateTable.h"

namespace {

using S = AcquisitionSettings;

TEST(AcquisitionSettingsTest, EveryRecordLengthAboveSlowRateIsExact) {
    // Columns in time-base index order: "1ms", "50ms", "2ms", "0.1s", "5ms",
    // "0.2s", "10ms", "0.5s", "20ms", "1.0s".
    const struct {
        int rate;
        int lengths[10];
    } rows[] = {
        {6250, {32, 768, 64, 1592, 128, 3072, 192, 6272, 384, 12544}},
        {12500, {64, 1536, 128, 3184, 256, 6144, 384, 12544, 768, 25088}},
        {25000, {128, 3072, 256, 6369, 512, 12288, 768, 25088, 1536, 50176}},
        {50000, {256, 6144, 512, 12738, 1024, 24576, 1536, 50176, 3072, 100352}},
        {100000, {512, 12288, 1024, 25476, 2048, 49152, 3072, 100352, 6144, 200704}},
    };
    for (const auto& row : rows) {
        for (int index = 0; index < S::kTimeBaseCount; ++index) {
            EXPECT_EQ(S::RecordLength(false, row.rate, S::RateMultiple(row.rate), index), row.lengths[index])
                << row.rate << " S/s, " << S::TimeBases()[index].item;
        }
    }
    EXPECT_FALSE(S::RecordLength(false, 100000, 1562, 10));
}

TEST(AcquisitionSettingsTest, SlowRateLengthsScaleWithTheRateMultiple) {
    const int once[] = {2, 16, 2, 32, 4, 64, 6, 128, 8, 256};
    for (int index = 0; index < S::kTimeBaseCount; ++index) {
        EXPECT_EQ(S::RecordLength(true, 64, 1, index), once[index]) << index;
        // "1ms" drops to one sample per multiple once there are several.
        EXPECT_EQ(S::RecordLength(true, 64, 3, index), (index == 0 ? 1 : once[index]) * 3) << index;
        EXPECT_EQ(S::IsSeconds(index), index == 3 || index == 5 || index == 7 || index == 9) << index;
    }
    EXPECT_FALSE(S::RecordLength(true, 64, 1, -1));
}

TEST(AcquisitionSettingsTest, TransferNeedIsWholeBlocksWithinOneCommand) {
    const std::pair<int, int> cases[] = {{2, 128},     {128, 128},   {129, 256},
                                         {1592, 1664}, {3072, 3072}, {200704, 3072}};
    for (const auto& [length, need] : cases) {
        EXPECT_EQ(S::TransferNeed(length), need) << length;
    }
    // 6250 S/s at "0.1s" for CH0 alone: 13 blocks per command.
    EXPECT_EQ(S::FramesPerReadForCh0(1, S::TransferNeed(1592), 3072), 1664);
    EXPECT_EQ(VendorReadForRate(6250, 1664)->blockCount, 13);
}

TEST(AcquisitionSettingsTest, BothChannelsReadTheLargerNeedWhicheverRanLast) {
    const int need0 = 512;   // "1ms" at 100 kS/s
    const int need1 = 3072;  // "10ms"
    EXPECT_EQ(S::FramesPerReadForCh1(3, S::FramesPerReadForCh0(3, need0, 128), need1), 3072);
    EXPECT_EQ(S::FramesPerReadForCh0(3, need0, need1), 3072);
    // One channel alone reads its own need.
    EXPECT_EQ(S::FramesPerReadForCh0(1, need0, need1), 512);
    EXPECT_EQ(S::FramesPerReadForCh1(1, 512, need1), 512);
    EXPECT_EQ(S::FramesPerReadForCh0(2, need0, need1), 3072);
}

TEST(AcquisitionSettingsTest, SlowRateAxisIsInSecondsAndUnknownVoltsAreTwoVolts) {
    EXPECT_DOUBLE_EQ(S::TimeAxis(128, 7, 64).maximum, 127.0 / 64.0);
    EXPECT_EQ(S::SampleRateRecordLength(*S::SampleRateAt(0), 2), 256) << "64 S/s: 128 x multiple";
    for (const int other : {-1, 4, 9}) {
        EXPECT_EQ(S::VoltsAt(other).maximum, 10.0) << other;
    }
}

TEST(AcquisitionSettingsTest, CapturedTraceReadsOnlyWhatWasCaptured) {
    const std::vector<float> trace{0, 1, 2, 3, 4, 5, 6, 7};
    // Captured, decimation, trigger shown, record length, time base, rate.
    S::CaptureView view{8, 2, 3, 128, 7, 64};
    auto ys = [&] {
        std::vector<float> values;
        for (const S::TracePoint& p : S::CapturedTracePoints(trace, view)) {
            values.push_back(p.y);
        }
        return values;
    };
    EXPECT_EQ(ys(), (std::vector<float>{0, 1, 2, 3}));
    EXPECT_DOUBLE_EQ(S::CapturedTracePoints(trace, view)[3].x, 6.0 / 64.0);
    // Past one screen the view is centred on the trigger: 10 - 4 / 2.
    view = {3, 1, 10, 4, 6, 1000};
    EXPECT_EQ(ys(), (std::vector<float>{}));
    view.triggerPosShown = 5;
    EXPECT_EQ(ys(), (std::vector<float>{3, 4, 5}));
    // Longer than stored, or a decimation of 0: only what exists is read.
    view = {1000, 0, 0, 128, 7, 64};
    EXPECT_EQ(ys().size(), trace.size());
}

}  // namespace
