#include <charconv>
#include <chrono>
#include <memory>
#include <string>

#include "CalibrationFile.h"
#include "CaptureRun.h"
#include "CaptureSinks.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "InstrumentFinder.h"
#include "ProgressBar.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kProgressInterval{100};

std::string Coefficient(float value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

// The window's calibration: calibration.ini where the window finds it, the
// identity when there is none. A damaged file is reported and its usable
// part applied, as the window does; so is a channel whose correction cannot
// give finite readings with its zero adjustment, which is captured
// uncalibrated.
std::array<CalibrationCorrection, 2> LoadCalibration(CliContext& context, std::array<float, 2> zeroAdjust) {
    const CalibrationLocations where =
        context.calibration ? *context.calibration : DefaultCalibrationLocations();
    const CalibrationLoad load = LoadCalibrationFile(CalibrationReadPath(where), nullptr, zeroAdjust);
    if (load.problem != CalibrationFileProblem::None) {
        ReportError(context,
                    "warning: " + load.path.string() + ": " +
                        (load.problem == CalibrationFileProblem::BadValues ? "values ignored: " + load.detail
                                                                           : "not used: " + load.detail));
    }
    std::string unusable;
    for (std::size_t channel = 0; channel < 2; ++channel) {
        if (const std::optional<CalibrationCorrection> correction = load.unusable[channel]) {
            unusable += (unusable.empty() ? "CH" : "; CH") + std::to_string(channel) + " (gain " +
                        Coefficient(correction->gain) + ", offset " + Coefficient(correction->offset) + ")";
        }
    }
    if (!unusable.empty()) {
        ReportError(context, "warning: " + load.path.string() +
                                 ": not used, as it cannot give finite readings: " + unusable +
                                 "; captured uncalibrated");
    }
    return load.channel;
}

std::string FramesText(std::uint64_t frames, std::uint64_t total) {
    return std::to_string(frames) + " of " + std::to_string(total) + " frames";
}

}  // namespace

int RunCapture(const CaptureArguments& arguments, const CommandLine& device, CliContext& context) {
    const DeviceLink link = device.Device();
    const std::vector<FoundInstrument> found = FindInstruments(link, /*firstOnly=*/true);
    if (found.empty()) {
        context.err << "No device found!\n";
        return kExitNoDevice;
    }
    const FoundInstrument& instrument = found.front();
    if (!instrument.zeroAdjustProblem.empty()) {
        ReportError(context, "warning: zero adjustment: " + instrument.zeroAdjustProblem);
    }

    CaptureRequest request;
    request.sampleRate = arguments.rate;
    request.frames = arguments.frames;
    const std::array<CalibrationCorrection, 2> calibration = LoadCalibration(context, instrument.zeroAdjust);
    for (std::size_t channel = 0; channel < 2; ++channel) {
        request.corrections[channel] = ChannelCorrection{
            instrument.zeroAdjust[channel], calibration[channel].gain, calibration[channel].offset};
    }

    // From here on an interrupt ends the capture with complete files.
    if (context.finishing != nullptr) {
        context.finishing->store(true);
    }
    std::string error;
    std::unique_ptr<CsvFrameSink> csv;
    std::unique_ptr<WavFrameSink> wav;
    std::vector<FrameSink*> sinks;
    if (arguments.csv) {
        csv = CsvFrameSink::Open(*arguments.csv, context.out, arguments.rate, arguments.channelMask, &error);
        if (csv == nullptr) {
            ReportError(context, error);
            return kExitFile;
        }
        sinks.push_back(csv.get());
    }
    if (arguments.wav) {
        const int channel = (arguments.channelMask & 1) != 0 ? 0 : 1;
        wav = WavFrameSink::Open(*arguments.wav, arguments.rate, channel, &error);
        if (wav == nullptr) {
            ReportError(context, error);
            return kExitFile;
        }
        sinks.push_back(wav.get());
    }
    std::unique_ptr<SigrokFrameSink> sr;
    if (arguments.sr) {
        sr = SigrokFrameSink::Open(*arguments.sr, arguments.rate, arguments.channelMask, &error);
        if (sr == nullptr) {
            ReportError(context, error);
            return kExitFile;
        }
        sinks.push_back(sr.get());
    }

    CaptureWatch watch;
    watch.interrupted = context.interrupted;
    Clock::time_point lastShown{};
    if (context.progressBar) {
        watch.progress = [&](std::uint64_t frames) {
            const Clock::time_point now = Clock::now();
            if (now - lastShown >= kProgressInterval || frames == arguments.frames) {
                lastShown = now;
                context.err << '\r' << ProgressLine(frames, arguments.frames, arguments.rate) << std::flush;
            }
        };
    }
    const CaptureOutcome outcome = CaptureFrames(request, link, instrument, sinks, watch);
    if (context.progressBar) {
        context.err << '\n';
    }

    switch (outcome.end) {
        case CaptureEnd::Complete:
            return kExitOk;
        case CaptureEnd::Interrupted:
            ReportError(context, "interrupted after " + FramesText(outcome.frames, arguments.frames) +
                                     "; the files hold what was captured");
            return kExitInterrupted;
        case CaptureEnd::Unplugged:
            ReportError(context, "the instrument was unplugged after " +
                                     FramesText(outcome.frames, arguments.frames) +
                                     "; the files hold what was captured");
            return kExitDevice;
        case CaptureEnd::Silent:
            ReportError(context, "the instrument sent no samples after " +
                                     FramesText(outcome.frames, arguments.frames) +
                                     "; the files hold what was captured");
            return kExitDevice;
        case CaptureEnd::SinkFailed:
            ReportError(context, outcome.detail);
            return kExitFile;
    }
    return kExitDevice;
}
