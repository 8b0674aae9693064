#include "ColumnReduction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SeriesModel.h"

namespace {

TEST(ColumnReductionTest, KeepsEachColumnsExtremesInTheOrderTheyCame) {
    SeriesModel model;
    // Two columns of four points each over x in [0, 8): the first falls to
    // its minimum before its maximum, the second the other way round.
    const double ys[] = {0.5, -1.0, 0.2, 2.0, 3.0, 0.1, -4.0, 1.0};
    for (int i = 0; i < 8; ++i) {
        model.AddXY(i, ys[i]);
    }
    ColumnPoints out;
    ReduceToColumns(model, 0.0, 8.0, 2, out);
    EXPECT_EQ(out.x, (std::vector<double>{1, 3, 4, 6}));
    EXPECT_EQ(out.y, (std::vector<double>{-1.0, 2.0, 3.0, -4.0}));
}

TEST(ColumnReductionTest, AFullScreenShrinksToTwoPointsAColumnAndKeepsItsPeaks) {
    SeriesModel model;
    constexpr int kPoints = 3072;
    for (int i = 0; i < kPoints; ++i) {
        model.AddXY(i, std::sin(i * 0.05) + (i == 1234 ? 5.0 : 0.0));  // one lone spike
    }
    ColumnPoints out;
    ReduceToColumns(model, 0.0, kPoints - 1, 400, out);
    EXPECT_LE(out.x.size(), 800u);
    EXPECT_EQ(out.x.size(), out.y.size());
    bool spike = false;
    for (std::size_t i = 0; i < out.x.size(); ++i) {
        spike = spike || (out.x[i] == 1234 && out.y[i] > 3.9);
        if (i > 0) {
            EXPECT_LT(out.x[i - 1], out.x[i]);
        }
    }
    EXPECT_TRUE(spike);
}

TEST(ColumnReductionTest, PointsOutsideTheRangeFallIntoTheEdgeColumns) {
    SeriesModel model;
    for (int i = -5; i < 15; ++i) {
        model.AddXY(i, i == -3 ? -9.0 : (i == 13 ? 9.0 : 0.0));
    }
    ColumnPoints out;
    ReduceToColumns(model, 0.0, 10.0, 2, out);
    EXPECT_EQ(out.y, (std::vector<double>{0.0, -9.0, 0.0, 9.0}));
}

}  // namespace
