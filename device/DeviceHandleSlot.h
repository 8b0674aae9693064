#pragma once

#include <memory>
#include <mutex>
#include <utility>

#include "ScsiTransport.h"

// The device handle a window (or a capture) shares with its reader threads:
// detection stores the instrument it found, or none, and each reader loads a
// copy on every pass. A mutex rather than std::atomic<std::shared_ptr>: it is
// taken once per vendor command, and every tool, ThreadSanitizer included,
// can follow the order it gives. A handle replaced by store() is released
// outside the lock.
class DeviceHandleSlot {
public:
    DeviceHandleSlot() = default;
    explicit DeviceHandleSlot(std::shared_ptr<ScsiTransport> handle) : handle_(std::move(handle)) {}
    DeviceHandleSlot(const DeviceHandleSlot&) = delete;
    DeviceHandleSlot& operator=(const DeviceHandleSlot&) = delete;

    std::shared_ptr<ScsiTransport> load() const {
        const std::lock_guard lock(mutex_);
        return handle_;
    }
    void store(std::shared_ptr<ScsiTransport> handle) {
        {
            const std::lock_guard lock(mutex_);
            handle_.swap(handle);
        }
        // The previous handle goes here, after the lock.
    }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<ScsiTransport> handle_;
};
