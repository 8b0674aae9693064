#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "FrameBlocks.h"
#include "device/FrameDecoder.h"

namespace {

constexpr int kFrames = 3072;

std::vector<std::uint8_t> Block() {
    std::vector<std::uint8_t> block;
    for (int i = 0; i < kFrames; ++i) {
        const int a = 1 + (i * 7) % 4095;
        const int b = 1 + (i * 13) % 4095;
        block.insert(block.end(), {std::uint8_t(a & 0xFF), std::uint8_t(a >> 8), std::uint8_t(b & 0xFF),
                                   std::uint8_t(b >> 8)});
    }
    return block;
}

// A 3072-frame block to raw pairs, then both channels to calibrated volts
// with RawToVolts, as the capture converts every frame.
void BM_DecodeBlockToVolts(benchmark::State& state) {
    const std::vector<std::uint8_t> block = Block();
    const ChannelCorrection ch0{-0.4f, 1.02f, 0.01f};
    const ChannelCorrection ch1{0.19f, 0.0f, 0.0f};
    std::vector<RawFrame> frames;
    std::vector<std::array<float, 2>> volts(kFrames);
    for (auto _ : state) {
        const int n = DecodeBlockFrames(block.data(), static_cast<int>(block.size()), 100000, frames);
        for (int i = 0; i < n; ++i) {
            volts[static_cast<std::size_t>(i)] = {RawToVolts(frames[static_cast<std::size_t>(i)][0], ch0),
                                                  RawToVolts(frames[static_cast<std::size_t>(i)][1], ch1)};
        }
        benchmark::DoNotOptimize(volts.data());
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kFrames, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeBlockToVolts);

}  // namespace

BENCHMARK_MAIN();
