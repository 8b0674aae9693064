#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "MeasurementText.h"
#include "Measurements.h"

namespace {

constexpr int kPoints = 3072;
constexpr double kSampleRate = 100000.0;

// A screen of 1234.5 Hz (38 periods) with a little noise, the work of one
// channel each time the window measures it.
std::vector<double> Screen() {
    std::mt19937 generator(1);
    std::uniform_real_distribution<double> noise(-0.02, 0.02);
    std::vector<double> screen(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        screen[i] =
            0.5 + 2.0 * std::sin(2.0 * 3.14159265358979323846 * 1234.5 * i / kSampleRate) + noise(generator);
    }
    return screen;
}

// The measurements of one channel's 3072-point screen (target: 20 us).
void BM_Measure3072(benchmark::State& state) {
    const std::vector<double> screen = Screen();
    for (auto _ : state) {
        Measurements m = Measure(screen, kSampleRate);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_Measure3072)->Unit(benchmark::kMicrosecond);

// The same and its seven display texts, what the window does per channel.
void BM_MeasureAndFormat3072(benchmark::State& state) {
    const std::vector<double> screen = Screen();
    for (auto _ : state) {
        MeasurementText text = FormatMeasurements(Measure(screen, kSampleRate));
        benchmark::DoNotOptimize(text.rms.data());
    }
}
BENCHMARK(BM_MeasureAndFormat3072)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
