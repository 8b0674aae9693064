#include "SpectrumSamples.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "CliExit.h"
#include "CliValues.h"
#include "MessageQuote.h"
#include "SampleFileReader.h"
#include "SigrokSession.h"

namespace {

std::string CannotRead(const std::string& name, int error) {
    return name + ": cannot be read" + (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

int LoadSession(const SpectrumArguments& arguments, const std::string& name, CliContext& context,
                SpectrumSamples* samples) {
    // libsigrok opens the file itself; a folder, device or FIFO is not
    // handed to it.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(arguments.file, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        ReportError(context, status.type() == std::filesystem::file_type::directory ? CannotRead(name, EISDIR)
                             : error ? CannotRead(name, error.value())
                                     : name + ": cannot be read: not a regular file");
        return kExitFile;
    }
    SigrokChannelChoice choice;
    if (arguments.channelName) {
        choice.name = *arguments.channelName;
    } else {
        choice.position = static_cast<std::size_t>(arguments.channel.value_or(0));
    }
    const std::optional<std::uint64_t> points =
        arguments.points ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(*arguments.points))
                         : std::nullopt;
    SigrokChannelRead read = ReadSigrokChannel(arguments.file, choice, points);
    if (!read.ok) {
        ReportError(context, (read.channelMissing
                                  ? "--channel " +
                                        (arguments.channelName ? QuoteForMessage(*arguments.channelName)
                                                               : std::to_string(*choice.position)) +
                                        ": "
                                  : std::string()) +
                                 name + ": " + read.error);
        return read.channelMissing ? kExitUsage : kExitFile;
    }
    samples->values = std::move(read.samples);
    samples->total = read.channelSamples;
    samples->channel = QuoteForMessage(read.channel, 24);
    if (read.sampleRate == 0) {
        samples->rateProblem = "the session gives a sample rate of 0";
    } else if (read.sampleRate > static_cast<std::uint64_t>(kMaxSpectrumRate)) {
        samples->rateProblem = "the session's sample rate of " + std::to_string(read.sampleRate) +
                               " S/s is more than a spectrum takes (" + std::to_string(kMaxSpectrumRate) +
                               ")";
    } else {
        samples->rate = static_cast<int>(read.sampleRate);
    }
    return kExitOk;
}

int LoadText(const SpectrumArguments& arguments, const std::string& name, std::istream& in,
             CliContext& context, SpectrumSamples* samples) {
    if (arguments.channelName) {
        ReportError(context, "--channel " + QuoteForMessage(*arguments.channelName) + ": " + name +
                                 " is no sigrok session; its channels are 0 and 1");
        return kExitUsage;
    }
    const std::optional<std::uint64_t> maxSamples =
        arguments.points ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(*arguments.points))
                         : std::nullopt;
    SampleFileRead read = ReadSampleFile(in, maxSamples);
    if (!read.file) {
        // Appended piece by piece: GCC 12 at -O3 takes ":" + std::string for
        // an overlapping copy (-Wrestrict) once inlined.
        std::string where = name;
        if (read.line > 0) {
            where += ':';
            where += std::to_string(read.line);
        }
        ReportError(context, where + ": " + read.error);
        return kExitFile;
    }
    if (in.bad()) {
        ReportError(context, name + ": cannot be read");
        return kExitFile;
    }
    SampleFile& file = *read.file;
    int channel = 0;
    if (arguments.channel) {
        channel = *arguments.channel;
        if (channel > 1 || !file.hasChannel[static_cast<std::size_t>(channel)]) {
            ReportError(context, "--channel " + std::to_string(channel) + ": " + name + " holds no CH" +
                                     std::to_string(channel) + " samples");
            return kExitUsage;
        }
    } else if (!file.hasChannel[0]) {
        channel = 1;
    }
    samples->values = std::move(file.channels[static_cast<std::size_t>(channel)]);
    samples->total = samples->values.size();
    samples->channel = "CH" + std::to_string(channel);
    samples->rate = file.rate;
    return kExitOk;
}

}  // namespace

int LoadSpectrumSamples(const SpectrumArguments& arguments, CliContext& context, SpectrumSamples* samples) {
    const bool standardInput = arguments.file == "-";
    const std::string name = standardInput ? std::string("standard input") : arguments.file;
    if (!standardInput && LooksLikeSigrokSession(arguments.file, {})) {
        return LoadSession(arguments, name, context, samples);
    }
    std::ifstream file;
    std::istream* in = &context.in;
    if (!standardInput) {
        errno = 0;
        file.open(arguments.file, std::ios::binary);
        if (!file) {
            ReportError(context, CannotRead(name, errno));
            return kExitFile;
        }
        // A session under another name is known by its first bytes.
        char start[4] = {};
        file.read(start, sizeof start);
        const bool session = file.gcount() == sizeof start && LooksLikeSigrokSession({}, start);
        file.clear();
        file.seekg(0);
        if (session) {
            file.close();
            return LoadSession(arguments, name, context, samples);
        }
        in = &file;
    }
    return LoadText(arguments, name, *in, context, samples);
}
