#include "DemoWave.h"

#include <cmath>

namespace {

constexpr double k10Pi = 31.41592653589793;
constexpr double k14Pi = 43.982297150257104;
constexpr double k20Pi = 62.83185307179586;
constexpr double k30Pi = 94.24777960769379;
constexpr double k40Pi = 125.66370614359172;

}  // namespace

double DemoWaveSample(int wave, int n, int rate) {
    const auto angle = [n, rate](double c) { return n * c / rate; };
    switch (wave) {
        case 1:
            return 1.0 + 0.5 * std::sin(angle(k14Pi));
        case 2:
            return 2.0 + 0.5 * std::sin(angle(k20Pi)) + 1.5 * std::sin(angle(k40Pi));
        case 3:
            return 4.0 + 0.5 * std::sin(angle(k10Pi)) + 1.5 * std::sin(angle(k20Pi)) +
                   2.0 * std::sin(angle(k30Pi));
        default:
            return 0.0;
    }
}

double DemoWaveTime(int n, int rate, bool seconds) {
    return seconds ? static_cast<double>(n) / rate : n * 1000.0 / rate;
}

std::vector<double> DemoWave(int wave, int length, int rate) {
    std::vector<double> samples(static_cast<std::size_t>(length > 0 ? length : 0));
    for (int n = 0; n < length; ++n) {
        samples[static_cast<std::size_t>(n)] = DemoWaveSample(wave, n, rate);
    }
    return samples;
}
