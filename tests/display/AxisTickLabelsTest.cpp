#include "AxisTickLabels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const std::vector<AxisTickLabel>& labels) {
    std::vector<std::string> texts;
    for (const AxisTickLabel& label : labels) {
        texts.push_back(label.text);
    }
    return texts;
}

TEST(AxisTickLabelsTest, ZeroReadsWithoutASignAndDecimalsFollowTheStep) {
    // 0.1 V per division from -0.5 V: adding up the steps would give
    // -2.8e-17 for zero.
    EXPECT_THAT(Texts(AxisTickLabels::Lines(-0.5, 0.5, -0.5, 0.1, AxisTickLabels::Decimals(0.1, false))),
                ::testing::ElementsAre("-0.50", "-0.40", "-0.30", "-0.20", "-0.10", "0.00", "0.10", "0.20",
                                       "0.30", "0.40", "0.50"));
    EXPECT_EQ(AxisTickLabels::Format(-1e-17, 2), "0.00");
    EXPECT_EQ(AxisTickLabels::Format(-0.004, 2), "0.00");
    EXPECT_EQ(AxisTickLabels::Format(-0.006, 2), "-0.01");
    EXPECT_EQ(AxisTickLabels::Decimals(1.0, false), 1);
    EXPECT_EQ(AxisTickLabels::Decimals(20.0, false), 1);
    EXPECT_EQ(AxisTickLabels::Decimals(0.05, false), 3);
    EXPECT_EQ(AxisTickLabels::Decimals(10000.0, true), 0);
}

TEST(AxisTickLabelsTest, CrowdedLinesAreLabelledAtNiceStridesKeepingZero) {
    struct Case {
        double spacing, extent;
        int stride;
    };
    for (const Case& c : {Case{30, 24, 1}, Case{20, 24, 2}, Case{10, 24, 5}, Case{3, 24, 10}, Case{1, 24, 50},
                          Case{0, 24, 1}}) {
        EXPECT_EQ(AxisTickLabels::Stride(c.spacing, c.extent), c.stride) << c.spacing;
    }
    // 0 to 15.6 ms on a 1 ms grid, every second line labelled.
    const std::vector<AxisTickLabel> ms = AxisTickLabels::Lines(0.0, 15.625, 0.0, 1.0, 1);
    EXPECT_EQ(ms.size(), 16u);
    EXPECT_THAT(Texts(AxisTickLabels::Labelled(ms, 0.0, 1.0, 5)),
                ::testing::ElementsAre("0.0", "5.0", "10.0", "15.0"));
    // -10 to 10 V by 2 V: zero keeps its label.
    const std::vector<AxisTickLabel> volts = AxisTickLabels::Lines(-10.0, 10.0, -10.0, 2.0, 1);
    EXPECT_THAT(Texts(AxisTickLabels::Labelled(volts, -10.0, 2.0, 2)),
                ::testing::ElementsAre("-8.0", "-4.0", "0.0", "4.0", "8.0"));
    EXPECT_TRUE(AxisTickLabels::Lines(0.0, 1.0, 0.0, 0.0, 1).empty());
}

}  // namespace
