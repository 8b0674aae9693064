#pragma once

#include <scsi/sg.h>

#include <cstdint>

#include "../ScsiTransport.h"

// Building the SG_IO header for a command and judging what came back, kept
// apart from the ioctl so both can be checked without an instrument.

inline constexpr unsigned char kSgSenseBufferLength = 32;

// The header for command, writing sense data to senseBuffer (32 bytes). The
// kernel only reads the CDB, which stays in command.
sg_io_hdr_t BuildSgIoHeader(const ScsiCommand& command, std::uint8_t* senseBuffer);

// The result of an SG_IO ioctl that returned ioctlResult with errno error.
// The verdicts are taken in order: the ioctl itself (ENODEV and ENXIO mean the
// device is gone, and EIO does too once its node has disappeared), the info
// summary bit, host status, driver status, SCSI status, sense data written.
// transferred is dxfer_len less the residue.
ScsiResult EvaluateSgIo(int ioctlResult, int error, const sg_io_hdr_t& header, bool nodePresent);
