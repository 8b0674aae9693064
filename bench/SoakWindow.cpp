// The endurance soak: the program's windows on the paced simulated
// instrument, run at 100 kS/s for a number of minutes, free running on both
// channels or as a sound sensor recording of CH0. Once a minute (or a tenth
// of the run, when shorter) it prints the process's CPU share over the last
// interval, its resident memory, the blocks queued for drawing and the
// frames the instrument dropped because the program fell behind; at the end
// the whole run's figures and the CPU time of each thread.
//
//   daq_soak MINUTES [--sound]
//
// Exits 0 when the run went on to the end with no frame dropped and memory
// within noise of what it was after the warm-up, 1 otherwise, 2 on bad
// arguments, 130 when Ctrl-C ended an otherwise good run early. The first Ctrl-C ends the run early with its
// figures; a second one ends the program at once. scripts/soak builds and runs it.

// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/CommandLine.h"
#include "device/sim/SimulatedInstrument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "LanguageModules.h"
#include "ProgramWindows.h"

namespace {

constexpr double kWarmUpSeconds = 10.0;
constexpr int kRateIndex100k = 5;  // ComboBox3: 64, 6.25k, 12.5k, 25k, 50k, 100k
// Resident memory may move by this much between the end of the warm-up and
// the end of the run (allocator pools, Qt's caches) before it counts as
// growth: the larger of the two.
constexpr double kRssNoiseMiB = 4.0;
constexpr double kRssNoiseShare = 0.03;

std::atomic<bool> gInterrupted{false};

void OnInterrupt(int) {
    gInterrupted = true;
    std::signal(SIGINT, SIG_DFL);  // a second Ctrl-C ends the program
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Seconds(const timespec& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

double BootSeconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return Seconds(now);
}

// The fields of a /proc stat line after the command name, which may hold
// spaces and parentheses itself.
std::vector<std::string> StatFields(const std::string& line) {
    const auto close = line.rfind(')');
    if (close == std::string::npos) {
        return {};
    }
    std::istringstream rest(line.substr(close + 1));
    return {std::istream_iterator<std::string>(rest), std::istream_iterator<std::string>()};
}

// Seconds since boot at which this process started (field 22 of its stat).
double ProcessStartBootSeconds() {
    std::ifstream file("/proc/self/stat");
    std::string line;
    std::getline(file, line);
    const std::vector<std::string> fields = StatFields(line);
    // Fields after the name start at field 3 (state).
    constexpr std::size_t kStartTime = 22 - 3;
    if (fields.size() <= kStartTime) {
        return BootSeconds();
    }
    return std::stod(fields[kStartTime]) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct ThreadTime {
    std::string name;
    double seconds = 0.0;
};

// CPU time of each thread still running, by name; threads of the same name
// are added up.
std::vector<ThreadTime> ThreadTimes() {
    std::vector<ThreadTime> times;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream comm(entry.path() / "comm");
        std::string name;
        std::getline(comm, name);
        // The kernel's own CPU clock of the thread, by its id: exact, where
        // the tick counts of its stat file miss a thread that runs in short
        // bursts between ticks (the glibc encoding of a per-thread clock).
        const auto tid = static_cast<clockid_t>(std::stol(entry.path().filename().string()));
        const clockid_t clock = static_cast<clockid_t>((~static_cast<unsigned>(tid) << 3) | 4U | 2U);
        timespec used{};
        if (clock_gettime(clock, &used) != 0) {
            continue;
        }
        const double seconds = Seconds(used);
        auto same =
            std::find_if(times.begin(), times.end(), [&](const ThreadTime& t) { return t.name == name; });
        if (same == times.end()) {
            times.push_back({name, seconds});
        } else {
            same->seconds += seconds;
        }
    }
    std::sort(times.begin(), times.end(),
              [](const ThreadTime& a, const ThreadTime& b) { return a.seconds > b.seconds; });
    return times;
}

std::string Clock(double seconds) {
    const long whole = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

// Notes the first paint of the main window.
class FirstPaint : public QObject {
public:
    double at = 0.0;  // seconds since boot; 0 until painted

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && at == 0.0) {
            at = BootSeconds();
        }
        return QObject::eventFilter(watched, event);
    }
};

struct Arguments {
    double minutes = 0.0;
    bool sound = false;
};

bool ParseArguments(int argc, char** argv, Arguments* arguments) {
    bool haveMinutes = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sound") {
            arguments->sound = true;
            continue;
        }
        char* end = nullptr;
        const double minutes = std::strtod(arg.c_str(), &end);
        if (haveMinutes || end == arg.c_str() || *end != '\0' || !(minutes > 0.0) || minutes > 10000.0) {
            return false;
        }
        arguments->minutes = minutes;
        haveMinutes = true;
    }
    return haveMinutes;
}

}  // namespace

