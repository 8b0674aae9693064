#include "SptiCommands.h"

#include "ScsiCommands.h"

bool TEST_UNIT_READY_SPTI(ScsiTransport& transport) {
    return transport.Execute(TestUnitReadyCommand()).ok;
}

bool Inquiry_SPTI(ScsiTransport& transport, std::uint8_t* buffer) {
    return transport.Execute(InquiryCommand(buffer)).ok;
}

bool Vendor_SPTI(ScsiTransport& transport, std::uint32_t rateCode, std::uint8_t* buffer, int blockCount,
                 std::uint32_t* received, bool* deviceGone) {
    if (received != nullptr) {
        *received = 0;
    }
    if (deviceGone != nullptr) {
        *deviceGone = false;
    }
    if (blockCount < 1 || blockCount > kMaxVendorBlocks) {
        return false;
    }
    const ScsiResult result = transport.Execute(VendorReadCommand(rateCode, buffer, blockCount));
    if (received != nullptr) {
        *received = result.transferred;
    }
    if (deviceGone != nullptr) {
        *deviceGone = result.deviceGone;
    }
    return result.ok;
}
