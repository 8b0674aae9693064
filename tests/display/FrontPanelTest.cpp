#include <gtest/gtest.h>

#include "FrontPanel.h"

namespace {

using Drawer = FrontPanel::LevelDrawer;

TEST(FrontPanelTest, FormatsThreeSignificantDigitsAndOneDecimal) {
    const std::pair<double, const char*> cases[] = {
        {1.0 + 0.1, "1.1"},  {1.1 + 0.1, "1.2"},    {-0.1, "-0.1"},    {0.0, "0.0"},
        {-0.04, "0.0"},  // no "-0.0"
        {0.05, "0.1"},       {0.96, "1.0"},         {9.96, "10.0"},    {1.25, "1.3"},
        {-1.25, "-1.3"},     {12.34, "12.3"},       {123.45, "123.0"},  // three digits survive
        {999.96, "1.00E+3"}, {-1234.5, "-1.23E+3"},
    };
    for (const auto& [volts, text] : cases) {
        EXPECT_EQ(FrontPanel::FormatLevel(volts), text) << volts;
    }
}

TEST(FrontPanelTest, EachArrowClickMovesTheLevelOneTenth) {
    struct Case {
        const char* level;
        std::vector<int> clicks;  // SpinEdit1's value at each click
        const char* text;
    };
    const Case cases[] = {
        {"1", {1, 1}, "1.2"}, {"0", {-1}, "-0.1"}, {"-0.1", {1}, "0.0"},    {"0.04", {1}, "0.1"},
        {"2.5", {-3}, "2.2"}, {"1", {0}, "1.0"},   {"9.9", {1, 1}, "10.1"},
    };
    for (const Case& c : cases) {
        std::string text = c.level;
        for (const int clicks : c.clicks) {
            text = FrontPanel::NudgeLevel(text, clicks).value_or("none");
        }
        EXPECT_EQ(text, c.text) << c.level;
    }
    for (const char* text : {"", "-", "abc", "1.2.3"}) {
        EXPECT_FALSE(FrontPanel::NudgeLevel(text, 1).has_value()) << text;
    }
}

TEST(FrontPanelTest, ParsesFiniteNumbersOnly) {
    const std::pair<const char*, double> numbers[] = {
        {"0", 0.0},  {"1.5", 1.5}, {"-0.5", -0.5}, {" 2 ", 2.0},
        {"+1", 1.0}, {"1.", 1.0},  {".5", 0.5},    {"1e1", 10.0},
    };
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(FrontPanel::ParseLevel(text), value) << text;
    }
    for (const char* text : {"", "-", "+", ".", "1.2.3", "1-2", "abc", "nan", "inf", "1e39", "+-1", "0x10"}) {
        EXPECT_FALSE(FrontPanel::ParseLevel(text).has_value()) << text;
    }
}

TEST(FrontPanelTest, KeyFilterPassesDigitsPointMinusBackspaceAndEnter) {
    for (const char32_t c : std::u32string_view(U"0123456789.-\b\r")) {
        EXPECT_TRUE(FrontPanel::LevelKeyAccepted(c)) << static_cast<int>(c);
    }
    // "+" included: it cannot be typed. Nor can a paste (Ctrl+V) or a
    // digit of another script.
    for (const char32_t c : std::u32string_view(U"+eE, a\x16\x1b\u0661")) {
        EXPECT_FALSE(FrontPanel::LevelKeyAccepted(c)) << static_cast<int>(c);
    }
}

TEST(FrontPanelTest, LevelLineStrideAndXFollowTheDrawer) {
    struct Case {
        Drawer drawer;
        int recordLength;
        std::size_t points;
        double lastX;
    };
    const Case cases[] = {
        // stride 128 / 10 + 1 = 13: i = 0, 13, ... 117
        {Drawer::TriggerOn, 128, 10, 117000.0},
        {Drawer::TriggerChannel, 128, 10, 117.0},
        // below 65 samples the channel and edit drawers space like milliseconds
        {Drawer::TriggerChannel, 64, 10, 63000.0},
        {Drawer::LevelEdit, 64, 64, 63000.0},
        {Drawer::LevelEdit, 65, 65, 64.0},
        {Drawer::LevelEdit, 0, 0, 0.0},
    };
    for (const Case& c : cases) {
        const std::vector<FrontPanel::Point> line = FrontPanel::LevelLine(c.drawer, c.recordLength, 1.5f);
        ASSERT_EQ(line.size(), c.points) << c.recordLength;
        if (!line.empty()) {
            EXPECT_EQ(line.front(), (FrontPanel::Point{0.0, 1.5}));
            EXPECT_EQ(line.back(), (FrontPanel::Point{c.lastX, 1.5}));
        }
    }
}

TEST(FrontPanelTest, ChannelBoxesSetMaskAndTransfer) {
    struct Case {
        FrontPanel::Channels before;
        bool ch0;
        bool ch1;
        FrontPanel::Channels after;
        bool clearCh0;
        bool clearCh1;
    };
    const Case cases[] = {
        {{1, 512, 3072}, true, true, {3, 3072, 3072}, false, true},   // CH1 joins
        {{2, 3072, 3072}, true, true, {3, 3072, 3072}, true, false},  // CH0 joins
        {{3, 3072, 1664}, false, true, {2, 1664, 1664}, false, false},
        {{3, 3072, 1664}, true, false, {1, 3072, 0}, false, false},
        {{1, 1, 0}, false, false, {0, 0, 0}, false, false},
    };
    for (const Case& c : cases) {
        const FrontPanel::ChannelChange change = FrontPanel::SelectChannels(c.before, c.ch0, c.ch1);
        EXPECT_EQ(change.after, c.after) << c.ch0 << c.ch1;
        EXPECT_EQ(change.clearCh0, c.clearCh0) << c.ch0 << c.ch1;
        EXPECT_EQ(change.clearCh1, c.clearCh1) << c.ch0 << c.ch1;
    }
    EXPECT_EQ(FrontPanel::SoleChannel(2), 1);
    EXPECT_FALSE(FrontPanel::SoleChannel(3).has_value());
}

}  // namespace
