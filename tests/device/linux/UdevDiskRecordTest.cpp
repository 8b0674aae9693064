#include "device/linux/UdevDiskRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "device/ZeroAdjust.h"

namespace {

TEST(KernelNameLessTest, FollowsTheKernelsOrder) {
    // Each name sorts before the next.
    const std::vector<const char*> order = {"sda",  "sdb",  "sdy",  "sdz",  "sdaa",
                                            "sdab", "sdaz", "sdba", "sdzz", "sdaaa"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        EXPECT_TRUE(KernelNameLess(order[i], order[i + 1])) << order[i] << " < " << order[i + 1];
        EXPECT_FALSE(KernelNameLess(order[i + 1], order[i])) << order[i + 1] << " !< " << order[i];
    }
    EXPECT_FALSE(KernelNameLess("sdb", "sdb"));
}

TEST(KernelNameLessTest, NumbersSortByValue) {
    EXPECT_TRUE(KernelNameLess("sr2", "sr10"));
    EXPECT_TRUE(KernelNameLess("nvme0n1", "nvme0n2"));
    EXPECT_TRUE(KernelNameLess("nvme2n1", "nvme10n1"));
    EXPECT_FALSE(KernelNameLess("sr10", "sr2"));
    // A name that is a prefix of another comes first.
    EXPECT_TRUE(KernelNameLess("nvme0", "nvme0n1"));
}

UdevDiskRecord Disk(const char* sysname, const char* driver = "sd", const char* sg = "") {
    UdevDiskRecord disk;
    disk.sysname = sysname;
    disk.scsiDriver = driver;
    disk.sgNode = sg;
    return disk;
}

TEST(OrderedScsiDisksTest, KeepsTheScsiDisksInKernelOrder) {
    std::vector<UdevDiskRecord> records = {Disk("sdb", "sd", "/dev/sg3"),
                                           Disk("sr0", "sr", "/dev/sg0"),
                                           Disk("sdaa", "sd", "/dev/sg27"),
                                           Disk("vda", ""),
                                           Disk("loop0", ""),
                                           Disk("sda", "sd", "/dev/sg1"),
                                           Disk("sdz", "sd", "/dev/sg26")};
    std::vector<std::string> names;
    for (const UdevDiskRecord& disk : OrderedScsiDisks(records)) {
        names.push_back(disk.sysname);
    }
    const std::vector<std::string> expected = {"sda", "sdb", "sdz", "sdaa"};
    EXPECT_EQ(names, expected);

    // Whatever order udev lists them in.
    std::mt19937 shuffle(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(records.begin(), records.end(), shuffle);
        std::vector<std::string> nodes;
        for (const UdevDiskRecord& disk : OrderedScsiDisks(records)) {
            nodes.push_back(disk.sgNode);
        }
        EXPECT_EQ(nodes, (std::vector<std::string>{"/dev/sg1", "/dev/sg3", "/dev/sg26", "/dev/sg27"}));
    }
}

UdevDiskRecord Instrument(const char* serial) {
    UdevDiskRecord disk = Disk("sdb", "sd", "/dev/sg2");
    disk.serial = serial;
    disk.devpath = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host6/target6:0:0/6:0:0:0/block/sdb";
    disk.links = {"/dev/disk/by-path/pci-0000:00:14.0-usb-0:2:1.0-scsi-0:0:0:0",
                  std::string("/dev/disk/by-id/usb-") + serial};
    return disk;
}

TEST(DiskIdentityTest, JoinsSerialByIdNameAndPathInUpperCase) {
    const UdevDiskRecord disk = Instrument("KRV_Oscilloscope_OSC13_20-0:0");
    EXPECT_EQ(DiskIdentity(disk),
              "KRV_OSCILLOSCOPE_OSC13_20-0:0 USB-KRV_OSCILLOSCOPE_OSC13_20-0:0 "
              "/DEVICES/PCI0000:00/0000:00:14.0/USB1/1-2/1-2:1.0/HOST6/TARGET6:0:0/6:0:0:0/BLOCK/SDB");
}

TEST(DiskIdentityTest, CarriesTheZeroAdjustWindow) {
    const std::pair<const char*, const char*> cases[] = {
        {"KRV_Oscilloscope_OSC13_20-0:0", "OSC13_20"},
        {"KRV_Oscilloscope_OSC0,14-0:0", "OSC0,14-"},
        {"KRV_Oscilloscope_OSC80-0:0", "OSC80-0:"},
    };
    for (const auto& [serial, window] : cases) {
        EXPECT_EQ(ZeroAdjustWindow(DiskIdentity(Instrument(serial))), window) << serial;
    }
    // Without the udev daemon only the path is known: no model, no window.
    UdevDiskRecord bare = Disk("sdb");
    bare.devpath = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host6/target6:0:0/6:0:0:0/block/sdb";
    EXPECT_EQ(ZeroAdjustWindow(DiskIdentity(bare)), std::nullopt);
}

TEST(HotplugEventFromUdevTest, MapsActionsAndNamesTheDiskInLowerCase) {
    const UdevDiskRecord disk = Instrument("KRV_Oscilloscope_OSC13_20-0:0");
    const std::pair<const char*, HotplugAction> actions[] = {{"add", HotplugAction::Arrival},
                                                             {"remove", HotplugAction::RemoveComplete},
                                                             {"change", HotplugAction::Other},
                                                             {"bind", HotplugAction::Other},
                                                             {"", HotplugAction::Other}};
    for (const auto& [action, expected] : actions) {
        const HotplugEvent event = HotplugEventFromUdev(action, disk);
        EXPECT_EQ(event.action, expected) << action;
        EXPECT_EQ(event.headerType, kDeviceInterfaceHeader);
        EXPECT_EQ(event.name, LowerAscii(DiskIdentity(disk)));
    }
    EXPECT_EQ(ResponseToDeviceChange(HotplugEventFromUdev("remove", disk)),
              DeviceChangeResponse::DetectThenStop);
    EXPECT_EQ(ResponseToDeviceChange(HotplugEventFromUdev("add", Instrument("SanDisk_Cruzer_4C53-0:0"))),
              DeviceChangeResponse::None);
}

}  // namespace
