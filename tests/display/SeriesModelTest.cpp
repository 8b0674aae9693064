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

// Points (i, 100 + i) with colour i, for i in [first, first + count).
std::vector<double> Fill(SeriesModel& s, int count, int first = 0) {
    std::vector<double> xs;
    for (int i = first; i < first + count; ++i) {
        s.AddXY(i, 100 + i, static_cast<std::uint32_t>(i));
        xs.push_back(i);
    }
    return xs;
}

// The display's roll of a full screen.
void Roll(SeriesModel& s, double y) {
    const double lastX = s.XValue(s.Count() - 1);
    s.DeleteFirstY();
    s.Delete(s.Count() - 1);
    s.AddXY(lastX, y);
}

class SeriesModelRollTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SeriesModelRollTest, KeepsXAndShiftsYLeft) {
    const auto [screen, rolls] = GetParam();
    SeriesModel s;
    const std::vector<double> xs = Fill(s, screen);
    for (int r = 1; r <= rolls; ++r) {
        Roll(s, 100 + screen - 1 + r);
    }
    EXPECT_EQ(Xs(s), xs);
    std::vector<double> ys;
    for (double x : xs) {
        ys.push_back(100 + x + rolls);
    }
    EXPECT_EQ(Ys(s), ys);
}

// Screens around the ring's first allocation (16), and roll counts that wrap
// the rings many times.
INSTANTIATE_TEST_SUITE_P(ScreensAndRolls, SeriesModelRollTest,
                         ::testing::Values(std::pair{1, 5}, std::pair{15, 40}, std::pair{16, 17},
                                           std::pair{17, 100}, std::pair{3072, 7000}));

TEST(SeriesModelTest, MidRollTheListsAreOneApartAndOutsideReadsZero) {
    SeriesModel s;
    Fill(s, 4);
    s.DeleteFirstY();
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.PairCount(), 3);
    EXPECT_EQ(Ys(s), (std::vector<double>{101, 102, 103}));
    EXPECT_EQ(s.YValue(3), 0.0);  // the last X has no Y yet
    for (int index : {-1, 4}) {
        EXPECT_EQ(s.XValue(index), 0.0);
        EXPECT_EQ(s.Colour(index), SeriesModel::kWhite);
    }
    // Removing the last point leaves the Y list alone and realigns the two.
    s.Delete(3);
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(Ys(s), (std::vector<double>{101, 102, 103}));
}

class SeriesModelDeleteTest : public ::testing::TestWithParam<int> {};

// On rings whose start has wrapped, so either half may straddle the end of
// the storage.
TEST_P(SeriesModelDeleteTest, RemovesThePointItsYAndItsColour) {
    const int index = GetParam();
    SeriesModel s;
    Fill(s, 12, -12);
    std::vector<double> xs = Fill(s, 10);
    for (int i = 0; i < 12; ++i) {
        s.Delete(0);
    }
    s.Delete(index);
    if (index >= 0 && index < 10) {
        xs.erase(xs.begin() + index);
    }
    EXPECT_EQ(Xs(s), xs);
    std::vector<double> ys;
    std::vector<double> colours;
    for (int i = 0; i < s.Count(); ++i) {
        ys.push_back(100 + xs[static_cast<std::size_t>(i)]);
        colours.push_back(s.Colour(i));
    }
    EXPECT_EQ(Ys(s), ys);
    EXPECT_EQ(colours, xs);
}

INSTANTIATE_TEST_SUITE_P(Indices, SeriesModelDeleteTest, ::testing::Values(0, 3, 5, 8, 9, -1, 10));

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

// From one point with no Y left, visible and solid.
TEST_P(SeriesModelVersionTest, ChangesOnlyWhenSomethingChanged) {
    const VersionCase& c = GetParam();
    SeriesModel s;
    s.AddXY(1, 2);
    s.DeleteFirstY();
    const auto version = s.Version();
    const auto points = s.PointsVersion();
    c.change(s);
    EXPECT_EQ(s.Version() != version, c.version);
    EXPECT_EQ(s.PointsVersion() != points, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, SeriesModelVersionTest,
    ::testing::Values(VersionCase{"AddXY", [](SeriesModel& s) { s.AddXY(1, 1); }, true, true},
                      VersionCase{"Delete", [](SeriesModel& s) { s.Delete(0); }, true, true},
                      VersionCase{"DeleteOutside", [](SeriesModel& s) { s.Delete(1); }, false, false},
                      VersionCase{"DeleteFirstYOfNone", [](SeriesModel& s) { s.DeleteFirstY(); }, false,
                                  false},
                      VersionCase{"ClearTwice",
                                  [](SeriesModel& s) {
                                      s.Clear();
                                      s.Clear();
                                  },
                                  true, true},
                      VersionCase{"Hide", [](SeriesModel& s) { s.SetVisible(false); }, true, false},
                      VersionCase{"ShowAgain", [](SeriesModel& s) { s.SetVisible(true); }, false, false},
                      VersionCase{"Dotted", [](SeriesModel& s) { s.SetDotted(true); }, true, false}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(SeriesModelTest, AnnouncesTheFirstChangeOfEachBurst) {
    SeriesModel s;
    int calls = 0;
    s.SetChangeHandler([&calls] { ++calls; });
    Fill(s, 100);
    s.SetVisible(false);
    EXPECT_EQ(calls, 1);
    s.Acknowledge();
    s.Clear();
    s.Clear();  // an empty series is cleared for nothing
    EXPECT_EQ(calls, 2);
}

}  // namespace
