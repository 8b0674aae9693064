#include "ReadUdevDiskRecord.h"

#include "UdevHandles.h"

namespace {

std::string Text(const char* value) {
    return value != nullptr ? std::string(value) : std::string();
}

// The scsi_generic child of the SCSI device: the node that takes the
// instrument's vendor command.
std::string GenericNode(udev_device* scsiDevice) {
    const UdevEnumeratePtr children(udev_enumerate_new(udev_device_get_udev(scsiDevice)));
    if (children == nullptr || udev_enumerate_add_match_parent(children.get(), scsiDevice) < 0 ||
        udev_enumerate_add_match_subsystem(children.get(), "scsi_generic") < 0 ||
        udev_enumerate_scan_devices(children.get()) < 0) {
        return {};
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(children.get())) {
        const UdevDevicePtr generic(
            udev_device_new_from_syspath(udev_device_get_udev(scsiDevice), udev_list_entry_get_name(entry)));
        if (generic != nullptr && udev_device_get_devnode(generic.get()) != nullptr) {
            return udev_device_get_devnode(generic.get());
        }
    }
    return {};
}

}  // namespace

UdevDiskRecord ReadUdevDiskRecord(udev_device* disk) {
    UdevDiskRecord record;
    record.sysname = Text(udev_device_get_sysname(disk));
    record.devpath = Text(udev_device_get_devpath(disk));
    record.serial = Text(udev_device_get_property_value(disk, "ID_SERIAL"));
    udev_list_entry* link = nullptr;
    udev_list_entry_foreach(link, udev_device_get_devlinks_list_entry(disk)) {
        record.links.push_back(Text(udev_list_entry_get_name(link)));
    }
    // Owned by disk; not to be unreferenced here.
    udev_device* scsiDevice = udev_device_get_parent_with_subsystem_devtype(disk, "scsi", "scsi_device");
    if (scsiDevice != nullptr) {
        record.scsiDriver = Text(udev_device_get_driver(scsiDevice));
        record.sgNode = GenericNode(scsiDevice);
    }
    return record;
}
