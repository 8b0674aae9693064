#include "showChart.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <mutex>
#include <vector>

namespace {

// Frames whose CH0 code is base + k and CH1 code 4095 - base - k.
QByteArray Frames(int count, int base) {
    QByteArray bytes;
    for (int k = 0; k < count; ++k) {
        const int a = base + k;
        const int b = 4095 - a;
        bytes.append(static_cast<char>(a & 0xFF)).append(static_cast<char>(a >> 8));
        bytes.append(static_cast<char>(b & 0xFF)).append(static_cast<char>(b >> 8));
    }
    return bytes;
}

ChannelCorrection Correction(int channel) {
    return channel == 0 ? ChannelCorrection{0.25f, 0.0f, 0.0f} : ChannelCorrection{0.0f, 2.0f, -1.0f};
}

TEST(showChartTest, ConvertsTheFramesOfAReadForTheChannelsSwitchedOn) {
    const QByteArray block = Frames(8, 100);
    const PlotBatch both = showChart::Convert(block, 5, 3, Correction, 7);
    EXPECT_EQ(both.sequence, 7u);
    ASSERT_EQ(both.volts[0].size(), 5u) << "only the frames asked for";
    ASSERT_EQ(both.volts[1].size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(both.volts[0][static_cast<std::size_t>(k)],
                  RawToVolts(static_cast<std::uint16_t>(100 + k), Correction(0)));
        EXPECT_EQ(both.volts[1][static_cast<std::size_t>(k)],
                  RawToVolts(static_cast<std::uint16_t>(3995 - k), Correction(1)));
    }
    const PlotBatch ch1 = showChart::Convert(block, 3072, 2, Correction, 1);
    EXPECT_FALSE(ch1.shown[0]);
    EXPECT_TRUE(ch1.volts[0].empty());
    EXPECT_EQ(ch1.volts[1].size(), 8u) << "no further than the frames that arrived";
    EXPECT_TRUE(showChart::Convert(block.left(6), 4, 1, Correction, 1).volts[0].size() == 1u);
}

TEST(showChartTest, EachBlockHandedOverBecomesOneBatchInOrder) {
    std::atomic<bool> stop{false};
    std::atomic<int> frames{3};
    std::atomic<std::uint8_t> mask{1};
    std::mutex mutex;
    std::vector<std::shared_ptr<const PlotBatch>> batches;
    showChart plotter(stop, frames, mask, Correction);
    QObject::connect(&plotter, &showChart::BatchReady, [&](std::shared_ptr<const PlotBatch> batch) {
        const std::lock_guard lock(mutex);
        batches.push_back(std::move(batch));
    });
    plotter.start();
    constexpr int kBlocks = 200;
    for (int n = 0; n < kBlocks; ++n) {
        plotter.HandOver(Frames(3, n));
    }
    const QDeadlineTimer limit(20000);
    while (!limit.hasExpired()) {
        const std::lock_guard lock(mutex);
        if (batches.size() >= kBlocks) {
            break;
        }
        QThread::msleep(2);
    }
    // The stop flag alone ends the waiting thread.
    stop = true;
    ASSERT_TRUE(plotter.wait(QDeadlineTimer(20000)));
    ASSERT_EQ(batches.size(), static_cast<std::size_t>(kBlocks));
    for (int n = 0; n < kBlocks; ++n) {
        const PlotBatch& b = *batches[static_cast<std::size_t>(n)];
        EXPECT_EQ(b.sequence, static_cast<std::uint64_t>(n + 1));
        ASSERT_EQ(b.volts[0].size(), 3u);
        EXPECT_EQ(b.volts[0][0], RawToVolts(static_cast<std::uint16_t>(n), Correction(0)));
    }
}

}  // namespace
