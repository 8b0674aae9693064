#pragma once

#include <memory>

#include "../DriveAccess.h"
#include "SimulatedInstrument.h"

// Presents the simulated instrument as physical drive '0' while it is plugged
// in, so discovery finds it the way it finds a real one.
class SimDriveAccess : public DriveAccess {
public:
    static constexpr char kDrive = '0';

    explicit SimDriveAccess(std::shared_ptr<SimulatedInstrument> instrument);
    std::shared_ptr<ScsiTransport> Open(char drive) override;

private:
    std::shared_ptr<SimulatedInstrument> instrument_;
};
