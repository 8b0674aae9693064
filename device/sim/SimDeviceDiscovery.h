#pragma once

#include <memory>

#include "../DeviceDiscovery.h"
#include "SimulatedInstrument.h"

// The simulated instrument's side of discovery: while plugged in, one disk
// with the instrument's identity string (SimDriveAccess puts it on drive '0');
// unplugged, none.
class SimDeviceDiscovery : public DeviceDiscovery {
public:
    explicit SimDeviceDiscovery(std::shared_ptr<SimulatedInstrument> instrument);

    // Drive '0' follows the plug by itself.
    void RefreshDrives() override {}
    IdentityScan ScanIdentities() override;

private:
    const std::shared_ptr<SimulatedInstrument> instrument_;
};
