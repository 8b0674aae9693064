#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SigrokSession.h"
#include "device/FrameDecoder.h"
#include "device/sim/SimSignal.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 100000;

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() / ("daq-bench-" + std::to_string(::getpid()) + ".sr"))
        .string();
}

// The volts the instrument would give: the signal through its 12-bit codes.
struct Signals {
    std::vector<SimSignal> channels;
    std::array<float, 2> At(std::uint64_t frame) const {
        const double t = static_cast<double>(frame) / kRate;
        return {RawToVolts(VoltsToRaw(channels[0].ValueAt(t, frame, 1))),
                RawToVolts(VoltsToRaw(channels[1].ValueAt(t, frame, 2)))};
    }
};

// daq-cli's default simulated signals, and noise on both channels, which
// deflate (libzip's, at its best compression) takes longest over.
const Signals kDefault{{SimSignal{SimShape::Sine, 50, 2, 0}, SimSignal{SimShape::Square, 10, 1, 0}}};
const Signals kNoise{{SimSignal{SimShape::Noise, 0, 1, 0}, SimSignal{SimShape::Noise, 0, 1, 0}}};

// libsigrok's cost per packet as the session grows: packets of 100,000
// samples of noise, one after the other, each timed. libsigrok 0.5's srzip
// opens, extends and closes the zip archive for every packet, and libzip
// writes the archive anew on closing, so a packet costs its own deflating
// plus a copy of the session so far: per_MB_ms is that copy, the slope of
// packet time over archive size (least squares), first/last_ms the first
// and last packet.
void BM_SrzipPacketCostAsTheSessionGrows(benchmark::State& state) {
    const std::size_t packet = 100000;
    const int packets = static_cast<int>(state.range(0));
    const std::string path = BenchPath();
    std::vector<float> volts(packet);
    double first = 0;
    double last = 0;
    double slope = 0;
    double megabytes = 0;
    for (auto _ : state) {
        std::string error;
        auto writer = SigrokSessionWriter::Create(path, kRate, {"CH0"}, &error, packet);
        std::vector<double> sizes;
        std::vector<double> times;
        std::uint64_t frame = 0;
        for (int k = 0; k < packets; ++k) {
            for (float& v : volts) {
                v = kNoise.At(frame++)[0];
            }
            const Clock::time_point start = Clock::now();
            writer->Append(0, volts);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            std::error_code ignored;
            std::uintmax_t bytes = 0;
            for (const auto& entry :
                 std::filesystem::directory_iterator(std::filesystem::temp_directory_path())) {
                const std::string name = entry.path().filename().string();
                if (name.starts_with(".daq-bench-" + std::to_string(::getpid()) + ".sr.")) {
                    bytes = entry.file_size(ignored);
                }
            }
            sizes.push_back(static_cast<double>(bytes) / 1e6);
        }
        writer->Finish();
        // Packet k goes into an archive of the k before it.
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (int k = 1; k < packets; ++k) {
            const double x = sizes[static_cast<std::size_t>(k - 1)];
            const double y = times[static_cast<std::size_t>(k)];
            sx += x;
            sy += y;
            sxx += x * x;
            sxy += x * y;
        }
        const double n = packets - 1;
        slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        first = times.front();
        last = times.back();
        megabytes = sizes.back();
    }
    std::filesystem::remove(path);
    state.counters["first_ms"] = first;
    state.counters["last_ms"] = last;
    state.counters["per_MB_ms"] = slope;
    state.counters["archive_MB"] = megabytes;
}
BENCHMARK(BM_SrzipPacketCostAsTheSessionGrows)->Arg(100)->Iterations(1)->Unit(benchmark::kSecond);

// daq-cli's --sr path: frames of both channels at 100 kS/s handed to the
// writer one by one, the session finished and renamed. core_% is the
// process CPU spent per second of signal, in percent of one core: what
// writing the session costs a capture at 100 kS/s on two channels.
void BM_SessionOfACapture(benchmark::State& state) {
    const Signals& signals = state.range(0) == 0 ? kDefault : kNoise;
    const auto seconds = static_cast<std::uint64_t>(state.range(1));
    const std::uint64_t frames = seconds * kRate;
    const std::string path = BenchPath();
    // The signal is made before the clock starts: a second of the default
    // signals repeats exactly, noise never does.
    const std::uint64_t made = state.range(0) == 0 ? kRate : frames;
    std::vector<std::array<float, 2>> volts(made);
    for (std::uint64_t i = 0; i < made; ++i) {
        volts[i] = signals.At(i);
    }
    double cpu = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        std::string error;
        auto writer = SigrokSessionWriter::Create(path, kRate, {"CH0", "CH1"}, &error);
        for (std::uint64_t i = 0; i < frames; ++i) {
            writer->PutFrame(volts[i % made]);
        }
        if (!writer->Finish()) {
            state.SkipWithError(writer->Error().c_str());
        }
        cpu += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    std::error_code ignored;
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path, ignored)) / 1e6;
    std::filesystem::remove(path);
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["core_%"] =
        100.0 * cpu / static_cast<double>(state.iterations()) / static_cast<double>(seconds);
}
BENCHMARK(BM_SessionOfACapture)
    ->Args({0, 60})
    ->Args({0, 600})
    ->Args({1, 60})
    ->Args({1, 600})
    ->ArgNames({"noise", "seconds"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
