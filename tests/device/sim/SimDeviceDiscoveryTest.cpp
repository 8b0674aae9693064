#include "device/sim/SimDeviceDiscovery.h"

#include <gtest/gtest.h>

#include "device/ZeroAdjust.h"

namespace {

TEST(SimDeviceDiscoveryTest, ListsTheInstrumentWhilePluggedIn) {
    SimOptions options;
    options.identityWindow = "OSC13_20";
    auto sim = std::make_shared<SimulatedInstrument>(options);
    SimDeviceDiscovery discovery(sim);

    IdentityScan scan = discovery.ScanIdentities();
    ASSERT_TRUE(scan.ok());
    ASSERT_EQ(scan.identities.size(), 1u);
    EXPECT_EQ(scan.identities[0], sim->IdentityString());
    EXPECT_EQ(ZeroAdjustWindow(scan.identities[0]), "OSC13_20");

    sim->Unplug();
    scan = discovery.ScanIdentities();
    EXPECT_TRUE(scan.ok());
    EXPECT_TRUE(scan.identities.empty());
}

}  // namespace
