#include "device/sim/SimDriveAccess.h"

#include <gtest/gtest.h>

#include "device/SptiCommands.h"

namespace {

TEST(SimDriveAccessTest, PresentsThePluggedInstrumentOnDriveZero) {
    auto sim = std::make_shared<SimulatedInstrument>();
    SimDriveAccess drives(sim);
    const std::shared_ptr<ScsiTransport> drive = drives.Open('0');
    ASSERT_NE(drive, nullptr);
    std::uint8_t inquiry[36];
    ASSERT_TRUE(Inquiry_SPTI(*drive, inquiry));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry + 8), 3), "KRV");
    for (const char other : {'1', '9', 'C', '\0'}) {
        EXPECT_EQ(drives.Open(other), nullptr) << other;
    }
}

TEST(SimDriveAccessTest, FindsNothingWhileUnplugged) {
    auto sim = std::make_shared<SimulatedInstrument>();
    SimDriveAccess drives(sim);
    sim->Unplug();
    EXPECT_EQ(drives.Open('0'), nullptr);
    sim->Replug();
    EXPECT_NE(drives.Open('0'), nullptr);
}

}  // namespace
