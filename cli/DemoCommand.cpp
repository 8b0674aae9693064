#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "CaptureCsvWriter.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "DemoWave.h"
#include "PeakReadout.h"
#include "SpectrumTransform.h"

int RunDemo(const DemoArguments& arguments, CliContext& context) {
    const std::vector<double> samples = DemoWave(arguments.wave, kDemoLength, kDemoRate);
    SpectrumTransform transform;
    const Spectrum spectrum = transform.ComputeSpectrum(samples.data(), kDemoLength, kDemoRate);
    for (const std::string& line : DetectPeaks(spectrum)) {
        context.out << line << '\n';
    }
    if (!FlushOutput(context)) {
        return kExitFile;
    }
    if (!arguments.csv) {
        return kExitOk;
    }

    const std::string& path = *arguments.csv;
    std::unique_ptr<std::ofstream> file;
    errno = 0;
    if (path != "-") {
        file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    }
    std::ostream& out = file != nullptr ? *file : context.out;
    CaptureCsvWriter writer(out, kDemoRate, /*channelMask=*/1);
    bool ok = static_cast<bool>(out) && writer.Begin();
    for (double sample : samples) {
        ok = ok && writer.Put(sample);
    }
    ok = ok && writer.Flush();
    if (file != nullptr) {
        file->close();
        ok = ok && !file->fail();
    }
    if (!ok) {
        ReportError(context, (path == "-" ? std::string("standard output") : path) + ": cannot be written" +
                                 (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
        return kExitFile;
    }
    return kExitOk;
}
