// libFuzzer entry for the identity strings: any bytes, as the identity of a
// disk, as the zero-adjust window itself or as --sim-identity, give a window
// of at most eight characters (or none) and finite adjustments or a reason,
// never a crash; the simulated instrument's identity is always recognised.
// The first 36 bytes are also tried as the drive's INQUIRY answer.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "InstrumentProbe.h"
#include "ScsiCommands.h"
#include "ZeroAdjust.h"
#include "sim/SimIdentity.h"

namespace {

void CheckUpdate(const ZeroAdjustUpdate& update) {
    for (const std::optional<float>& volts : {update.ch0, update.ch1}) {
        if (volts && !std::isfinite(*volts)) {
            std::abort();
        }
    }
    if (!update.badCode.empty() && update.ok()) {
        std::abort();  // a bad code always comes with its reason
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string identity(reinterpret_cast<const char*>(data), size);
    CheckUpdate(ParseZeroAdjust(identity));

    IdentityScan scan;
    scan.identities = {identity, identity};
    const std::optional<std::string> window = FirstZeroAdjustWindow(scan);
    if (window != ZeroAdjustWindow(identity) || (window && window->size() > 8)) {
        std::abort();
    }
    if (window) {
        CheckUpdate(ParseZeroAdjust(*window));
    }

    const SimIdentityResult sim = ParseSimIdentity(identity);
    if (sim.ok() == !sim.error.empty()) {
        std::abort();
    }
    if (sim.ok()) {
        const std::optional<std::string> simWindow = ZeroAdjustWindow(SimIdentityString(*sim.window));
        if (!simWindow || simWindow->size() > 8) {
            std::abort();
        }
        CheckUpdate(ParseZeroAdjust(*simWindow));
    }

    std::array<std::uint8_t, kInquiryLength> inquiry{};
    if (size > 0) {
        std::memcpy(inquiry.data(), data, std::min<std::size_t>(size, inquiry.size()));
    }
    (void)IsInstrumentInquiry(inquiry.data());
    return 0;
}
