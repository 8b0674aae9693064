#include <benchmark/benchmark.h>

#include <unistd.h>
#include <ctime>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CaptureRun.h"
#include "CaptureSinks.h"
#include "InstrumentFinder.h"
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

constexpr int kRate = 100000;
constexpr std::uint64_t kFrames = 1000000;

// daq-cli's capture from start to finished files on the simulated
// instrument answering at once (no pacing): reader thread, queue, decoding,
// conversion, and both channels to CSV plus CH0 to WAV in the temporary
// folder. The reader's pause between commands is part of the path.
void BM_CaptureToCsvAndWav(benchmark::State& state) {
    const bool files = state.range(0) != 0;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string csvPath = (dir / ("daq-bench-" + std::to_string(::getpid()) + ".csv")).string();
    const std::string wavPath = (dir / ("daq-bench-" + std::to_string(::getpid()) + ".wav")).string();
    std::ostringstream unused;
    std::uint64_t frames = 0;
    // Process CPU, reader thread included: what the path costs apart from
    // the reader's pauses.
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        SimOptions options;
        options.paced = false;
        auto instrument = std::make_shared<SimulatedInstrument>(options);
        DeviceLink link{std::make_shared<SimDriveAccess>(instrument),
                        std::make_shared<SimDeviceDiscovery>(instrument), nullptr, instrument};
        const std::vector<FoundInstrument> found = FindInstruments(link, true);
        std::string error;
        std::vector<std::unique_ptr<FrameSink>> sinks;
        if (files) {
            sinks.push_back(CsvFrameSink::Open(csvPath, unused, kRate, 3, &error));
            sinks.push_back(WavFrameSink::Open(wavPath, kRate, 0, &error));
        }
        std::vector<FrameSink*> raw;
        for (const auto& sink : sinks) {
            raw.push_back(sink.get());
        }
        CaptureRequest request;
        request.sampleRate = kRate;
        request.frames = kFrames;
        const CaptureOutcome outcome = CaptureFrames(request, link, found.at(0), raw, CaptureWatch{});
        frames += outcome.frames;
    }
    std::filesystem::remove(csvPath);
    std::filesystem::remove(wavPath);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.counters["frames/cpu-s"] = static_cast<double>(frames) / cpuSeconds;
}
BENCHMARK(BM_CaptureToCsvAndWav)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("files")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
