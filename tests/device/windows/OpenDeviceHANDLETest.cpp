#include "device/windows/OpenDeviceHANDLE.h"

#include <gtest/gtest.h>

#include "device/windows/WindowsDriveAccess.h"

namespace {

TEST(DeviceHandlePathTest, DigitsArePhysicalDrivesOthersDriveLetters) {
    EXPECT_EQ(DeviceHandlePath('0'), "\\\\.\\PHYSICALDRIVE0");
    EXPECT_EQ(DeviceHandlePath('3'), "\\\\.\\PHYSICALDRIVE3");
    EXPECT_EQ(DeviceHandlePath('9'), "\\\\.\\PHYSICALDRIVE9");
    EXPECT_EQ(DeviceHandlePath('E'), "\\\\.\\E:");
    EXPECT_EQ(DeviceHandlePath('e'), "\\\\.\\e:");
}

// A drive that cannot be opened gives no transport rather than one bound to
// an invalid handle.
TEST(WindowsDriveAccessTest, ADriveThatCannotBeOpenedGivesNothing) {
    WindowsDriveAccess drives;
    EXPECT_EQ(OpenDeviceHANDLE('?'), INVALID_HANDLE_VALUE);
    EXPECT_EQ(drives.Open('?'), nullptr);
}

}  // namespace
