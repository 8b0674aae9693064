#pragma once

#include <cstdint>

#include "ScsiTransport.h"

// The instrument's three commands, built byte for byte as it expects them.
// Every backend sends exactly these CDBs; only the way they reach the device
// differs.

inline constexpr std::uint8_t kTestUnitReadyOpcode = 0x00;
inline constexpr std::uint8_t kInquiryOpcode = 0x12;
inline constexpr std::uint8_t kVendorReadOpcode = 0xFE;

inline constexpr std::uint32_t kInquiryLength = 36;

// The vendor command's block count travels in one CDB byte.
inline constexpr int kMaxVendorBlocks = 255;

inline constexpr std::uint32_t kProbeTimeoutSeconds = 2;

// The slowest transfer a vendor command can ask for is a full block at
// 64 S/s: 128 frames, 2 s. 5 s covers it with a margin for USB retries. A
// longer limit would only let a hung instrument block the reader thread, and
// the shutdown that joins it, for that much longer.
inline constexpr std::uint32_t kVendorTimeoutSeconds = 5;

// TEST UNIT READY: a 10-byte all-zero CDB without data.
ScsiCommand TestUnitReadyCommand();

// Standard INQUIRY for 36 bytes into buffer.
ScsiCommand InquiryCommand(std::uint8_t* buffer);

// The vendor read: opcode 0xFE, the rate code big-endian in bytes 2-5 and the
// number of 512-byte blocks in byte 8. blockCount must be 1..255.
ScsiCommand VendorReadCommand(std::uint32_t rateCode, std::uint8_t* buffer, int blockCount);
