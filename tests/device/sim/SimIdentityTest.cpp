#include "device/sim/SimIdentity.h"

#include <gtest/gtest.h>

#include "device/ZeroAdjust.h"

namespace {

TEST(SimIdentityTest, AcceptsUpToEightPrintableCharacters) {
    for (const char* window : {"OSC80", "OSC13_20", "OSC0,14", "x", "OSC   "}) {
        const SimIdentityResult result = ParseSimIdentity(window);
        ASSERT_TRUE(result.ok()) << window << ": " << result.error;
        EXPECT_EQ(*result.window, window);
    }
    for (const char* window : {"", "OSC13_200", "OSC\t1_2", "OSC\xC3\xA9"}) {
        const SimIdentityResult result = ParseSimIdentity(window);
        EXPECT_FALSE(result.ok()) << window;
        EXPECT_FALSE(result.error.empty());
    }
}

// Discovery reads the window back out of the identity string and gets what
// was set, also for windows shorter than the eight characters it reads.
TEST(SimIdentityTest, CarriesTheWindowToDiscovery) {
    const std::tuple<const char*, std::optional<float>, std::optional<float>> cases[] = {
        {"OSC80", std::nullopt, std::nullopt},
        {"OSC13_20", ZeroAdjustForCode(13), ZeroAdjustForCode(20)},
        {"OSC0,14", std::nullopt, ZeroAdjustForCode(14)},
        {"OSC0", 0.0f, 0.0f}};
    for (const auto& [window, ch0, ch1] : cases) {
        const std::string identity = SimIdentityString(window);
        EXPECT_NE(identity.find("OSCILLOSCOPE"), std::string::npos);
        const ZeroAdjustUpdate update = ParseZeroAdjust(ZeroAdjustWindow(identity).value_or(""));
        EXPECT_TRUE(update.ok()) << window << ": " << update.error;
        EXPECT_EQ(update.ch0, ch0) << window;
        EXPECT_EQ(update.ch1, ch1) << window;
    }
}

}  // namespace
