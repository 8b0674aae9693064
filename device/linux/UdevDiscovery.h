#pragma once

#include <memory>
#include <vector>

#include "../DeviceDiscovery.h"
#include "LinuxDriveAccess.h"
#include "UdevDiskRecord.h"

// Discovery through libudev: the SCSI disks present, in kernel-name order.
// Drive digit n opens the generic node of the n-th; its identity is the text
// DiskIdentity builds from what udev knows of it. Enumeration reads sysfs, so
// it works without a running udev daemon (the identities then lack ID_SERIAL
// and the by-id links).
class UdevDiscovery : public DeviceDiscovery {
public:
    explicit UdevDiscovery(std::shared_ptr<LinuxDriveAccess> drives);

    // Hands the generic nodes of the disks present to the drive access; a
    // disk without one keeps its place with an empty node, which opens
    // nothing. A failed scan leaves the list as it was.
    void RefreshDrives() override;
    IdentityScan ScanIdentities() override;

    struct DiskScan {
        std::vector<UdevDiskRecord> disks;  // in drive order
        long error = 0;                     // errno of a scan that could not run
    };
    static DiskScan ScanDisks();

private:
    const std::shared_ptr<LinuxDriveAccess> drives_;
};
