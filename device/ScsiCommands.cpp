#include "ScsiCommands.h"

#include "FrameDecoder.h"

ScsiCommand TestUnitReadyCommand() {
    ScsiCommand command;
    command.cdb[0] = kTestUnitReadyOpcode;
    command.cdbLength = 10;
    command.timeoutSeconds = kProbeTimeoutSeconds;
    return command;
}

ScsiCommand InquiryCommand(std::uint8_t* buffer) {
    ScsiCommand command;
    command.cdb[0] = kInquiryOpcode;
    command.cdb[4] = static_cast<std::uint8_t>(kInquiryLength);
    command.cdbLength = 6;
    command.data = buffer;
    command.dataLength = kInquiryLength;
    command.timeoutSeconds = kProbeTimeoutSeconds;
    return command;
}

ScsiCommand VendorReadCommand(std::uint32_t rateCode, std::uint8_t* buffer, int blockCount) {
    ScsiCommand command;
    command.cdb[0] = kVendorReadOpcode;
    command.cdb[2] = static_cast<std::uint8_t>(rateCode >> 24);
    command.cdb[3] = static_cast<std::uint8_t>(rateCode >> 16);
    command.cdb[4] = static_cast<std::uint8_t>(rateCode >> 8);
    command.cdb[5] = static_cast<std::uint8_t>(rateCode);
    command.cdb[8] = static_cast<std::uint8_t>(blockCount);
    command.cdbLength = 10;
    command.data = buffer;
    command.dataLength = static_cast<std::uint32_t>(blockCount) * kBlockBytes;
    command.timeoutSeconds = kVendorTimeoutSeconds;
    return command;
}
