#include <string>

#include "ChannelSamples.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "JsonText.h"
#include "MeasurementText.h"
#include "Measurements.h"

namespace {

std::string TextLines(const Measurements& m) {
    const MeasurementText text = FormatMeasurements(m);
    return "Frequency: " + text.frequency + "\nPeriod: " + text.period +
           "\nPeak-to-peak: " + text.peakToPeak + "\nMaximum: " + text.maximum +
           "\nMinimum: " + text.minimum + "\nMean: " + text.mean + "\nRMS: " + text.rms + "\n";
}

// One object on one line; the values unrounded, in Hz, s and V.
std::string JsonLine(const std::string& file, const ChannelSamples& samples, int rate,
                     const Measurements& m) {
    std::string line = "{\"file\":";
    AppendJsonString(line, file);
    line += ",\"channel\":" + std::to_string(samples.channel);
    line += ",\"rate\":" + std::to_string(rate);
    line += ",\"samples\":" + std::to_string(m.samples);
    line += ",\"whole_periods\":" + std::to_string(m.wholePeriods);
    const struct {
        const char* name;
        std::optional<double> value;
    } values[] = {
        {"frequency_hz", m.frequency},
        {"period_s", m.period},
        {"peak_to_peak_v", m.peakToPeak},
        {"maximum_v", m.maximum},
        {"minimum_v", m.minimum},
        {"mean_v", m.mean},
        {"rms_v", m.rms},
    };
    for (const auto& value : values) {
        line += ",\"";
        line += value.name;
        line += "\":";
        AppendJsonNumber(line, value.value);
    }
    line += "}\n";
    return line;
}

}  // namespace

int RunMeasure(const MeasureArguments& arguments, CliContext& context) {
    ChannelSamples samples;
    if (const int status = ReadChannelSamples(arguments.file, arguments.channel, arguments.channelName,
                                              std::nullopt, context, samples);
        status != kExitOk) {
        return status;
    }
    if (samples.values.empty()) {
        ReportError(context, samples.name + " holds no " + samples.label + " samples to measure");
        return kExitFile;
    }
    const std::optional<int> rate = arguments.rate ? arguments.rate : samples.rate;
    if (!rate && !samples.rateProblem.empty()) {
        ReportError(context, samples.name + ": " + samples.rateProblem + ": give --rate");
        return kExitFile;
    }
    if (!rate) {
        ReportError(
            context,
            samples.name + " does not tell its sample rate (no time column, or a single row): give --rate");
        return kExitUsage;
    }
    const Measurements m = Measure(samples.values, *rate);
    context.out << (arguments.json ? JsonLine(arguments.file, samples, *rate, m) : TextLines(m));
    return FlushOutput(context) ? kExitOk : kExitFile;
}
