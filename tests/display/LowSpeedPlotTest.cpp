#include "LowSpeedPlot.h"

#include <gtest/gtest.h>

#include <vector>

#include "SeriesModel.h"

namespace {

std::vector<double> Xs(const SeriesModel& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) {
        v.push_back(s.XValue(i));
    }
    return v;
}

std::vector<double> Ys(const SeriesModel& s) {
    std::vector<double> v;
    for (int i = 0; i < s.YCount(); ++i) {
        v.push_back(s.YValue(i));
    }
    return v;
}

class LowSpeedPlotTest : public ::testing::Test {
protected:
    std::atomic<int> writePos0{0}, writePos1{0};
    std::atomic<int> length0{64}, length1{64};
    std::atomic<int> timeBase0{7}, timeBase1{7};  // "0.5s": seconds
    std::atomic<int> rate{64};
    SeriesModel trace0, trace1;
    LowSpeedPlot plot{{writePos0, length0, timeBase0, trace0}, {writePos1, length1, timeBase1, trace1}, rate};
    std::uint64_t sequence = 0;

    PlotBatch Batch(std::vector<float> ch0, std::vector<float> ch1 = {}, bool shown1 = false) {
        PlotBatch b;
        b.sequence = ++sequence;
        b.shown = {!ch0.empty(), shown1};
        b.volts = {std::move(ch0), std::move(ch1)};
        return b;
    }
};

TEST_F(LowSpeedPlotTest, OnePairPerBlockFillsTheScreenThenRollsAtTheLastPoint) {
    std::vector<double> xs, ys;
    for (int i = 0; i < 64; ++i) {
        const bool started = plot.Draw(Batch({static_cast<float>(i)}));
        EXPECT_EQ(started, i == 63) << "the analysis starts with the block that fills the screen";
        xs.push_back(i / 64.0);
        ys.push_back(i);
    }
    EXPECT_EQ(Xs(trace0), xs);
    EXPECT_EQ(Ys(trace0), ys);
    EXPECT_EQ(writePos0.load(), 64);
    for (int i = 64; i < 70; ++i) {
        EXPECT_FALSE(plot.Draw(Batch({static_cast<float>(i)}))) << "once per plot";
        ys.erase(ys.begin());
        ys.push_back(i);
        EXPECT_EQ(writePos0.load(), 65);
    }
    EXPECT_EQ(Xs(trace0), xs) << "X positions stay; the newest value sits at X(63)";
    EXPECT_EQ(Ys(trace0), ys);
    EXPECT_EQ(trace1.Count(), 0);
}

TEST_F(LowSpeedPlotTest, EveryPairOfABlockIsDrawnAndEachBlockOnce) {
    length0 = 4;
    rate = 6250;
    timeBase0 = 6;  // "10ms": milliseconds
    const PlotBatch first = Batch({1, 2, 3});
    const PlotBatch second = Batch({4, 5, 6});
    EXPECT_FALSE(plot.Draw(first));
    EXPECT_TRUE(plot.Draw(second));
    EXPECT_FALSE(plot.Draw(second));
    EXPECT_FALSE(plot.Draw(first));
    EXPECT_EQ(plot.LastSequence(), 2u);
    EXPECT_EQ(Ys(trace0), (std::vector<double>{3, 4, 5, 6}));
    EXPECT_EQ(Xs(trace0), (std::vector<double>{0, 0.16, 0.32, 0.48}));
    EXPECT_EQ(writePos0.load(), 5);
}

TEST_F(LowSpeedPlotTest, ChannelOffResetsItsPositionAndComesBackFromTheStart) {
    length1 = 2;
    EXPECT_TRUE(plot.Draw(Batch({0.5f}, {1, 2, 3}, true))) << "either channel's full screen starts it";
    EXPECT_EQ(writePos1.load(), 3);
    EXPECT_FALSE(plot.Draw(Batch({0.5f})));
    EXPECT_EQ(writePos1.load(), 0);
    EXPECT_EQ(Ys(trace1), (std::vector<double>{2, 3})) << "the trace itself is left alone";
    plot.Draw(Batch({0.5f}, {9}, true));
    EXPECT_EQ(trace1.XValue(trace1.Count() - 1), 0.0);
    EXPECT_EQ(writePos1.load(), 1);
    plot.Draw(Batch({0.5f}, {1, 2, 3}, true));
    trace1.Clear();  // as Clear does, without touching the position
    plot.Draw(Batch({0.5f}, {4}, true));
    EXPECT_EQ(Xs(trace1), (std::vector<double>{0.0}));
    EXPECT_EQ(Ys(trace1), (std::vector<double>{4}));
}

}  // namespace
