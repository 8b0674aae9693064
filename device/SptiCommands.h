#pragma once

#include <cstdint>

#include "ScsiTransport.h"

// The three commands under the names the rest of the program knows them by.
// Each sends one command on the transport and reports success only when the
// instrument answered it with GOOD status.

bool TEST_UNIT_READY_SPTI(ScsiTransport& transport);

// buffer receives the 36 bytes of standard INQUIRY data.
bool Inquiry_SPTI(ScsiTransport& transport, std::uint8_t* buffer);

// buffer holds blockCount * 512 bytes and receives the sample frames. A block
// count outside 1..255 cannot be put in the CDB, so no command is sent and the
// call fails. received, when given, gets the bytes that actually arrived
// (0 when the command could not be delivered). deviceGone, when given, tells
// whether the failure was the device going away, so a reader can stop
// sending to a handle that will never answer again.
bool Vendor_SPTI(ScsiTransport& transport, std::uint32_t rateCode, std::uint8_t* buffer, int blockCount,
                 std::uint32_t* received = nullptr, bool* deviceGone = nullptr);
