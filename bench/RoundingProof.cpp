// Checks the arithmetic two-decimal rounding of the peak readout against
// "%.2f" on every float in [0, LIMIT] (default 1e5, beyond any spectrum's
// amplitude), both signs. Not a benchmark: run it by hand after changing
// the rounding, e.g. build/default/bench/rounding_proof 1e5.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "PeakReadout.h"

int main(int argc, char** argv) {
    const float limit = argc > 1 ? std::strtof(argv[1], nullptr) : 1e5F;
    std::uint64_t checked = 0;
    std::uint64_t mismatches = 0;
    for (float f = 0.0F; f <= limit; f = std::nextafter(f, 2.0F * limit + 1.0F)) {
        for (const double v : {static_cast<double>(f), -static_cast<double>(f)}) {
            char text[64];
            std::snprintf(text, sizeof text, "%.2f", v);
            const double expected = std::strtod(text, nullptr);
            const double got = RoundToTwoDecimals(v);
            if (std::memcmp(&got, &expected, sizeof got) != 0) {
                if (++mismatches <= 10) {
                    std::printf("mismatch at %.17g: %.17g, printf %s\n", v, got, text);
                }
            }
            ++checked;
        }
    }
    std::printf("%llu values checked, %llu mismatches\n", static_cast<unsigned long long>(checked),
                static_cast<unsigned long long>(mismatches));
    return mismatches == 0 ? 0 : 1;
}
