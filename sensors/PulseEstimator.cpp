#include "PulseEstimator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kSecondsPerSample = 1.0 / PulseEstimator::kRate;

}  // namespace

std::optional<double> PulseEstimator::Add(float value) {
    order_.Add(value);
    // The estimate starts with the sample that completes the window.
    if (order_.Received() <= kWindow) {
        return std::nullopt;
    }
    const PulseBeats search(order_);
    const std::optional<PulseBeatSamples> beats = search.Find();
    if (!beats) {
        return std::nullopt;
    }
    std::array<double, kBeats> times{};
    std::transform(beats->begin(), beats->end(), times.begin(),
                   [](std::int64_t sample) { return static_cast<double>(sample) * kSecondsPerSample; });
    const std::optional<double> bpm = BpmFromBeatTimes(times);
    if (!bpm) {
        return std::nullopt;
    }
    // A rate that leaves waves uncounted is wrong: every other beat of a
    // fast pulse, or peaks picked out of noise.
    const auto [first, last] = std::minmax_element(beats->begin(), beats->end());
    const double periods = static_cast<double>(*last - *first) * kSecondsPerSample * *bpm / 60.0;
    if (search.WavesBetween(*first, *last) > std::lround(periods)) {
        return std::nullopt;
    }
    return bpm;
}

std::optional<double> BpmFromBeatTimes(std::array<double, PulseEstimator::kBeats> times) {
    std::sort(times.begin(), times.end());
    std::array<double, 3> d{times[1] - times[0], times[2] - times[1], times[3] - times[2]};
    std::sort(d.begin(), d.end());
    double sum = d[0];
    int beats = 0;
    if (d[0] > 0.666 && d[0] < 1.25) {
        beats = 1;
    } else if (d[0] > 1.332 && d[0] < 2.5) {
        beats = 2;  // the shortest interval spans two beats
    } else {
        return std::nullopt;
    }
    for (int k = 1; k <= 2; ++k) {
        const double ratio = beats * d[k] / sum;
        const double whole = static_cast<double>(static_cast<long long>(ratio));
        if (ratio - whole < 0.2) {
            sum += d[k];
            beats += static_cast<int>(whole);
        } else if (ratio - whole > 0.8) {
            sum += d[k];
            beats += static_cast<int>(whole) + 1;
        }
    }
    return beats * 60.0 / sum;
}

std::string BpmText(double bpm) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", bpm);
    return text;
}
