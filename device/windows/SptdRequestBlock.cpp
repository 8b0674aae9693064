#include "SptdRequestBlock.h"

#include <algorithm>
#include <cstring>

namespace {

// "The device does not exist" (433); mingw-w64's headers lack the name.
constexpr DWORD kErrorNoSuchDevice = 433;

}  // namespace

void BuildSptdRequest(SptdRequestBlock& block, const ScsiCommand& command) {
    std::memset(&block, 0, sizeof block);
    SCSI_PASS_THROUGH_DIRECT& sptd = block.sptd;
    sptd.Length = sizeof(SCSI_PASS_THROUGH_DIRECT);
    sptd.PathId = 0;
    sptd.TargetId = kSptdTargetId;
    sptd.Lun = 0;
    sptd.CdbLength = command.cdbLength;
    sptd.SenseInfoLength = kSptdSenseInfoLength;
    sptd.DataIn = SCSI_IOCTL_DATA_IN;
    sptd.DataTransferLength = command.data != nullptr ? command.dataLength : 0;
    sptd.TimeOutValue = command.timeoutSeconds;
    sptd.DataBuffer = command.data != nullptr && command.dataLength > 0 ? command.data : nullptr;
    sptd.SenseInfoOffset = offsetof(SptdRequestBlock, sense);
    std::memcpy(sptd.Cdb, command.cdb.data(), std::min<std::size_t>(command.cdbLength, sizeof sptd.Cdb));
}

ScsiResult EvaluateSptdResult(bool ioctlSucceeded, DWORD error, const SptdRequestBlock& block,
                              const ScsiCommand& command) {
    ScsiResult result;
    if (!ioctlSucceeded) {
        result.systemError = static_cast<int>(error);
        result.deviceGone = error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_FILE_NOT_FOUND ||
                            error == kErrorNoSuchDevice || error == ERROR_DEV_NOT_EXIST;
        return result;
    }
    const std::uint32_t asked = command.data != nullptr ? command.dataLength : 0;
    result.transferred = std::min<std::uint32_t>(block.sptd.DataTransferLength, asked);
    result.scsiStatus = block.sptd.ScsiStatus;
    if (result.scsiStatus != 0) {
        // The driver leaves the sense length it returned in SenseInfoLength.
        result.senseLength = std::min<UCHAR>(block.sptd.SenseInfoLength, sizeof block.sense);
        std::memcpy(result.sense.data(), block.sense, result.senseLength);
    }
    result.ok = result.scsiStatus == 0;
    return result;
}
