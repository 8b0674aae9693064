#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ChannelSamples.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CsvNumber.h"
#include "PeakReadout.h"
#include "SpectrumTransform.h"

namespace {

// The drawn half of the spectrum as frequency_hz,amplitude_v rows.
bool WriteBins(const std::string& path, std::ostream& standardOutput, const Spectrum& spectrum) {
    errno = 0;
    std::unique_ptr<std::ofstream> file;
    if (path != "-") {
        file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
        if (!*file) {
            return false;
        }
    }
    std::ostream& out = file != nullptr ? *file : standardOutput;
    std::string text = "frequency_hz,amplitude_v\n";
    for (std::size_t k = 0; k < spectrum.magnitudes.size(); ++k) {
        AppendCsvNumber(text, spectrum.frequencies[k]);
        text += ',';
        AppendCsvNumber(text, spectrum.magnitudes[k]);
        text += '\n';
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (file != nullptr) {
        file->close();
    }
    return static_cast<bool>(out);
}

}  // namespace

int RunSpectrum(const SpectrumArguments& arguments, CliContext& context) {
    const std::optional<std::uint64_t> maxSamples =
        arguments.points ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(*arguments.points))
                         : std::nullopt;
    ChannelSamples samples;
    if (const int status = ReadChannelSamples(arguments.file, arguments.channel, arguments.channelName,
                                              maxSamples, context, samples);
        status != kExitOk) {
        return status;
    }
    const std::string& name = samples.name;
    const std::vector<double>& values = samples.values;
    std::size_t count = values.size();
    if (arguments.points) {
        if (static_cast<std::uint64_t>(*arguments.points) > samples.total) {
            ReportError(context, "--points " + std::to_string(*arguments.points) + ": " + name +
                                     " holds only " + std::to_string(samples.total) + " " + samples.label +
                                     " samples");
            return kExitUsage;
        }
        count = static_cast<std::size_t>(*arguments.points);
    }
    if (count < 2) {
        ReportError(context, name + ": " + std::to_string(count) + " " + samples.label +
                                 " samples; a spectrum needs at least 2");
        return kExitFile;
    }
    if (count > 0x7fffffff) {
        ReportError(context,
                    name + ": more " + samples.label + " samples than one spectrum can take; use --points");
        return kExitUsage;
    }

    const std::optional<int> rate = arguments.rate ? arguments.rate : samples.rate;
    if (!rate && !samples.rateProblem.empty()) {
        ReportError(context, name + ": " + samples.rateProblem + ": give --rate");
        return kExitFile;
    }
    if (!rate) {
        ReportError(context, name + " has no time column to tell its sample rate: give --rate");
        return kExitUsage;
    }

    SpectrumTransform transform;
    const Spectrum spectrum = transform.ComputeSpectrum(values.data(), static_cast<int>(count), *rate);
    for (const std::string& line : DetectPeaks(spectrum)) {
        context.out << line << '\n';
    }
    if (!FlushOutput(context)) {
        return kExitFile;
    }
    if (arguments.bins && !WriteBins(*arguments.bins, context.out, spectrum)) {
        ReportError(context, (*arguments.bins == "-" ? std::string("standard output") : *arguments.bins) +
                                 ": cannot be written" +
                                 (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
        return kExitFile;
    }
    return kExitOk;
}
