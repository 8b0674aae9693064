#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "DoubleArray.h"

namespace {

// A reader's block at 100 kS/s: 3072 frames.
constexpr int kBlockBytes = 12288;
// Blocks a 100 ms display tick finds queued at 100 kS/s, both channels.
constexpr int kBlocksPerTick = 4;

// One Push of a full block (copied in under the lock), drained now and then
// so the queue stays short as it does in a run.
void BM_QueuePush(benchmark::State& state) {
    std::mutex lock;
    std::atomic<bool> stop{false};
    DoubleArray queue(lock, stop);
    const std::vector<std::uint8_t> block(kBlockBytes, 0x5A);
    DoubleArray::NodeList taken;
    int pushed = 0;
    for (auto _ : state) {
        queue.Push(block.data(), kBlockBytes);
        if (++pushed == kBlocksPerTick) {
            state.PauseTiming();
            taken.clear();
            queue.TakeAll(taken);
            pushed = 0;
            state.ResumeTiming();
        }
    }
    state.SetBytesProcessed(state.iterations() * kBlockBytes);
    state.counters["blocks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QueuePush);

// One display tick's TakeAll of the blocks a tick finds, freeing them after.
void BM_QueueTakeAll(benchmark::State& state) {
    std::mutex lock;
    std::atomic<bool> stop{false};
    DoubleArray queue(lock, stop);
    const std::vector<std::uint8_t> block(kBlockBytes, 0x5A);
    DoubleArray::NodeList taken;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < kBlocksPerTick; ++i) {
            queue.Push(block.data(), kBlockBytes);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(queue.TakeAll(taken));
        taken.clear();
    }
    state.counters["blocks/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBlocksPerTick,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QueueTakeAll);

}  // namespace

BENCHMARK_MAIN();
