#include "device/linux/LinuxDriveAccess.h"

#include <gtest/gtest.h>

namespace {

TEST(LinuxDriveAccessTest, DigitsNameNodesInDiscoveryOrder) {
    LinuxDriveAccess drives({"/dev/sg1", "/dev/sg4"});
    EXPECT_EQ(drives.NodeFor('0'), "/dev/sg1");
    EXPECT_EQ(drives.NodeFor('1'), "/dev/sg4");
    EXPECT_FALSE(drives.NodeFor('2').has_value());
    drives.SetNodes({"/dev/sg7"});
    EXPECT_EQ(drives.NodeFor('0'), "/dev/sg7");
    EXPECT_FALSE(drives.NodeFor('1').has_value());
}

TEST(LinuxDriveAccessTest, DriveLettersOpenNothing) {
    LinuxDriveAccess drives({"/dev/sg1"});
    for (const char letter : {'C', 'c', 'Z', ':', '\0'}) {
        EXPECT_FALSE(drives.NodeFor(letter).has_value()) << letter;
        EXPECT_EQ(drives.Open(letter), nullptr);
    }
}

TEST(LinuxDriveAccessTest, ANodeThatIsNotScsiGenericOpensNothing) {
    LinuxDriveAccess drives({"/dev/null", "/nonexistent/sg0"});
    EXPECT_EQ(drives.Open('0'), nullptr);
    EXPECT_EQ(drives.Open('1'), nullptr);
}

}  // namespace
