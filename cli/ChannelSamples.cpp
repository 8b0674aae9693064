#include "ChannelSamples.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "CliCommands.h"
#include "CliExit.h"
#include "CliValues.h"
#include "MessageQuote.h"
#include "SampleFileReader.h"
#include "SigrokSession.h"

namespace {

std::string CannotRead(const std::string& name, int error) {
    return name + ": cannot be read" + (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

int ReadSession(const std::string& file, std::optional<int> channel,
                const std::optional<std::string>& channelName, std::optional<std::uint64_t> maxSamples,
                CliContext& context, ChannelSamples& out) {
    const std::string& name = out.name;
    // libsigrok opens the file itself; a folder, device or FIFO is not
    // handed to it.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        ReportError(context, status.type() == std::filesystem::file_type::directory ? CannotRead(name, EISDIR)
                             : error ? CannotRead(name, error.value())
                                     : name + ": cannot be read: not a regular file");
        return kExitFile;
    }
    SigrokChannelChoice choice;
    if (channelName) {
        choice.name = *channelName;
    } else {
        choice.position = static_cast<std::size_t>(channel.value_or(0));
    }
    SigrokChannelRead read = ReadSigrokChannel(file, choice, maxSamples);
    if (!read.ok) {
        std::string asked;
        if (read.channelMissing) {
            asked = "--channel " +
                    (channelName ? QuoteForMessage(*channelName) : std::to_string(*choice.position)) + ": ";
        }
        ReportError(context, asked + name + ": " + read.error);
        return read.channelMissing ? kExitUsage : kExitFile;
    }
    out.channel =
        static_cast<int>(std::find(read.analogChannels.begin(), read.analogChannels.end(), read.channel) -
                         read.analogChannels.begin());
    if (choice.position) {
        out.channel = static_cast<int>(*choice.position);
    }
    out.label = QuoteForMessage(read.channel, 24);
    out.values = std::move(read.samples);
    out.total = read.channelSamples;
    if (read.sampleRate == 0) {
        out.rateProblem = "the session gives a sample rate of 0";
    } else if (read.sampleRate > static_cast<std::uint64_t>(kMaxSpectrumRate)) {
        out.rateProblem = "the session's sample rate of " + std::to_string(read.sampleRate) +
                          " S/s is more than is taken here (" + std::to_string(kMaxSpectrumRate) + ")";
    } else {
        out.rate = static_cast<int>(read.sampleRate);
    }
    return kExitOk;
}

int ReadText(std::istream& in, std::optional<int> channel, const std::optional<std::string>& channelName,
             std::optional<std::uint64_t> maxSamples, CliContext& context, ChannelSamples& out) {
    const std::string& name = out.name;
    if (channelName) {
        ReportError(context, "--channel " + QuoteForMessage(*channelName) + ": " + name +
                                 " is no sigrok session; its channels are 0 and 1");
        return kExitUsage;
    }
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
    SampleFile& samples = *read.file;

    out.channel = 0;
    if (channel) {
        out.channel = *channel;
        if (out.channel > 1 || !samples.hasChannel[static_cast<std::size_t>(out.channel)]) {
            ReportError(context, "--channel " + std::to_string(out.channel) + ": " + name + " holds no CH" +
                                     std::to_string(out.channel) + " samples");
            return kExitUsage;
        }
    } else if (!samples.hasChannel[0]) {
        out.channel = 1;
    }
    out.label = "CH" + std::to_string(out.channel);
    out.values = std::move(samples.channels[static_cast<std::size_t>(out.channel)]);
    out.total = out.values.size();
    out.rate = samples.rate;
    return kExitOk;
}

}  // namespace

int ReadChannelSamples(const std::string& file, std::optional<int> channel,
                       const std::optional<std::string>& channelName, std::optional<std::uint64_t> maxSamples,
                       CliContext& context, ChannelSamples& out) {
    out.name = file == "-" ? std::string("standard input") : file;
    if (file != "-" && LooksLikeSigrokSession(file, {})) {
        return ReadSession(file, channel, channelName, maxSamples, context, out);
    }
    std::ifstream stream;
    std::istream* in = &context.in;
    if (file != "-") {
        errno = 0;
        stream.open(file, std::ios::binary);
        if (!stream) {
            ReportError(context, CannotRead(out.name, errno));
            return kExitFile;
        }
        // A session under another name is known by its first bytes.
        char start[4] = {};
        stream.read(start, sizeof start);
        const bool session = stream.gcount() == sizeof start && LooksLikeSigrokSession({}, start);
        stream.clear();
        stream.seekg(0);
        if (session) {
            stream.close();
            return ReadSession(file, channel, channelName, maxSamples, context, out);
        }
        in = &stream;
    }
    return ReadText(*in, channel, channelName, maxSamples, context, out);
}
