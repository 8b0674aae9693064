#include "SimDriveAccess.h"

#include <utility>

SimDriveAccess::SimDriveAccess(std::shared_ptr<SimulatedInstrument> instrument)
    : instrument_(std::move(instrument)) {}

std::shared_ptr<ScsiTransport> SimDriveAccess::Open(char drive) {
    if (drive != kDrive || instrument_ == nullptr || !instrument_->IsPlugged()) {
        return nullptr;
    }
    return instrument_;
}
