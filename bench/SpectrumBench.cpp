#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "DirectSpectrum.h"
#include "SpectrumTransform.h"

namespace {

constexpr int kPoints = 3072;
constexpr int kSampleRate = 100000;

std::vector<double> Block() {
    std::vector<double> block(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        block[i] = 1.0 + 4.0 * std::sin(0.02 * i) + 0.3 * std::sin(0.7 * i);
    }
    return block;
}

// One channel's spectrum through the cached FFTW plan.
void BM_SpectrumFftw(benchmark::State& state) {
    const std::vector<double> block = Block();
    SpectrumTransform transform;
    for (auto _ : state) {
        Spectrum s = transform.ComputeSpectrum(block.data(), kPoints, kSampleRate);
        benchmark::DoNotOptimize(s.magnitudes.data());
    }
}
BENCHMARK(BM_SpectrumFftw)->Unit(benchmark::kMicrosecond);

// The same spectrum as N^2 direct sums, for comparison.
void BM_SpectrumDirectSums(benchmark::State& state) {
    const std::vector<double> block = Block();
    for (auto _ : state) {
        Spectrum s = DirectSpectrum(block.data(), kPoints, kSampleRate);
        benchmark::DoNotOptimize(s.magnitudes.data());
    }
}
BENCHMARK(BM_SpectrumDirectSums)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
