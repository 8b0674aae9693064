#include "device/sim/SimIdentity.h"

#include <gtest/gtest.h>

#include <ostream>

#include "device/ZeroAdjust.h"

namespace {

TEST(ParseSimIdentityTest, AcceptsUpToEightPrintableCharacters) {
    for (const char* window : {"OSC80", "OSC13_20", "OSC0,14", "x", "OSC   "}) {
        const SimIdentityResult result = ParseSimIdentity(window);
        ASSERT_TRUE(result.ok()) << window << ": " << result.error;
        EXPECT_EQ(*result.window, window);
    }
}

TEST(ParseSimIdentityTest, RefusesEmptyLongAndUnprintable) {
    for (const char* window : {"", "OSC13_200", "OSC\t1_2", "OSC\xC3\xA9"}) {
        const SimIdentityResult result = ParseSimIdentity(window);
        EXPECT_FALSE(result.ok()) << window;
        EXPECT_FALSE(result.error.empty());
    }
}

struct IdentityCase {
    std::string window;
    std::optional<float> ch0;
    std::optional<float> ch1;
};

void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << '"' << c.window << '"';
}

class SimIdentityStringTest : public testing::TestWithParam<IdentityCase> {};

// Discovery reads the window back out of the path and gets what was set, even
// for windows shorter than the eight characters it reads.
TEST_P(SimIdentityStringTest, CarriesTheWindowToDiscovery) {
    const std::string identity = SimIdentityString(GetParam().window);
    EXPECT_NE(identity.find("OSCILLOSCOPE"), std::string::npos);
    const std::optional<std::string> window = ZeroAdjustWindow(identity);
    ASSERT_TRUE(window.has_value());
    const ZeroAdjustUpdate update = ParseZeroAdjust(*window);
    EXPECT_TRUE(update.ok()) << update.error;
    EXPECT_EQ(update.ch0, GetParam().ch0);
    EXPECT_EQ(update.ch1, GetParam().ch1);
}

INSTANTIATE_TEST_SUITE_P(Windows, SimIdentityStringTest,
                         testing::Values(IdentityCase{"OSC80", std::nullopt, std::nullopt},
                                         IdentityCase{"OSC13_20", ZeroAdjustForCode(13),
                                                      ZeroAdjustForCode(20)},
                                         IdentityCase{"OSC0,14", std::nullopt, ZeroAdjustForCode(14)},
                                         IdentityCase{"OSC0", 0.0f, 0.0f}));

}  // namespace
