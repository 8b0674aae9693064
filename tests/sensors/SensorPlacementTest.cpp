#include "SensorPlacement.h"

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    const char* name;
    ScreenBox main;
    int x, y;  // where a 640 x 440 window goes on a 1600 x 900 screen
};

class SensorPlacementTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(SensorPlacementTest, OpensBesideTheMainWindowOrAtTheRightEdge) {
    const ScreenBox placed = PlaceBeside(GetParam().main, 640, 440, ScreenBox{0, 0, 1600, 900});
    EXPECT_EQ(placed.x, GetParam().x);
    EXPECT_EQ(placed.y, GetParam().y);
    EXPECT_EQ(placed.width, 640);
}

INSTANTIATE_TEST_SUITE_P(Places, SensorPlacementTest,
                         testing::Values(PlaceCase{"RightOfIt", {100, 50, 800, 600}, 900, 50},
                                         PlaceCase{"LeftOfIt", {700, 50, 800, 600}, 60, 50},
                                         PlaceCase{"OverItsCharts", {0, 0, 1440, 860}, 960, 0},
                                         PlaceCase{"KeptOnTheScreen", {-50, 700, 1700, 300}, 960, 460}),
                         [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

}  // namespace
