#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/ScsiTransport.h"

// The instruments on the backend the command line chose, found and
// identified the way the window does it: drives '0'..'9' answering INQUIRY
// as the instrument, and the zero adjustment from the identity string.
struct FoundInstrument {
    char drive = 0;
    std::shared_ptr<ScsiTransport> handle;
    std::string identity;  // empty when discovery has none
    std::array<float, 2> zeroAdjust{};
    // A zero-adjust code that is no number; the adjustments read before it
    // still apply.
    std::string zeroAdjustProblem;
};

// Every instrument, or only the first when firstOnly. Where discovery lists
// one identity per drive (Linux, the simulated instrument) a drive gets its
// own; otherwise the first identity of an instrument, as the window reads it.
std::vector<FoundInstrument> FindInstruments(const DeviceLink& device, bool firstOnly);

// Whether drive still answers as the instrument.
bool InstrumentAnswers(const DeviceLink& device, char drive);
