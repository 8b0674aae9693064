#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class SimShape { Sine, Square, Triangle, Pulse, Noise, Dc, Heart };

// One channel's signal on the simulated instrument, in volts at the probe.
//   sine, square, triangle: +-amplitude around offset, starting at phase 0
//     (square high first, triangle rising from -amplitude)
//   pulse: amplitude for the first 10 % of each period, else 0, plus offset
//   noise: uniform in +-amplitude around offset, the same sequence for the
//     same seed and frame numbers; frequency unused
//   dc: amplitude + offset; frequency unused
//   heart: a pulse sensor's beat, frequency beats per second: from a flat
//     base a sharp systolic peak of amplitude at 15 % of the period, then a
//     dicrotic wave of a third of it at 45 %, plus offset
struct SimSignal {
    SimShape shape = SimShape::Dc;
    double frequencyHz = 0.0;
    double amplitudeV = 0.0;
    double offsetV = 0.0;

    // The value at time seconds; frame numbers the sample for noise.
    double ValueAt(double seconds, std::uint64_t frame, std::uint64_t seed) const;

    bool operator==(const SimSignal&) const = default;
};

inline constexpr double kPulseDuty = 0.1;
inline constexpr double kHeartSystolePhase = 0.15;

std::optional<SimShape> SimShapeFromName(std::string_view name);
std::string_view SimShapeName(SimShape shape);
