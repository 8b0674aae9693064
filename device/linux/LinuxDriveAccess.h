#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "../DriveAccess.h"

// Drive digit n is the n-th SCSI generic node in the list discovery hands
// over. Linux has no drive letters, so any other character opens nothing.
class LinuxDriveAccess : public DriveAccess {
public:
    LinuxDriveAccess() = default;
    explicit LinuxDriveAccess(std::vector<std::string> nodes);

    // Replaces the node list, e.g. after a device was plugged in.
    void SetNodes(std::vector<std::string> nodes);
    std::vector<std::string> Nodes() const;

    // The node drive stands for; empty for a non-digit or a digit past the
    // end of the list.
    std::optional<std::string> NodeFor(char drive) const;

    std::shared_ptr<ScsiTransport> Open(char drive) override;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> nodes_;
};
