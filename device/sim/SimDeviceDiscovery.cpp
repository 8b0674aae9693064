#include "SimDeviceDiscovery.h"

#include <utility>

SimDeviceDiscovery::SimDeviceDiscovery(std::shared_ptr<SimulatedInstrument> instrument)
    : instrument_(std::move(instrument)) {}

IdentityScan SimDeviceDiscovery::ScanIdentities() {
    IdentityScan scan;
    if (instrument_ != nullptr && instrument_->IsPlugged()) {
        scan.identities.push_back(instrument_->IdentityString());
    }
    return scan;
}
