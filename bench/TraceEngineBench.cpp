#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "FrameDecoder.h"
#include "SeriesModel.h"
#include "TraceEngine.h"

namespace {

constexpr int kFrames = 3072;  // one full transfer: the largest block
constexpr int kBlocksPerTick = 4;

// The display state of a run at 100 kS/s on 3072-sample screens (every pair
// plotted), already rolling.
struct Run {
    std::atomic<int> FWritePos0{0}, FWritePos1{0}, FRecordLength0{kFrames}, FRecordLength1{kFrames};
    std::atomic<int> FTimeBaseIndex0{6}, FTimeBaseIndex1{6};
    std::atomic<float> zero{0.0f};
    float FHist0[3] = {}, FJitter0 = 0, FOld0[2] = {}, gVolt0 = 0;
    float FHist1[3] = {}, FJitter1 = 0, FOld1[2] = {}, gVolt1 = 0;
    std::vector<float> gCapturedTrace0, gCapturedTrace1;
    SeriesModel LineSeries5, LineSeries7, LineSeries2, LineSeries4;
    std::atomic<bool> FStopRequested{false};
    std::atomic<int> FDecimation{1}, gSampleRate{100000}, FFramesPerRead{kFrames};
    std::atomic<std::uint8_t> gChannelMask{3};
    int gDecimation1 = 0, FReadoutTicks = 0;
    int gTriggerMode = 0, gTriggerEdge = 1, gTriggerState = 0, gTriggered = 0;
    std::string gTriggerChannel = "CH0";
    float gTriggerLevel = 0.0f, gPrevTriggerVolt = 255.0f, FCandidateA = 0, FCandidateB = 0;
    int FTriggerConfirm = 0, FTriggerPos = 0, FTriggerPosShown = 0, FCapturedLength = 0;
    float gSensorVolt = 0, gPulseVolt = 0;
    bool FAnalysisStarted = false;
    // clang-format off
    TraceEngine engine{TraceFields{
        {FWritePos0, FRecordLength0, FTimeBaseIndex0, zero, zero, zero, FHist0, FJitter0, FOld0, gVolt0,
         gCapturedTrace0, LineSeries5, LineSeries7},
        {FWritePos1, FRecordLength1, FTimeBaseIndex1, zero, zero, zero, FHist1, FJitter1, FOld1, gVolt1,
         gCapturedTrace1, LineSeries2, LineSeries4},
        FStopRequested, FDecimation, gDecimation1, gSampleRate, gChannelMask, FFramesPerRead, FReadoutTicks,
        gTriggerMode, gTriggerChannel, gTriggerLevel, gTriggerEdge, gTriggerState, gTriggered, gPrevTriggerVolt,
        FTriggerConfirm, FCandidateA, FCandidateB, FTriggerPos, FTriggerPosShown, FCapturedLength, gSensorVolt,
        gPulseVolt, FAnalysisStarted}};
    // clang-format on
};

// A 1 kHz sine on CH0 and a slower one on CH1, with a little noise so the
// spike filter has work.
std::vector<std::uint8_t> Block(int first) {
    std::vector<std::uint8_t> frames;
    frames.reserve(kFrames * kFrameBytes);
    for (int i = 0; i < kFrames; ++i) {
        const int k = first + i;
        const double noise = ((k * 7919) % 13 - 6) * 0.003;
        const std::uint16_t a = VoltsToRaw(3.0 * std::sin(k * 0.0628) + noise);
        const std::uint16_t b = VoltsToRaw(2.0 * std::sin(k * 0.0157) - noise);
        frames.insert(frames.end(), {std::uint8_t(a & 0xFF), std::uint8_t(a >> 8), std::uint8_t(b & 0xFF),
                                     std::uint8_t(b >> 8)});
    }
    return frames;
}

void RunTicks(benchmark::State& state, TraceEngine::Refresh refresh, std::uint8_t mask) {
    Run run;
    run.gChannelMask = mask;
    if (refresh == TraceEngine::Refresh::Triggered) {
        // Armed at a level the signal never reaches: the search runs on every pair.
        run.gTriggerMode = 1;
        run.gTriggerState = 1;
        run.gTriggerLevel = 8.0f;
    }
    std::vector<std::vector<std::uint8_t>> blocks;
    std::vector<TraceBlock> batch;
    for (int b = 0; b < kBlocksPerTick; ++b) {
        blocks.push_back(Block(b * kFrames));
    }
    for (const auto& block : blocks) {
        batch.push_back({block.data(), static_cast<int>(block.size())});
    }
    run.engine.Tick(refresh, batch);  // fill the screens first
    for (auto _ : state) {
        benchmark::DoNotOptimize(run.engine.Tick(refresh, batch));
    }
    state.SetItemsProcessed(state.iterations() * kBlocksPerTick * kFrames);
    state.counters["pairs/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kBlocksPerTick * kFrames, benchmark::Counter::kIsRate);
}

void BM_FreeRunningBothChannels(benchmark::State& state) {
    RunTicks(state, TraceEngine::Refresh::FreeRunning, 3);
}
BENCHMARK(BM_FreeRunningBothChannels);

void BM_FreeRunningCh0(benchmark::State& state) {
    RunTicks(state, TraceEngine::Refresh::FreeRunning, 1);
}
BENCHMARK(BM_FreeRunningCh0);

void BM_TriggerWaitingBothChannels(benchmark::State& state) {
    RunTicks(state, TraceEngine::Refresh::Triggered, 3);
}
BENCHMARK(BM_TriggerWaitingBothChannels);

}  // namespace

BENCHMARK_MAIN();
