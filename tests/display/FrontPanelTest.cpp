#include <gtest/gtest.h>

#include "FrontPanel.h"

namespace {

using Drawer = FrontPanel::LevelDrawer;

struct FormatCase {
    double volts;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.volts << " -> " << c.text;
}

class FrontPanelFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FrontPanelFormatTest, ThreeSignificantDigitsOneDecimal) {
    EXPECT_EQ(FrontPanel::FormatLevel(GetParam().volts), GetParam().text) << GetParam().volts;
}

INSTANTIATE_TEST_SUITE_P(Levels, FrontPanelFormatTest,
                         ::testing::Values(FormatCase{1.0 + 0.1, "1.1"}, FormatCase{1.1 + 0.1, "1.2"},
                                           FormatCase{-0.1, "-0.1"}, FormatCase{0.0, "0.0"},
                                           FormatCase{-0.04, "0.0"},  // no "-0.0"
                                           FormatCase{0.05, "0.1"}, FormatCase{0.96, "1.0"},
                                           FormatCase{9.96, "10.0"}, FormatCase{1.25, "1.3"},
                                           FormatCase{-1.25, "-1.3"}, FormatCase{12.34, "12.3"},
                                           FormatCase{0.123, "0.1"},
                                           // Only three significant digits survive.
                                           FormatCase{123.45, "123.0"}, FormatCase{999.96, "1.00E+3"},
                                           FormatCase{-1234.5, "-1.23E+3"}));

struct NudgeCase {
    const char* level;
    std::vector<int> clicks;  // one SpinEdit1 value per arrow click
    const char* text;
};

void PrintTo(const NudgeCase& c, std::ostream* os) {
    *os << c.level << " -> " << c.text;
}

class FrontPanelNudgeTest : public ::testing::TestWithParam<NudgeCase> {};

TEST_P(FrontPanelNudgeTest, EachClickMovesOneTenthOfAVolt) {
    std::string text = GetParam().level;
    for (const int clicks : GetParam().clicks) {
        const std::optional<std::string> nudged = FrontPanel::NudgeLevel(text, clicks);
        ASSERT_TRUE(nudged.has_value()) << text;
        text = *nudged;
    }
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Arrows, FrontPanelNudgeTest,
                         ::testing::Values(NudgeCase{"1", {1, 1}, "1.2"}, NudgeCase{"0", {-1}, "-0.1"},
                                           NudgeCase{"-0.1", {1}, "0.0"}, NudgeCase{"0.04", {1}, "0.1"},
                                           NudgeCase{"2.5", {-3}, "2.2"}, NudgeCase{"1", {0}, "1.0"},
                                           NudgeCase{"9.9", {1, 1}, "10.1"}));

TEST(FrontPanelTest, NudgingNoNumberGivesNothing) {
    for (const char* text : {"", "-", "+", "abc", "1.2.3"}) {
        EXPECT_FALSE(FrontPanel::NudgeLevel(text, 1).has_value()) << text;
    }
}

TEST(FrontPanelTest, ParsesNumbersOnly) {
    const std::pair<const char*, double> numbers[] = {
        {"0", 0.0},  {"1.5", 1.5}, {"-0.5", -0.5}, {" 2 ", 2.0},
        {"+1", 1.0}, {"1.", 1.0},  {".5", 0.5},    {"1e1", 10.0},
    };
    for (const auto& [text, value] : numbers) {
        ASSERT_TRUE(FrontPanel::ParseLevel(text).has_value()) << text;
        EXPECT_DOUBLE_EQ(*FrontPanel::ParseLevel(text), value) << text;
    }
    for (const char* text : {"", "-", "+", ".", "1.2.3", "1-2", "abc", "nan", "inf", "1e39", "+-1", "0x10"}) {
        EXPECT_FALSE(FrontPanel::ParseLevel(text).has_value()) << text;
    }
}

TEST(FrontPanelTest, IncompleteLevelsAreTheUnfinishedOnes) {
    for (const char* text : {"", "-", "+"}) {
        EXPECT_TRUE(FrontPanel::IsIncompleteLevel(text)) << text;
    }
    for (const char* text : {"0", "-1", ".", "1.2.3"}) {
        EXPECT_FALSE(FrontPanel::IsIncompleteLevel(text)) << text;
    }
}

