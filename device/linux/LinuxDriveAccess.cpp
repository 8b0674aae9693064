#include "LinuxDriveAccess.h"

#include <utility>

#include "SgIoTransport.h"

LinuxDriveAccess::LinuxDriveAccess(std::vector<std::string> nodes) : nodes_(std::move(nodes)) {}

void LinuxDriveAccess::SetNodes(std::vector<std::string> nodes) {
    const std::lock_guard lock(mutex_);
    nodes_ = std::move(nodes);
}

std::vector<std::string> LinuxDriveAccess::Nodes() const {
    const std::lock_guard lock(mutex_);
    return nodes_;
}

std::optional<std::string> LinuxDriveAccess::NodeFor(char drive) const {
    if (drive < '0' || drive > '9') {
        return std::nullopt;
    }
    const std::lock_guard lock(mutex_);
    const std::size_t index = static_cast<std::size_t>(drive - '0');
    if (index >= nodes_.size()) {
        return std::nullopt;
    }
    return nodes_[index];
}

std::shared_ptr<ScsiTransport> LinuxDriveAccess::Open(char drive) {
    const std::optional<std::string> node = NodeFor(drive);
    if (!node) {
        return nullptr;
    }
    return SgIoTransport::Open(*node);
}
