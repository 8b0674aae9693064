#include "RateTable.h"

#include "FrameDecoder.h"

std::optional<VendorRead> VendorReadForRate(int sampleRate, int framesPerRead) {
    std::uint32_t rateCode = 0;
    switch (sampleRate) {
        case 64:
            return VendorRead{0x80, 1, 4 * kFrameBytes};
        case 6250:
            rateCode = 0x40000;
            break;
        case 12500:
            rateCode = 0x30000;
            break;
        case 25000:
            rateCode = 0x20000;
            break;
        case 50000:
            rateCode = 0x10000;
            break;
        case 100000:
            rateCode = 0x0;
            break;
        default:
            return std::nullopt;
    }
    return VendorRead{rateCode, framesPerRead / kFramesPerBlock, framesPerRead * kFrameBytes};
}