TEST(FrontPanelTest, KeyFilterLetsDigitsPointMinusBackspaceAndEnterThrough) {
    for (const char32_t c : U"0123456789.-\b\r") {
        if (c != 0) {
            EXPECT_TRUE(FrontPanel::LevelKeyAccepted(c)) << static_cast<int>(c);
        }
    }
    for (const char32_t c : U"+eE, a\x16\x1b\u00b2\u0661") {
        if (c != 0) {
            EXPECT_FALSE(FrontPanel::LevelKeyAccepted(c)) << static_cast<int>(c);
        }
    }
}

struct LineCase {
    Drawer drawer;
    int recordLength;
    int points;
    double lastX;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << "drawer " << static_cast<int>(c.drawer) << ", length " << c.recordLength;
}

class FrontPanelLevelLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(FrontPanelLevelLineTest, StrideAndXFollowTheDrawer) {
    const LineCase& c = GetParam();
    const std::vector<FrontPanel::Point> line = FrontPanel::LevelLine(c.drawer, c.recordLength, 1.5f);
    ASSERT_EQ(static_cast<int>(line.size()), c.points);
    EXPECT_EQ(line.front(), (FrontPanel::Point{0.0, 1.5}));
    EXPECT_DOUBLE_EQ(line.back().x, c.lastX);
    for (const FrontPanel::Point& point : line) {
        EXPECT_EQ(point.y, 1.5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drawers, FrontPanelLevelLineTest,
    ::testing::Values(
        // stride 128 / 10 + 1 = 13: i = 0, 13, ... 117
        LineCase{Drawer::TriggerOn, 128, 10, 117000.0}, LineCase{Drawer::TriggerChannel, 128, 10, 117.0},
        // below 65 the channel drawer spaces like the trigger-on one
        LineCase{Drawer::TriggerChannel, 64, 10, 63000.0}, LineCase{Drawer::TriggerOn, 3072, 10, 2772000.0},
        // every index for a typed level
        LineCase{Drawer::LevelEdit, 64, 64, 63000.0}, LineCase{Drawer::LevelEdit, 3072, 3072, 3071.0},
        LineCase{Drawer::LevelEdit, 65, 65, 64.0}));

TEST(FrontPanelTest, NoRecordNoLine) {
    EXPECT_TRUE(FrontPanel::LevelLine(Drawer::LevelEdit, 0, 1.0f).empty());
    EXPECT_TRUE(FrontPanel::LevelLine(Drawer::TriggerOn, -5, 1.0f).empty());
}

struct ChannelCase {
    const char* name;
    FrontPanel::Channels before;
    bool ch0;
    bool ch1;
    FrontPanel::Channels after;
    bool clearCh0;
    bool clearCh1;
};

void PrintTo(const ChannelCase& c, std::ostream* os) {
    *os << c.name;
}

class FrontPanelChannelTest : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(FrontPanelChannelTest, SelectionSetsMaskAndTransfer) {
    const ChannelCase& c = GetParam();
    const FrontPanel::ChannelChange change = FrontPanel::SelectChannels(c.before, c.ch0, c.ch1);
    EXPECT_EQ(change.after, c.after);
    EXPECT_EQ(change.clearCh0, c.clearCh0);
    EXPECT_EQ(change.clearCh1, c.clearCh1);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FrontPanelChannelTest,
    ::testing::Values(ChannelCase{"Ch1Joins", {1, 512, 3072}, true, true, {3, 3072, 3072}, false, true},
                      ChannelCase{"Ch0Joins", {2, 3072, 3072}, true, true, {3, 3072, 3072}, true, false},
                      ChannelCase{"Ch0Leaves", {3, 3072, 1664}, false, true, {2, 1664, 1664}, false, false},
                      ChannelCase{"Ch1Leaves", {3, 3072, 1664}, true, false, {1, 3072, 0}, false, false},
                      ChannelCase{"NoneLeft", {1, 1, 0}, false, false, {0, 0, 0}, false, false},
                      ChannelCase{"Unchanged", {1, 1664, 0}, true, false, {1, 1664, 0}, false, false}),
    [](const ::testing::TestParamInfo<ChannelCase>& info) { return std::string(info.param.name); });

TEST(FrontPanelTest, TheTriggerFollowsOnlyASoleChannel) {
    EXPECT_EQ(FrontPanel::SoleChannel(1), 0);
    EXPECT_EQ(FrontPanel::SoleChannel(2), 1);
    EXPECT_FALSE(FrontPanel::SoleChannel(0).has_value());
    EXPECT_FALSE(FrontPanel::SoleChannel(3).has_value());
}

}  // namespace