int main(int argc, char** argv) {
    const double processStart = ProcessStartBootSeconds();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DAQ"));
    QApplication::setQuitOnLastWindowClosed(false);
    Arguments arguments;
    if (!ParseArguments(argc, argv, &arguments)) {
        std::fprintf(stderr, "usage: daq_soak MINUTES [--sound]  (MINUTES > 0, decimals allowed)\n");
        return 2;
    }
    char program[] = "daq";
    char simulate[] = "--simulate";
    char* options[] = {program, simulate, nullptr};
    CommandLine device;
    std::string error;
    if (!ParseCommandLine(2, options, &device, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    LanguageModules::ForThisProgram().LoadDefault(QLocale::system());

    ProgramWindows windows(device.Device());
    TForm1& form = windows.Main();
    FirstPaint firstPaint;
    form.installEventFilter(&firstPaint);
    windows.Start();
    while (firstPaint.at == 0.0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    form.removeEventFilter(&firstPaint);

    const double total = arguments.minutes * 60.0;
    const double interval = std::min(60.0, std::max(1.0, total / 10.0));
    std::printf("soak: %s at 100 kS/s, %.4g min, in %s\n",
                arguments.sound ? "sound sensor recording of CH0" : "free running on CH0 and CH1",
                arguments.minutes, QDir::currentPath().toLocal8Bit().constData());
    std::printf("start-up: %.0f ms from the program's start to the main window drawn\n",
                (firstPaint.at - processStart) * 1000.0);

    form.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(kRateIndex100k);
    form.ComboBox3Change();
    if (arguments.sound) {
        form.findChild<QAction*>(QStringLiteral("SoundSensor1"))->trigger();
    } else {
        form.Image15Click();  // CH1 on beside CH0
    }
    form.Image5Click();  // START
    std::signal(SIGINT, OnInterrupt);

    SimulatedInstrument& sim = *device.simulator;
    const double start = BootSeconds();
    const double startCpu = CpuSeconds();
    const double startRss = ResidentMiB();
    double warmCpu = startCpu;
    double warmRss = startRss;
    double warmAt = start;
    double warmSynthesis = sim.SynthesisCpuSeconds();
    bool warm = false;
    double lastAt = start;
    double lastCpu = startCpu;
    double nextReport = interval;
    int maxQueue = 0;
    bool stopped = false;
    std::printf("%8s %7s %9s %7s %10s %15s\n", "time", "cpu %", "rss MiB", "queue", "max queue",
                "dropped frames");

    double end = start;
    double endCpu = startCpu;
    double endRss = startRss;
    std::uint64_t dropped = 0;
    double synthesis = 0.0;
    int endQueue = 0;
    std::string lastText;
    std::vector<ThreadTime> threads;
    QTimer sampler;
    sampler.setInterval(250);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double now = BootSeconds();
        const double elapsed = now - start;
        const int queued = form.QueuedBlocks();
        maxQueue = std::max(maxQueue, queued);
        if (form.State().FStopRequested.load() || form.Readers().Active() == 0) {
            stopped = true;
        }
        if (!warm && elapsed >= kWarmUpSeconds) {
            warm = true;
            warmCpu = CpuSeconds();
            warmRss = ResidentMiB();
            warmSynthesis = sim.SynthesisCpuSeconds();
            warmAt = now;
        }
        if (elapsed >= nextReport || elapsed >= total || gInterrupted || stopped) {
            const double cpu = CpuSeconds();
            std::printf("%8s %7.2f %9.1f %7d %10d %15llu\n", Clock(elapsed).c_str(),
                        100.0 * (cpu - lastCpu) / std::max(1e-9, now - lastAt), ResidentMiB(), queued,
                        maxQueue, static_cast<unsigned long long>(sim.DroppedFrames()));
            std::fflush(stdout);
            lastAt = now;
            lastCpu = cpu;
            while (nextReport <= elapsed) {  // one line after a stall, not one per sample
                nextReport += interval;
            }
        }
        if (elapsed >= total || gInterrupted || stopped) {
            // The figures of the run as it ends, its threads still there.
            end = now;
            endCpu = CpuSeconds();
            endRss = ResidentMiB();
            dropped = sim.DroppedFrames();
            synthesis = sim.SynthesisCpuSeconds() - warmSynthesis;
            endQueue = queued;
            lastText = form.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text().toStdString();
            threads = ThreadTimes();
            sampler.stop();
            QApplication::quit();
        }
    });
    sampler.start();
    QApplication::exec();
    form.Image7Click();  // HOLD
    form.FormClose();

    if (!warm) {  // a run shorter than the warm-up: measured from START
        warmCpu = startCpu;
        warmRss = startRss;
        warmAt = start;
    }
    const double growth = endRss - warmRss;
    const bool memoryOk = growth <= std::max(kRssNoiseMiB, kRssNoiseShare * warmRss);
    const double measured = std::max(1e-9, end - warmAt);
    std::printf(
        "\nCPU: %.2f %% of one core from %s to %s (%.1f s of CPU); %.2f %% without the simulated "
        "instrument's own work of computing the samples (%.1f s)\n",
        100.0 * (endCpu - warmCpu) / measured, Clock(warmAt - start).c_str(), Clock(end - start).c_str(),
        endCpu - warmCpu, 100.0 * (endCpu - warmCpu - synthesis) / measured, synthesis);
    std::printf("resident memory: %.1f MiB at START, %.1f MiB at %s, %.1f MiB at the end (%+.1f MiB%s)\n",
                startRss, warmRss, Clock(warmAt - start).c_str(), endRss, growth, memoryOk ? "" : ": GROWN");
    std::printf("queue: %d blocks at the end, at most %d\n", endQueue, maxQueue);
    std::printf("dropped: %llu frames (%.1f s of samples)\n", static_cast<unsigned long long>(dropped),
                static_cast<double>(dropped) / 100000.0);
    std::printf(
        "the run %s; Edit2 says \"%s\"\n",
        stopped ? "STOPPED before the end" : (gInterrupted ? "was interrupted" : "went on to the end"),
        lastText.c_str());
    std::printf("CPU time per thread:\n");
    for (const ThreadTime& thread : threads) {
        if (thread.seconds > 0.0) {
            std::printf("  %-16s %8.2f s\n", thread.name.c_str(), thread.seconds);
        }
    }
    if (!stopped && dropped == 0 && memoryOk) {
        return gInterrupted ? 130 : 0;  // an interrupted run is no whole soak
    }
    return 1;
}
