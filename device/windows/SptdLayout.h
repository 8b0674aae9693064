#pragma once

#include <cstddef>
#include <cstdint>

// Byte-exact mirrors of SCSI_PASS_THROUGH_DIRECT and of the request block
// around it, for 32-bit and 64-bit Windows. The structure holds a pointer, so
// its layout follows the pointer width: a 64-bit program must send the 56-byte
// layout (DataBuffer at 24), or the driver rejects the request. The mirrors
// need no Windows headers, so the layouts are checked on every build; the
// Windows build also checks the native structure against its mirror.

template <typename Pointer>
struct SptdMirror {
    std::uint16_t Length;
    std::uint8_t ScsiStatus;
    std::uint8_t PathId;
    std::uint8_t TargetId;
    std::uint8_t Lun;
    std::uint8_t CdbLength;
    std::uint8_t SenseInfoLength;
    std::uint8_t DataIn;
    std::uint32_t DataTransferLength;
    std::uint32_t TimeOutValue;
    alignas(sizeof(Pointer)) Pointer DataBuffer;
    std::uint32_t SenseInfoOffset;
    std::uint8_t Cdb[16];
};

// The structure, a filler and a 32-byte sense buffer; the sense offset given
// to the driver is where that buffer lands.
template <typename Pointer>
struct SptdRequestBlockMirror {
    SptdMirror<Pointer> sptd;
    std::uint32_t filler;
    std::uint8_t sense[32];
};

using SptdMirror32 = SptdMirror<std::uint32_t>;
using SptdMirror64 = SptdMirror<std::uint64_t>;
using SptdRequestBlockMirror32 = SptdRequestBlockMirror<std::uint32_t>;
using SptdRequestBlockMirror64 = SptdRequestBlockMirror<std::uint64_t>;

static_assert(sizeof(SptdMirror32) == 44);
static_assert(offsetof(SptdMirror32, DataTransferLength) == 12);
static_assert(offsetof(SptdMirror32, DataBuffer) == 20);
static_assert(offsetof(SptdMirror32, SenseInfoOffset) == 24);
static_assert(offsetof(SptdMirror32, Cdb) == 28);
static_assert(offsetof(SptdRequestBlockMirror32, sense) == 48);
static_assert(sizeof(SptdRequestBlockMirror32) == 80);

static_assert(sizeof(SptdMirror64) == 56);
static_assert(offsetof(SptdMirror64, DataTransferLength) == 12);
static_assert(offsetof(SptdMirror64, DataBuffer) == 24);
static_assert(offsetof(SptdMirror64, SenseInfoOffset) == 32);
static_assert(offsetof(SptdMirror64, Cdb) == 36);
static_assert(offsetof(SptdRequestBlockMirror64, sense) == 60);
static_assert(sizeof(SptdRequestBlockMirror64) == 96);

// The mirror of the build's own pointer width.
using NativeSptdRequestBlockMirror = SptdRequestBlockMirror<std::uintptr_t>;
