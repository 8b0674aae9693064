#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DeviceDiscovery.h"
#include "DriveAccess.h"
#include "ScsiTransport.h"

// Recognising the instrument among the drives, the same way for the window
// and for daq-cli.

// Standard INQUIRY data of the instrument: vendor "KRV", product "Osc...",
// case as it stands.
bool IsInstrumentInquiry(const std::uint8_t* inquiry);

// INQUIRY into inquiry (kInquiryLength bytes). Only a command that succeeded
// counts, and the bytes are cleared first, so an earlier drive's answer can
// never pass for this one's.
bool AnswersAsInstrument(ScsiTransport& drive, std::uint8_t* inquiry);

struct InstrumentDrive {
    char drive = 0;  // '0'..'9'
    std::shared_ptr<ScsiTransport> handle;
};

// Drives '0'..'9' in order: TEST UNIT READY (its result is not needed), then
// INQUIRY into inquiry. Every drive that answers as the instrument is listed,
// or only the first when firstOnly. Any other drive is closed before the next
// one is opened.
std::vector<InstrumentDrive> ProbeInstrumentDrives(DriveAccess& drives, std::uint8_t* inquiry,
                                                   bool firstOnly);

// The zero-adjust window of the first identity that carries one.
std::optional<std::string> FirstZeroAdjustWindow(const IdentityScan& scan);
