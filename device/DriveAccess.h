#pragma once

#include <memory>

#include "ScsiTransport.h"

// Opens the instrument's drive by its drive character: a digit '0'..'9'
// names a physical drive (on Linux: the n-th SCSI disk in discovery order),
// anything else a drive letter. Returns null when the drive cannot be opened.
class DriveAccess {
public:
    virtual ~DriveAccess() = default;
    virtual std::shared_ptr<ScsiTransport> Open(char drive) = 0;
};
