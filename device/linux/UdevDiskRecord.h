#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../HotplugEvent.h"

// What discovery needs to know of one block disk, as udev describes it. Kept
// apart from libudev so the ordering and naming rules are checked on made-up
// disks.
struct UdevDiskRecord {
    std::string sysname;             // kernel name: "sda", "sdaa"
    std::string devpath;             // "/devices/.../host6/target6:0:0/6:0:0:0/block/sdb"
    std::string scsiDriver;          // driver of the SCSI device behind the disk ("sd"); empty if none
    std::string sgNode;              // that SCSI device's generic node ("/dev/sg2"); empty without sg
    std::string serial;              // ID_SERIAL: "KRV_Oscilloscope_OSC13_20-0:0"
    std::vector<std::string> links;  // DEVLINKS: "/dev/disk/by-id/usb-KRV_Oscilloscope_OSC13_20-0:0", ...
};

// The kernel's own order of disk names: sda ... sdz, sdaa ... A run of
// letters sorts shorter first, a run of digits by its value.
bool KernelNameLess(std::string_view a, std::string_view b);

// The SCSI disks among records (those the sd driver runs, which leaves out
// CD drives, loop and virtio disks) in kernel-name order: drive digit n
// stands for the n-th.
std::vector<UdevDiskRecord> OrderedScsiDisks(std::vector<UdevDiskRecord> records);

// The text discovery searches for "OSCILLOSCOPE" and the zero-adjust window,
// upper case: ID_SERIAL, then the names of the disk's /dev/disk/by-id links,
// then its device path, separated by blanks.
std::string DiskIdentity(const UdevDiskRecord& disk);

// A udev event on a disk: "add" arrives, "remove" is a completed removal,
// anything else ("change", "bind", ...) is another event. The name is the
// disk's identity in lower case.
HotplugEvent HotplugEventFromUdev(std::string_view action, const UdevDiskRecord& disk);
