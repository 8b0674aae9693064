#include "ScrollingPlot.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollingPlotTest, FillsThirtyPositionsThenScrollsOntoTheLast) {
    ScrollingPlot plot(30);
    for (int i = 0; i < 30; ++i) {
        const ScrollingPlot::Step step = plot.Next();
        EXPECT_FALSE(step.scroll);
        EXPECT_EQ(step.position, i);
    }
    for (int i = 0; i < 3; ++i) {
        const ScrollingPlot::Step step = plot.Next();
        EXPECT_TRUE(step.scroll);
        EXPECT_EQ(step.position, 29);
    }
    plot.Reset();
    EXPECT_EQ(plot.Next().position, 0);
}

}  // namespace
