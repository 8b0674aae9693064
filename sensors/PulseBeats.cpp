#include "PulseBeats.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

PulseBeats::PulseBeats(const PulseOrder& order) : order_(order) {
    // A sample that was no number is held as minus infinity; it sets no level.
    float low = std::numeric_limits<float>::infinity();
    float high = -low;
    for (std::int64_t s = order.Oldest(); s < order.Received(); ++s) {
        const float value = order.ValueOf(s);
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    if (low < high) {
        middle_ = low + (high - low) / 2.0f;
    }
}

bool PulseBeats::IsBeat(std::int64_t sample) const {
    // The oldest sample is judged against the one that left the window, so a
    // falling flank there is no beat.
    const std::optional<float> before =
        sample == order_.Oldest() ? order_.Departed() : std::optional(order_.ValueOf(sample - 1));
    if (!middle_ || !before) {
        return false;
    }
    const float value = order_.ValueOf(sample);
    const bool newest = sample + 1 == order_.Received();
    return value > *middle_ && value > *before && (newest || value >= order_.ValueOf(sample + 1));
}

std::optional<PulseBeatSamples> PulseBeats::Find() const {
    PulseBeatSamples beats{};
    int chosen = 0;
    int node = order_.Head();
    for (int examined = 0; examined < kPulseExamined && node != PulseOrder::kNone && chosen < kPulseBeats;
         ++examined, node = order_.Next(node)) {
        const std::int64_t sample = order_.Sample(node);
        const bool separated = std::all_of(
            beats.begin(), beats.begin() + chosen,
            [sample](std::int64_t beat) { return std::llabs(sample - beat) >= kPulseSeparation; });
        if (separated && IsBeat(sample)) {
            beats[chosen++] = sample;
        }
    }
    if (chosen < kPulseBeats) {
        return std::nullopt;
    }
    return beats;
}

int PulseBeats::WavesBetween(std::int64_t first, std::int64_t last) const {
    int waves = 0;
    for (std::int64_t s = std::max(first + 1, order_.Oldest() + 1); s <= last && s < order_.Received(); ++s) {
        waves += middle_ && order_.ValueOf(s - 1) <= *middle_ && order_.ValueOf(s) > *middle_;
    }
    return waves;
}
