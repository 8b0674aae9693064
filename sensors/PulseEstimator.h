#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "PulseBeats.h"
#include "PulseOrder.h"

// The heart rate of a pulse-sensor signal sampled at 64 S/s, from the four
// highest well-separated beats of the last four seconds. An estimate is
// made only when the rate it gives accounts for every wave between its
// first and last beat.
class PulseEstimator {
public:
    static constexpr int kRate = 64;
    static constexpr int kWindow = 4 * kRate;  // four seconds
    static constexpr int kBeats = kPulseBeats;

    PulseEstimator() : order_(kWindow) {}

    // Takes the next sample; once four seconds are held, returns the new
    // estimate in beats per minute, or nothing when the signal gives none.
    std::optional<double> Add(float value);

    std::int64_t Received() const { return order_.Received(); }
    const PulseOrder& Order() const { return order_; }

private:
    PulseOrder order_;
};

// Beats per minute from four beat times in seconds (any order): the shortest
// interval is one beat (0.666 .. 1.25 s) or two (1.332 .. 2.5 s); the other
// two intervals count as whole numbers of beats when close to one, else they
// are ignored. Nothing when the shortest interval is outside both ranges.
std::optional<double> BpmFromBeatTimes(std::array<double, PulseEstimator::kBeats> times);

// A rate as the read-out shows it: fixed notation, two decimals ("72.00").
std::string BpmText(double bpm);
