// clang-format off
#include <windows.h>
#include <initguid.h>
#include <usbiodef.h>
#include <ntddstor.h>
// clang-format on

#include "device/windows/WindowsDeviceNotifications.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <vector>

namespace {

TEST(DeviceNotificationClassesTest, UsbDevicesThenDisksAsWindowsDefinesThem) {
    const std::array<GUID, 2> classes = DeviceNotificationClasses();
    EXPECT_TRUE(IsEqualGUID(classes[0], GUID_DEVINTERFACE_USB_DEVICE));
    EXPECT_TRUE(IsEqualGUID(classes[1], GUID_DEVINTERFACE_DISK));
    EXPECT_TRUE(IsEqualGUID(kGuidDevinterfaceDisk, GUID_DEVINTERFACE_DISK));
}

TEST(DeviceInterfaceFilterTest, NamesTheClassWithTheStructuresOwnSize) {
    const DEV_BROADCAST_DEVICEINTERFACE_A filter = DeviceInterfaceFilter(kGuidDevinterfaceDisk);
    EXPECT_EQ(filter.dbcc_size, 32u);
    EXPECT_EQ(filter.dbcc_size, sizeof(DEV_BROADCAST_DEVICEINTERFACE_A));
    EXPECT_EQ(filter.dbcc_devicetype, 5u);
    EXPECT_EQ(filter.dbcc_reserved, 0u);
    EXPECT_TRUE(IsEqualGUID(filter.dbcc_classguid, GUID_DEVINTERFACE_DISK));
    EXPECT_EQ(filter.dbcc_name[0], '\0');
}

TEST(RegisterDeviceInterfaceNotificationsTest, AWindowRegistersForBothClasses) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "DaqDeviceNotificationTest";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    DWORD error = 1;
    std::shared_ptr<void> registrations = RegisterDeviceInterfaceNotifications(window, &error);
    EXPECT_EQ(error, 0u);
    EXPECT_NE(registrations, nullptr);
    registrations.reset();  // unregisters both
    DestroyWindow(window);
}

// A broadcast as Windows sends it: the device-interface header followed by
// the UTF-16 name and its NUL; size is what dbcc_size claims.
class Broadcast {
public:
    explicit Broadcast(const wchar_t* name, DWORD type = DBT_DEVTYP_DEVICEINTERFACE) {
        const std::size_t chars = std::wcslen(name) + 1;
        const std::size_t bytes =
            offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + chars * sizeof(wchar_t);
        storage_.resize((bytes + sizeof(DWORD) - 1) / sizeof(DWORD) + 1);
        auto* broadcast = Get();
        broadcast->dbcc_size = static_cast<DWORD>(bytes);
        broadcast->dbcc_devicetype = type;
        broadcast->dbcc_classguid = kGuidDevinterfaceDisk;
        std::memcpy(broadcast->dbcc_name, name, chars * sizeof(wchar_t));
    }
    DEV_BROADCAST_DEVICEINTERFACE_W* Get() {
        return reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage_.data());
    }
    LPARAM Param() { return reinterpret_cast<LPARAM>(storage_.data()); }

private:
    std::vector<DWORD> storage_;
};

constexpr const wchar_t* kInstrument =
    L"\\\\?\\USBSTOR#Disk&Ven_KRV&Prod_Oscilloscope&Rev_1.00#OSC13_20&0#{53f56307-b6bf-11d0-94f2-"
    L"00a0c91efb8b}";

TEST(DecodeDeviceChangeTest, ArrivalAndRemovalCarryTheLowerCaseName) {
    Broadcast broadcast(kInstrument);
    const std::string expected =
        "\\\\?\\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc13_20&0#{53f56307-b6bf-11d0-94f2-"
        "00a0c91efb8b}";
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, broadcast.Param()),
              (HotplugEvent{HotplugAction::Arrival, 5, expected}));
    EXPECT_EQ(DecodeDeviceChange(0x8004, broadcast.Param()),
              (HotplugEvent{HotplugAction::RemoveComplete, 5, expected}));
    EXPECT_EQ(ResponseToDeviceChange(DecodeDeviceChange(0x8000, broadcast.Param())),
              DeviceChangeResponse::Detect);
}

TEST(DecodeDeviceChangeTest, OtherEventsAreNotRead) {
    // DBT_DEVNODES_CHANGED comes without a header: lParam is 0.
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVNODES_CHANGED, 0), HotplugEvent{});
    Broadcast broadcast(kInstrument);
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEQUERYREMOVE, broadcast.Param()), HotplugEvent{});
    // An arrival without a header names nothing.
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, 0), (HotplugEvent{HotplugAction::Arrival, 0, ""}));
}

TEST(DecodeDeviceChangeTest, OtherHeaderTypesKeepTheirTypeButNoName) {
    Broadcast volume(kInstrument, DBT_DEVTYP_VOLUME);
    const HotplugEvent event = DecodeDeviceChange(DBT_DEVICEARRIVAL, volume.Param());
    EXPECT_EQ(event.headerType, static_cast<DWORD>(DBT_DEVTYP_VOLUME));
    EXPECT_TRUE(event.name.empty());
    EXPECT_EQ(ResponseToDeviceChange(event), DeviceChangeResponse::None);
}

TEST(DecodeDeviceChangeTest, NeverReadsPastTheStatedSize) {
    Broadcast broadcast(L"\\\\?\\oscilloscope");
    const DWORD nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    broadcast.Get()->dbcc_size = nameOffset + 4 * sizeof(wchar_t);
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, broadcast.Param()).name, "\\\\?\\");
    broadcast.Get()->dbcc_size = nameOffset;
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, broadcast.Param()).name, "");
    // A size below the common header is not a header at all.
    broadcast.Get()->dbcc_size = 4;
    EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, broadcast.Param()),
              (HotplugEvent{HotplugAction::Arrival, 0, ""}));
}

TEST(NarrowInterfaceNameTest, KeepsAsciiAndMarksTheRest) {
    EXPECT_EQ(NarrowInterfaceName(L"USB#Vid_1234", 100), "USB#Vid_1234");
    EXPECT_EQ(NarrowInterfaceName(L"Caf\u00e9 \u4e2d", 100), "Caf? ?");
    EXPECT_EQ(NarrowInterfaceName(L"abcdef", 3), "abc");
}

}  // namespace
