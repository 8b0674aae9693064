#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "AnalysisPass.h"
#include "DirectSpectrum.h"
#include "PeakReadout.h"
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

// A whole channel of the background analysis: spectrum points, peak scan,
// sort and the six lines, on the pass's own work arrays.
void BM_AnalysisPass(benchmark::State& state) {
    const std::vector<double> block = Block();
    AnalysisPass pass;
    ChannelAnalysis out;
    for (auto _ : state) {
        pass.Run(0, block.data(), kPoints, kSampleRate, 1, out, {});
        benchmark::DoNotOptimize(out.y.data());
    }
}
BENCHMARK(BM_AnalysisPass)->Unit(benchmark::kMicrosecond);

// The peak readout of a long file's spectrum (daq-cli spectrum): one million
// bins of noise, so a third of them are candidate peaks.
void BM_PeakReadoutOfAMillionBins(benchmark::State& state) {
    std::vector<double> magnitudes(1 << 20);
    std::vector<double> x(magnitudes.size());
    for (std::size_t k = 0; k < magnitudes.size(); ++k) {
        magnitudes[k] = 0.01 * static_cast<double>((k * 2654435761u) % 1000);
        x[k] = static_cast<double>(k);
    }
    for (auto _ : state) {
        std::vector<std::string> lines = DetectPeaks(magnitudes.data(), static_cast<int>(magnitudes.size()),
                                                     x.data(), static_cast<int>(x.size()));
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_PeakReadoutOfAMillionBins)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
