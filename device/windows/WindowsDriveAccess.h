#pragma once

#include "../DriveAccess.h"

// Opens physical drives ('0'..'9') and drive letters through the SCSI
// pass-through interface.
class WindowsDriveAccess : public DriveAccess {
public:
    std::shared_ptr<ScsiTransport> Open(char drive) override;
};
