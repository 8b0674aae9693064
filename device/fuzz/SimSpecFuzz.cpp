// libFuzzer entry for the simulator's signal description (--simulate=SPEC):
// any text is a description or a one-line reason; the signals of one that is
// taken are sampled by the simulated instrument at each rate code, and every
// code it sends is a 12-bit converter's.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FrameDecoder.h"
#include "SptiCommands.h"
#include "sim/SimSpec.h"
#include "sim/SimulatedInstrument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SimSpecResult result = ParseSimSpec(text);
    // Exactly one of a description and a reason, one line however long the
    // text: each part of it the reason quotes is cut to 40 characters.
    if (result.ok() == !result.error.empty() || result.error.size() > 512 ||
        result.error.find('\n') != std::string::npos) {
        std::abort();
    }
    if (!result.ok()) {
        return 0;
    }
    SimOptions options;
    options.signals = *result.spec;
    options.paced = false;
    SimulatedInstrument instrument(options);
    std::vector<std::uint8_t> block(kBlockBytes);
    for (const std::uint32_t rateCode : {0x80u, 0x40000u, 0x30000u, 0x20000u, 0x10000u, 0x0u}) {
        if (!Vendor_SPTI(instrument, rateCode, block.data(), 1)) {
            std::abort();
        }
        for (int frame = 0; frame < kFramesPerBlock; ++frame) {
            for (int channel = 0; channel < kChannelCount; ++channel) {
                if (FrameSample(block.data() + frame * kFrameBytes, channel) > kRawMax) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
