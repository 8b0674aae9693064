#pragma once

#include <string>
#include <vector>

// The identity strings of the disks present: the interface path (Windows) or
// the udev identity (Linux) that carries the instrument's model name and its
// zero-adjust window.
struct IdentityScan {
    std::vector<std::string> identities;  // in the platform's enumeration order
    long error = 0;                       // why the scan could not start (GetLastError, errno); 0 if it ran

    bool ok() const { return error == 0; }
};

// Finds the disks. RefreshDrives decides which disk a drive digit opens where
// the platform does not fix that itself (Linux: digit n is the n-th SCSI disk
// at the last refresh); ScanIdentities lists what is present for the
// zero-adjust window.
class DeviceDiscovery {
public:
    virtual ~DeviceDiscovery() = default;
    virtual void RefreshDrives() = 0;
    virtual IdentityScan ScanIdentities() = 0;
};
