#include "PlotMapping.h"

#include <gtest/gtest.h>

namespace {

// A plot 400 x 200 at (50, 20): X from -2 to 6, Y from -10 to 10.
const PlotMapping kPlot(50, 20, 400, 200, -2, 6, -10, 10);

struct Point {
    double x, y;    // axis values
    double px, py;  // plot positions
};

class PlotMappingTest : public ::testing::TestWithParam<Point> {};

TEST_P(PlotMappingTest, MapsValuesToPositionsAndBack) {
    const Point& p = GetParam();
    EXPECT_DOUBLE_EQ(kPlot.XToPosition(p.x), p.px);
    EXPECT_DOUBLE_EQ(kPlot.YToPosition(p.y), p.py);
    EXPECT_DOUBLE_EQ(kPlot.PositionToX(p.px), p.x);
    EXPECT_DOUBLE_EQ(kPlot.PositionToY(p.py), p.y);
}

INSTANTIATE_TEST_SUITE_P(Corners, PlotMappingTest,
                         ::testing::Values(Point{-2, 10, 50, 20},      // top left
                                           Point{6, -10, 450, 220},    // bottom right
                                           Point{2, 0, 250, 120},      // centre
                                           Point{-4, 20, -50, -80}));  // outside: the line goes on

TEST(PlotMappingTest, AnEmptyRangeOrPlotMapsToItsEdge) {
    const PlotMapping flat(50, 20, 400, 200, 3, 3, 1, 1);
    EXPECT_DOUBLE_EQ(flat.XToPosition(7), 50);
    EXPECT_DOUBLE_EQ(flat.YToPosition(7), 220);
    const PlotMapping unlaid(0, 0, 0, 0, -2, 6, -10, 10);
    EXPECT_DOUBLE_EQ(unlaid.PositionToX(5), -2);
    EXPECT_DOUBLE_EQ(unlaid.PositionToY(5), -10);
}

}  // namespace
