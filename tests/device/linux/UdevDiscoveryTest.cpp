#include "device/linux/UdevDiscovery.h"

#include <gtest/gtest.h>

#include <poll.h>

#include "device/linux/UdevHotplugMonitor.h"

namespace {

// The real enumeration, on whatever disks this machine has.
TEST(UdevDiscoveryTest, ScansThisMachinesDisksInDriveOrder) {
    const UdevDiscovery::DiskScan scan = UdevDiscovery::ScanDisks();
    ASSERT_EQ(scan.error, 0);
    for (std::size_t i = 0; i < scan.disks.size(); ++i) {
        EXPECT_EQ(scan.disks[i].scsiDriver, "sd") << scan.disks[i].sysname;
        if (i > 0) {
            EXPECT_TRUE(KernelNameLess(scan.disks[i - 1].sysname, scan.disks[i].sysname));
        }
    }

    auto drives = std::make_shared<LinuxDriveAccess>(std::vector<std::string>{"/dev/stale"});
    UdevDiscovery discovery(drives);
    discovery.RefreshDrives();
    EXPECT_EQ(drives->Nodes().size(), scan.disks.size());
    const IdentityScan identities = discovery.ScanIdentities();
    EXPECT_TRUE(identities.ok());
    EXPECT_EQ(identities.identities.size(), scan.disks.size());
}

TEST(UdevHotplugMonitorTest, ReadingWithNothingWaitingReturnsAtOnce) {
    const std::unique_ptr<UdevHotplugMonitor> monitor = UdevHotplugMonitor::Create();
    if (monitor == nullptr) {
        GTEST_SKIP() << "no netlink socket for udev here";
    }
    ASSERT_GE(monitor->Fd(), 0);
    pollfd fd{monitor->Fd(), POLLIN, 0};
    if (poll(&fd, 1, 0) == 0) {
        EXPECT_TRUE(monitor->ReadEvents().empty());
    }
}

}  // namespace
