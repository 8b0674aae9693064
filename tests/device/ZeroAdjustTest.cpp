#include "device/ZeroAdjust.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct WindowCase {
    std::string window;
    std::optional<float> ch0;
    std::optional<float> ch1;
    bool ok;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << '"' << c.window << '"';
}

class ParseZeroAdjustTest : public testing::TestWithParam<WindowCase> {};

TEST_P(ParseZeroAdjustTest, ChangesWhatTheWindowSays) {
    const WindowCase& c = GetParam();
    const ZeroAdjustUpdate update = ParseZeroAdjust(c.window);
    EXPECT_EQ(update.ok(), c.ok) << update.error;
    ASSERT_EQ(update.ch0.has_value(), c.ch0.has_value());
    ASSERT_EQ(update.ch1.has_value(), c.ch1.has_value());
    if (c.ch0) {
        EXPECT_FLOAT_EQ(*update.ch0, *c.ch0);
    }
    if (c.ch1) {
        EXPECT_FLOAT_EQ(*update.ch1, *c.ch1);
    }
}

constexpr std::nullopt_t kKeep = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Windows, ParseZeroAdjustTest,
    testing::Values(WindowCase{"OSC13_20", -0.40f, 0.19f, true},
                    // A part reading "0" leaves its channel alone.
                    WindowCase{"OSC0,14", kKeep, 0.01f, true}, WindowCase{"OSC14_0", 0.01f, kKeep, true},
                    WindowCase{"OSC0_0", kKeep, kKeep, true},
                    // The factory window, anywhere in the text, means no adjustment.
                    WindowCase{"OSC80", kKeep, kKeep, true}, WindowCase{"OSC80   ", kKeep, kKeep, true},
                    WindowCase{"XXOSC80X", kKeep, kKeep, true},
                    // Nothing or a single 0 after "OSC" zeroes both.
                    WindowCase{"OSC0", 0.0f, 0.0f, true}, WindowCase{"OSC     ", 0.0f, 0.0f, true},
                    WindowCase{"OSC", 0.0f, 0.0f, true}, WindowCase{"OSC 0\t", 0.0f, 0.0f, true},
                    WindowCase{"  OSC1_2", -0.04f, -0.07f, true},
                    // No "OSC" or no separator: nothing to read.
                    WindowCase{"ABCDEFGH", kKeep, kKeep, true}, WindowCase{"OSC1314", kKeep, kKeep, true},
                    // Malformed codes are errors; a code read before one still counts.
                    WindowCase{"OSCx_20", kKeep, kKeep, false}, WindowCase{"OSC_20", kKeep, kKeep, false},
                    WindowCase{"OSC13_2x", -0.40f, kKeep, false},
                    WindowCase{"OSC13_", -0.40f, kKeep, false}));

TEST(ParseZeroAdjustErrorTest, NamesTheCodeThatIsNotAnInteger) {
    const std::pair<const char*, const char*> cases[] = {
        {"OSCx_20", "x"}, {"OSC_20", ""}, {"OSC13_2x", "2x"}, {"OSC1,3 4", "3 4"}};
    for (const auto& [window, bad] : cases) {
        const ZeroAdjustUpdate update = ParseZeroAdjust(window);
        EXPECT_FALSE(update.ok()) << window;
        EXPECT_EQ(update.badCode, bad) << window;
    }
    EXPECT_TRUE(ParseZeroAdjust("OSC13_20").badCode.empty());
}

TEST(ZeroAdjustForCodeTest, LowCodesGoDownHighCodesUp) {
    const std::pair<int, float> table[] = {{0, -0.01f}, {1, -0.04f}, {13, -0.40f},
                                           {14, 0.01f}, {15, 0.04f}, {20, 0.19f}};
    for (const auto& [code, volts] : table) {
        EXPECT_FLOAT_EQ(ZeroAdjustForCode(code), volts) << code;
    }
}

TEST(ZeroAdjustUpdateTest, AppliesOnlyTheChannelsItNames) {
    float zero0 = 0.5f;
    float zero1 = 0.5f;
    ParseZeroAdjust("OSC0,14").ApplyTo(zero0, zero1);
    EXPECT_EQ(zero0, 0.5f);
    EXPECT_FLOAT_EQ(zero1, 0.01f);
}

TEST(ZeroAdjustWindowTest, FindsTheWindowAfterTheModelName) {
    EXPECT_EQ(
        ZeroAdjustWindow("\\\\?\\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc13_20&0#{53f56307}"),
        "OSC13_20");
    EXPECT_EQ(ZeroAdjustWindow("USBSTOR#DISK&VEN_KRV&PROD_OSCILLOSCOPE&REV_1.00#1234"), "&REV_1.0");
    EXPECT_EQ(ZeroAdjustWindow("USBSTOR#DISK&PROD_OSCILLOSCOPE#OSC0"), "OSC0");
    EXPECT_FALSE(ZeroAdjustWindow("USBSTOR#DISK&VEN_SANDISK&PROD_CRUZER#OSC13_20").has_value());
}

}  // namespace
