#include "PlotMapping.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    double x, y;    // axis values
    double px, py;  // plot positions
};

class PlotMappingTest : public ::testing::TestWithParam<Point> {};

// A plot 400 x 200 at (50, 20): X from -2 to 6, Y from -10 to 10.
TEST_P(PlotMappingTest, MapsValuesToPositionsAndBack) {
    const PlotMapping plot(50, 20, 400, 200, -2, 6, -10, 10);
    const Point& p = GetParam();
    EXPECT_DOUBLE_EQ(plot.XToPosition(p.x), p.px);
    EXPECT_DOUBLE_EQ(plot.YToPosition(p.y), p.py);
    EXPECT_DOUBLE_EQ(plot.PositionToX(p.px), p.x);
    EXPECT_DOUBLE_EQ(plot.PositionToY(p.py), p.y);
}

INSTANTIATE_TEST_SUITE_P(Corners, PlotMappingTest,
                         ::testing::Values(Point{-2, 10, 50, 20}, Point{6, -10, 450, 220},
                                           Point{2, 0, 250, 120}, Point{-4, 20, -50, -80}));

TEST(PlotMappingTest, AnEmptyRangeOrPlotMapsToItsEdge) {
    const PlotMapping flat(50, 20, 400, 200, 3, 3, 1, 1);
    EXPECT_DOUBLE_EQ(flat.XToPosition(7), 50);
    EXPECT_DOUBLE_EQ(flat.YToPosition(7), 220);
    const PlotMapping unlaid(0, 0, 0, 0, -2, 6, -10, 10);
    EXPECT_DOUBLE_EQ(unlaid.PositionToX(5), -2);
    EXPECT_DOUBLE_EQ(unlaid.PositionToY(5), -10);
}

}  // namespace
