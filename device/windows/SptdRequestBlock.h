#pragma once

// clang-format off
#include <windows.h>
#include <ntddscsi.h>
// clang-format on

#include <cstddef>

#include "../ScsiTransport.h"
#include "SptdLayout.h"

// The pass-through request: SCSI_PASS_THROUGH_DIRECT, a filler and the sense
// buffer. One block is both input and output of DeviceIoControl, so the
// driver writes status, sense and the length moved back into it.
struct SptdRequestBlock {
    SCSI_PASS_THROUGH_DIRECT sptd;
    ULONG filler;
    UCHAR sense[32];
};

// The native layout must be the one the mirrors describe for this pointer
// width; the 32-bit figures (44-byte structure, sense at 48, 80 bytes) hold
// only for a 32-bit build.
static_assert(sizeof(SCSI_PASS_THROUGH_DIRECT) == sizeof(NativeSptdRequestBlockMirror::sptd));
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, DataTransferLength) ==
              offsetof(SptdMirror<std::uintptr_t>, DataTransferLength));
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, TimeOutValue) ==
              offsetof(SptdMirror<std::uintptr_t>, TimeOutValue));
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, DataBuffer) ==
              offsetof(SptdMirror<std::uintptr_t>, DataBuffer));
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, SenseInfoOffset) ==
              offsetof(SptdMirror<std::uintptr_t>, SenseInfoOffset));
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, Cdb) == offsetof(SptdMirror<std::uintptr_t>, Cdb));
static_assert(offsetof(SptdRequestBlock, sense) == offsetof(NativeSptdRequestBlockMirror, sense));
static_assert(sizeof(SptdRequestBlock) == sizeof(NativeSptdRequestBlockMirror));
static_assert(IOCTL_SCSI_PASS_THROUGH_DIRECT == 0x4D014);

inline constexpr UCHAR kSptdTargetId = 1;
inline constexpr UCHAR kSptdSenseInfoLength = 24;

// Zeroes block and fills it for command: target 1, 24 sense bytes, data in
// (even without data, as the instrument's driver expects), the command's
// length, timeout, buffer and CDB.
void BuildSptdRequest(SptdRequestBlock& block, const ScsiCommand& command);

// Success needs both a delivered request (ioctlSucceeded) and GOOD status.
// transferred is the length the driver wrote back, at most what was asked;
// removal errors (device not connected, no such device, ...) mark the device
// gone.
ScsiResult EvaluateSptdResult(bool ioctlSucceeded, DWORD error, const SptdRequestBlock& block,
                              const ScsiCommand& command);
