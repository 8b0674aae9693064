#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "AnalysisPass.h"
#include "AutoAxis.h"
#include "DemoWave.h"
#include "PeakReadout.h"

using ::testing::ElementsAre;

namespace {

std::vector<double> Wave(int wave, int n, int rate) {
    std::vector<double> samples(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        samples[static_cast<std::size_t>(i)] = DemoWaveSample(wave, i, rate);
    }
    return samples;
}

}  // namespace

// The chart's frequencies use rate / decimation, the listed ones
// (bin * rate) / decimation over the points: 6250 / 3 S/s, bin 100 of 3072.
TEST(AnalysisPassTest, DecimatedRateRoundsDifferentlyForChartAndList) {
    constexpr int n = 3072;
    std::vector<double> samples(n);
    for (int i = 0; i < n; ++i) {
        samples[i] = std::sin(2.0 * 3.141592653589793 * 100.0 * i / n);
    }
    AnalysisPass pass;
    ChannelAnalysis out;
    ASSERT_TRUE(pass.Run(0, samples.data(), n, 6250, 3, out, {}));
    EXPECT_DOUBLE_EQ(out.x[100], 2083.0 * 100 / n);                                     // 67.806
    EXPECT_EQ(out.lines[0], "F1: (" + FormatReadoutNumber(208333.0 / n) + ",  1.00)");  // 67.82
    EXPECT_EQ(out.lines[0], "F1: (67.82,  1.00)");
}

// The measurements take the points at 6250 / 3 S/s exactly: the chart's
// rounded 2083 S/s would read the 10 Hz sine 0.016 % low. A later empty
// block leaves none of them behind.
TEST(AnalysisPassTest, MeasurementsTakeThePointsAtTheirExactRate) {
    constexpr int n = 3072;
    constexpr double rate = 6250.0 / 3.0;
    std::vector<double> samples(n);
    for (int i = 0; i < n; ++i) {
        samples[i] = 0.5 + 2.0 * std::sin(2.0 * 3.141592653589793 * 10.0 * i / rate);
    }
    AnalysisPass pass;
    ChannelAnalysis out;
    ASSERT_TRUE(pass.Run(1, samples.data(), n, 6250, 3, out, {}));
    ASSERT_TRUE(out.measurements.frequency.has_value());
    EXPECT_NEAR(*out.measurements.frequency, 10.0, 1e-5);
    EXPECT_NEAR(out.measurements.maximum.value_or(0.0), 2.5, 1e-4);
    EXPECT_EQ(out.measurements.samples, static_cast<std::size_t>(n));

    ASSERT_TRUE(pass.Run(1, nullptr, 0, 6250, 3, out, {}));
    EXPECT_FALSE(out.measurements.frequency || out.measurements.maximum || out.measurements.rms);
}

TEST(AnalysisPassTest, ShortAndOverlongBlocks) {
    AnalysisPass pass;
    ChannelAnalysis out;
    out.lines = {"old"};
    ASSERT_TRUE(pass.Run(0, nullptr, 0, 64, 1, out, {}));
    EXPECT_TRUE(out.x.empty());
    EXPECT_TRUE(out.lines.empty()) << "nothing drawn: the list keeps its text";

    const double two[] = {1.0, 1.0};
    ASSERT_TRUE(pass.Run(0, two, 2, 64, 0, out, {}));  // a zero decimation must not divide
    EXPECT_THAT(out.x, ElementsAre(0.0, 0.0));
    EXPECT_THAT(out.y, ElementsAre(1.0, 0.0));
    EXPECT_THAT(out.lines, ElementsAre("F1: --", "F2: --", "F3: --", "F4: --", "F5: --", "F6: --"));

    const std::vector<double> longer(5000, 0.5);
    ASSERT_TRUE(pass.Run(0, longer.data(), 5000, 6250, 1, out, {}));
    EXPECT_EQ(out.x.size(), static_cast<std::size_t>(AnalysisPass::kMaxPoints / 2));
}

// A stop raised at any step of the pass, the transform included, leaves
// nothing to draw or list; the instance then analyses normally again.
TEST(AnalysisPassTest, StopAtAnyStepYieldsNothing) {
    const std::vector<double> samples = Wave(3, 128, 64);
    AnalysisPass pass;
    ChannelAnalysis out;
    int polls = 0;
    ASSERT_TRUE(pass.Run(0, samples.data(), 128, 64, 1, out, [&] {
        ++polls;
        return false;
    }));
    const std::vector<std::string> complete = out.lines;
    ASSERT_GT(polls, 128 + 64) << "every sample and every bin is a step";
    for (int stopAt = 0; stopAt < polls; ++stopAt) {
        int asked = 0;
        EXPECT_FALSE(pass.Run(0, samples.data(), 128, 64, 1, out, [&] { return asked++ >= stopAt; }))
            << "stop at poll " << stopAt;
    }
    ASSERT_TRUE(pass.Run(0, samples.data(), 128, 64, 1, out, {}));
    EXPECT_EQ(out.lines, complete);
    EXPECT_THAT(complete, ElementsAre("F1: (5.00,  0.50)", "F2: (10.00,  1.50)", "F3: (15.00,  2.00)",
                                      "F4: --", "F5: --", "F6: --"));
}

TEST(AnalysisPassTest, DemoTimesAndCursorText) {
    EXPECT_DOUBLE_EQ(DemoWaveTime(127, 64, true), 1.984375);
    EXPECT_DOUBLE_EQ(DemoWaveTime(127, 64, false), 1984.375);
    EXPECT_EQ(DemoWaveSample(4, 3, 64), 0.0);
    EXPECT_EQ(CursorReadoutText(12.5, 3.27), "( 12.50, 3.27 )");
    EXPECT_EQ(CursorReadoutText(12346.0, -3.27), "( 1.235E+04, -3.27 )");
}

TEST(AnalysisPassTest, SpectrumAxesStartAtZeroOnAOneTwoFiveGrid) {
    const auto span = [](double largest, bool roundUp) {
        const AxisSpan a = AutoAxisFromZero(largest, roundUp);
        EXPECT_EQ(a.minimum, 0.0);
        return std::pair{a.maximum, a.increment};
    };
    EXPECT_EQ(span(4.0, true), std::pair(4.0, 0.5));
    EXPECT_EQ(span(1.0 + 1e-15, true), std::pair(1.0, 0.1)) << "a rounding error above a grid line";
    EXPECT_EQ(span(2.3, true), std::pair(2.5, 0.5));
    EXPECT_EQ(span(31.5, false), std::pair(31.5, 5.0));
    EXPECT_EQ(AutoAxisFromZero(3125.0, false, 5).increment, 1000.0);
    EXPECT_EQ(span(0.0, true), std::pair(1.0, 0.2)) << "nothing to scale to";
}
