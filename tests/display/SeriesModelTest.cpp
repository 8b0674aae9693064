#include "SeriesModel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

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

// x = i, y = 100 + i, colour = i.
void Fill(SeriesModel& s, int count) {
    for (int i = 0; i < count; ++i) {
        s.AddXY(i, 100 + i, static_cast<std::uint32_t>(i));
    }
}

// The display's roll of a full screen: the first Y value goes, the last
// point goes, and the new value arrives at the last X position.
void Roll(SeriesModel& s, double y) {
    const double lastX = s.XValue(s.Count() - 1);
    s.DeleteFirstY();
    s.Delete(s.Count() - 1);
    s.AddXY(lastX, y);
}

struct RollCase {
    int screen;
    int rolls;
};

void PrintTo(const RollCase& c, std::ostream* os) {
    *os << c.screen << " points, " << c.rolls << " rolls";
}

class SeriesModelRollTest : public ::testing::TestWithParam<RollCase> {};

TEST_P(SeriesModelRollTest, KeepsXAndShiftsYLeft) {
    const auto [screen, rolls] = GetParam();
    SeriesModel s;
    Fill(s, screen);
    std::vector<double> expectedX;
    for (int i = 0; i < screen; ++i) {
        expectedX.push_back(i);
    }
    for (int r = 1; r <= rolls; ++r) {
        Roll(s, 100 + screen - 1 + r);
        ASSERT_EQ(s.Count(), screen) << "roll " << r;
        ASSERT_EQ(s.YCount(), screen) << "roll " << r;
    }
    EXPECT_EQ(Xs(s), expectedX);
    std::vector<double> expectedY;
    for (int i = 0; i < screen; ++i) {
        expectedY.push_back(100 + i + rolls);
    }
    EXPECT_EQ(Ys(s), expectedY);
}

// Screens shorter and longer than the ring's first allocation, and roll
// counts that wrap the rings many times.
INSTANTIATE_TEST_SUITE_P(Screens, SeriesModelRollTest,
                         ::testing::Values(RollCase{1, 5}, RollCase{2, 1}, RollCase{15, 40}, RollCase{16, 17},
                                           RollCase{17, 100}, RollCase{1024, 5000}, RollCase{3072, 3073}));

TEST(SeriesModelTest, MidRollTheListsAreOneApartAndTheLastYReadsZero) {
    SeriesModel s;
    Fill(s, 4);
    s.DeleteFirstY();
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.YCount(), 3);
    EXPECT_EQ(s.PairCount(), 3);
    EXPECT_EQ(Ys(s), (std::vector<double>{101, 102, 103}));
    EXPECT_EQ(s.YValue(3), 0.0);
    EXPECT_EQ(s.XValue(3), 3.0);
    // Removing the last point leaves the Y list alone and realigns them.
    s.Delete(3);
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(s.YCount(), 3);
    EXPECT_EQ(Ys(s), (std::vector<double>{101, 102, 103}));
}

TEST(SeriesModelTest, ReadsOutsideTheListsAreZeroAndWhite) {
    SeriesModel s;
    EXPECT_EQ(s.XValue(0), 0.0);
    EXPECT_EQ(s.YValue(0), 0.0);
    Fill(s, 3);
    for (int index : {-1, 3, 1 << 30}) {
        EXPECT_EQ(s.XValue(index), 0.0) << index;
        EXPECT_EQ(s.YValue(index), 0.0) << index;
        EXPECT_EQ(s.Colour(index), SeriesModel::kWhite) << index;
    }
}

struct DeleteCase {
    int index;
    std::vector<double> x;
};

void PrintTo(const DeleteCase& c, std::ostream* os) {
    *os << "delete " << c.index;
}

class SeriesModelDeleteTest : public ::testing::TestWithParam<DeleteCase> {};

// Runs on a ring whose start has wrapped, so either half may straddle the
// end of the storage.
TEST_P(SeriesModelDeleteTest, RemovesThePointItsYAndItsColour) {
    const DeleteCase& c = GetParam();
    SeriesModel s;
    for (int i = 0; i < 12; ++i) {
        s.AddXY(-1, -1);
    }
    Fill(s, 10);
    for (int i = 0; i < 12; ++i) {
        s.Delete(0);
    }
    s.Delete(c.index);
    EXPECT_EQ(Xs(s), c.x);
    std::vector<double> y;
    std::vector<double> colours;
    for (int i = 0; i < s.Count(); ++i) {
        y.push_back(c.x[static_cast<std::size_t>(i)] + 100);
        colours.push_back(s.Colour(i));
    }
    EXPECT_EQ(Ys(s), y);
    EXPECT_EQ(colours, c.x);
}

