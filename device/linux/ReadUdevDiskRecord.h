#pragma once

#include <libudev.h>

#include "UdevDiskRecord.h"

// Reads what discovery needs from a udev block disk. For a disk that is gone
// (a "remove" event) sysfs no longer has its SCSI device, so the driver and
// the generic node stay empty; udev still reports its identity.
UdevDiskRecord ReadUdevDiskRecord(udev_device* disk);
