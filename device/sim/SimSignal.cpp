#include "SimSignal.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr std::array<std::pair<SimShape, std::string_view>, 7> kShapeNames{{
    {SimShape::Sine, "sine"},
    {SimShape::Square, "square"},
    {SimShape::Triangle, "triangle"},
    {SimShape::Pulse, "pulse"},
    {SimShape::Noise, "noise"},
    {SimShape::Dc, "dc"},
    {SimShape::Heart, "heart"},
}};

// splitmix64: a cheap, well-mixed hash, so noise needs no generator state and
// any frame can be produced on its own.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A bell of unit height at centre, narrower before it than after: the
// steep rise and slower fall of a pressure wave.
double Wave(double phase, double centre, double rise, double fall) {
    const double width = phase < centre ? rise : fall;
    const double x = (phase - centre) / width;
    return std::exp(-0.5 * x * x);
}

double HeartBeat(double phase) {
    return Wave(phase, kHeartSystolePhase, 0.03, 0.07) + Wave(phase, 0.45, 0.05, 0.08) / 3.0;
}

}  // namespace

double SimSignal::ValueAt(double seconds, std::uint64_t frame, std::uint64_t seed) const {
    const double cycles = frequencyHz * seconds;
    const double phase = cycles - std::floor(cycles);
    double value = 0.0;
    switch (shape) {
        case SimShape::Sine:
            value = amplitudeV * std::sin(2.0 * std::numbers::pi * phase);
            break;
        case SimShape::Square:
            value = phase < 0.5 ? amplitudeV : -amplitudeV;
            break;
        case SimShape::Triangle:
            value = phase < 0.5 ? amplitudeV * (4.0 * phase - 1.0) : amplitudeV * (3.0 - 4.0 * phase);
            break;
        case SimShape::Pulse:
            value = phase < kPulseDuty ? amplitudeV : 0.0;
            break;
        case SimShape::Noise: {
            // 53 random bits to a double in [0, 1), then to [-1, 1).
            const double unit = static_cast<double>(Mix(Mix(seed) ^ frame) >> 11) * 0x1.0p-53;
            value = amplitudeV * (2.0 * unit - 1.0);
            break;
        }
        case SimShape::Dc:
            value = amplitudeV;
            break;
        case SimShape::Heart:
            value = amplitudeV * HeartBeat(phase);
            break;
    }
    return value + offsetV;
}

std::optional<SimShape> SimShapeFromName(std::string_view name) {
    for (const auto& [shape, shapeName] : kShapeNames) {
        if (shapeName == name) {
            return shape;
        }
    }
    return std::nullopt;
}

std::string_view SimShapeName(SimShape shape) {
    for (const auto& [candidate, name] : kShapeNames) {
        if (candidate == shape) {
            return name;
        }
    }
    return {};
}