INSTANTIATE_TEST_SUITE_P(Indices, SeriesModelDeleteTest,
                         ::testing::Values(DeleteCase{0, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           DeleteCase{3, {0, 1, 2, 4, 5, 6, 7, 8, 9}},
                                           DeleteCase{5, {0, 1, 2, 3, 4, 6, 7, 8, 9}},
                                           DeleteCase{8, {0, 1, 2, 3, 4, 5, 6, 7, 9}},
                                           DeleteCase{9, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                                           // Outside the list: nothing goes.
                                           DeleteCase{-1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           DeleteCase{10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}));

TEST(SeriesModelTest, DeleteFirstYOnAnEmptyYListChangesNothing) {
    SeriesModel s;
    s.DeleteFirstY();
    EXPECT_EQ(s.YCount(), 0);
    s.AddXY(1, 2);
    s.DeleteFirstY();
    const auto version = s.Version();
    s.DeleteFirstY();
    EXPECT_EQ(s.Version(), version);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(s.YCount(), 0);
}

TEST(SeriesModelTest, ClearEmptiesBothListsAndTheSeriesRefills) {
    SeriesModel s;
    Fill(s, 40);
    s.DeleteFirstY();
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.YCount(), 0);
    s.AddXY(7, 8);
    EXPECT_EQ(Xs(s), std::vector<double>{7});
    EXPECT_EQ(Ys(s), std::vector<double>{8});
}

struct VersionCase {
    const char* name;
    void (*change)(SeriesModel&);
    bool version;
    bool points;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.name;
}

class SeriesModelVersionTest : public ::testing::TestWithParam<VersionCase> {};

// Starts from three points, visible, solid.
TEST_P(SeriesModelVersionTest, ChangesOnlyWhenSomethingChanged) {
    const VersionCase& c = GetParam();
    SeriesModel s;
    Fill(s, 3);
    const auto version = s.Version();
    const auto points = s.PointsVersion();
    c.change(s);
    EXPECT_EQ(s.Version() != version, c.version);
    EXPECT_EQ(s.PointsVersion() != points, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, SeriesModelVersionTest,
    ::testing::Values(VersionCase{"AddXY", [](SeriesModel& s) { s.AddXY(1, 1); }, true, true},
                      VersionCase{"DeleteFirstY", [](SeriesModel& s) { s.DeleteFirstY(); }, true, true},
                      VersionCase{"DeleteLast", [](SeriesModel& s) { s.Delete(2); }, true, true},
                      VersionCase{"DeleteOutside", [](SeriesModel& s) { s.Delete(3); }, false, false},
                      VersionCase{"Clear", [](SeriesModel& s) { s.Clear(); }, true, true},
                      VersionCase{"Hide", [](SeriesModel& s) { s.SetVisible(false); }, true, false},
                      VersionCase{"ShowAgain", [](SeriesModel& s) { s.SetVisible(true); }, false, false},
                      VersionCase{"Dotted", [](SeriesModel& s) { s.SetDotted(true); }, true, false},
                      VersionCase{"SolidAgain", [](SeriesModel& s) { s.SetDotted(false); }, false, false}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(SeriesModelTest, ClearingAnEmptySeriesCostsNoRedraw) {
    SeriesModel s;
    const auto version = s.Version();
    s.Clear();
    EXPECT_EQ(s.Version(), version);
}

TEST(SeriesModelTest, AnnouncesTheFirstChangeOfEachBurst) {
    SeriesModel s;
    int calls = 0;
    s.SetChangeHandler([&calls] { ++calls; });
    Fill(s, 100);
    s.SetVisible(false);
    EXPECT_EQ(calls, 1);
    s.Acknowledge();
    EXPECT_EQ(calls, 1);
    s.DeleteFirstY();
    s.Delete(0);
    EXPECT_EQ(calls, 2);
}

}  // namespace
