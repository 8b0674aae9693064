#include "device/windows/WindowsDeviceDiscovery.h"

#include <gtest/gtest.h>

namespace {

// SetupAPI checks the size field against its own structure: 5 bytes is right
// only for a 32-bit program.
TEST(WindowsDeviceDiscoveryTest, DetailHeaderSizeFollowsThePointerWidth) {
    EXPECT_EQ(InterfaceDetailHeaderSize(), sizeof(void*) == 8 ? 8u : 5u);
}

// The real scan, on whatever disks Windows (or Wine) presents.
TEST(WindowsDeviceDiscoveryTest, ScansThePresentDiskInterfaces) {
    WindowsDeviceDiscovery discovery;
    const IdentityScan scan = discovery.ScanIdentities();
    EXPECT_TRUE(scan.ok()) << scan.error;
    for (const std::string& identity : scan.identities) {
        EXPECT_FALSE(identity.empty());
        EXPECT_LT(identity.size(), kInterfaceDetailBufferSize);
    }
}

}  // namespace
