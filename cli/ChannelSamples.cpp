#include "ChannelSamples.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "CliCommands.h"
#include "CliExit.h"
#include "SampleFileReader.h"

int ReadChannelSamples(const std::string& file, std::optional<int> channel,
                       std::optional<std::uint64_t> maxSamples, CliContext& context, ChannelSamples& out) {
    out.name = file == "-" ? std::string("standard input") : file;
    const std::string& name = out.name;
    std::ifstream stream;
    std::istream* in = &context.in;
    if (file != "-") {
        errno = 0;
        stream.open(file, std::ios::binary);
        if (!stream) {
            ReportError(context, name + ": cannot be read" +
                                     (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
            return kExitFile;
        }
        in = &stream;
    }
    SampleFileRead read = ReadSampleFile(*in, maxSamples);
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
    if (in->bad()) {
        ReportError(context, name + ": cannot be read");
        return kExitFile;
    }
    SampleFile& samples = *read.file;

    out.channel = 0;
    if (channel) {
        out.channel = *channel;
        if (!samples.hasChannel[static_cast<std::size_t>(out.channel)]) {
            ReportError(context, "--channel " + std::to_string(out.channel) + ": " + name + " holds no CH" +
                                     std::to_string(out.channel) + " samples");
            return kExitUsage;
        }
    } else if (!samples.hasChannel[0]) {
        out.channel = 1;
    }
    out.values = std::move(samples.channels[static_cast<std::size_t>(out.channel)]);
    out.rate = samples.rate;
    return kExitOk;
}
