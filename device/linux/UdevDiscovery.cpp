#include "UdevDiscovery.h"

#include <cerrno>
#include <utility>

#include "ReadUdevDiskRecord.h"
#include "UdevHandles.h"

UdevDiscovery::UdevDiscovery(std::shared_ptr<LinuxDriveAccess> drives) : drives_(std::move(drives)) {}

UdevDiscovery::DiskScan UdevDiscovery::ScanDisks() {
    DiskScan scan;
    const UdevPtr context(udev_new());
    if (context == nullptr) {
        scan.error = errno != 0 ? errno : ENOMEM;
        return scan;
    }
    const UdevEnumeratePtr enumerate(udev_enumerate_new(context.get()));
    if (enumerate == nullptr) {
        scan.error = errno != 0 ? errno : ENOMEM;
        return scan;
    }
    int result = udev_enumerate_add_match_subsystem(enumerate.get(), "block");
    if (result >= 0) {
        result = udev_enumerate_add_match_property(enumerate.get(), "DEVTYPE", "disk");
    }
    if (result >= 0) {
        result = udev_enumerate_scan_devices(enumerate.get());
    }
    if (result < 0) {
        scan.error = -result;
        return scan;
    }
    std::vector<UdevDiskRecord> records;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        // A disk that vanished since the scan is simply not there.
        const UdevDevicePtr disk(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (disk != nullptr) {
            records.push_back(ReadUdevDiskRecord(disk.get()));
        }
    }
    scan.disks = OrderedScsiDisks(std::move(records));
    return scan;
}

void UdevDiscovery::RefreshDrives() {
    const DiskScan scan = ScanDisks();
    if (scan.error != 0 || drives_ == nullptr) {
        return;
    }
    std::vector<std::string> nodes;
    for (const UdevDiskRecord& disk : scan.disks) {
        nodes.push_back(disk.sgNode);
    }
    drives_->SetNodes(std::move(nodes));
}

IdentityScan UdevDiscovery::ScanIdentities() {
    DiskScan disks = ScanDisks();
    IdentityScan scan;
    scan.error = disks.error;
    for (const UdevDiskRecord& disk : disks.disks) {
        scan.identities.push_back(DiskIdentity(disk));
    }
    return scan;
}
