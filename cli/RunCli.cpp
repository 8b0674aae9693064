#include "RunCli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "CliCommands.h"
#include "CliExit.h"

void ReportError(CliContext& context, std::string_view message) {
    // A file name may hold a line break or a terminal control; the message
    // stays one line and shows them as \xNN.
    std::string line = "daq-cli: ";
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            line += escaped;
        } else {
            line += c;
        }
    }
    line += '\n';
    context.err << line;
    context.err.flush();
}

bool FlushOutput(CliContext& context) {
    context.out.flush();
    if (context.out) {
        return true;
    }
    // errno still holds the failed write's reason: the commands make no
    // other system call between writing their output and this check.
    const int reason = errno;
    ReportError(context, std::string("standard output: cannot be written") +
                             (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()));
    return false;
}

int RunCli(const std::vector<std::string_view>& args, CliContext& context) {
    const CliParse parse = ParseCliArguments(args);
    if (!parse.arguments) {
        ReportError(context, parse.error);
        return kExitUsage;
    }
    const CliArguments& arguments = *parse.arguments;
    if (arguments.help) {
        context.out << HelpText(arguments.command);
        return FlushOutput(context) ? kExitOk : kExitFile;
    }
    // The device options are checked for every subcommand, so a typing
    // error never goes unnoticed.
    CommandLine device;
    std::string error;
    if (!MakeDevice(arguments.device, &device, &error)) {
        ReportError(context, error);
        return kExitUsage;
    }
    // A sample file is analysed whole unless --points says otherwise; one
    // larger than memory ends with a clear line instead of an abort.
    try {
        switch (*arguments.command) {
            case Subcommand::List:
                return RunList(device, context);
            case Subcommand::Capture:
                return RunCapture(arguments.capture, device, context);
            case Subcommand::Spectrum:
                return RunSpectrum(arguments.spectrum, context);
            case Subcommand::Measure:
                return RunMeasure(arguments.measure, context);
            case Subcommand::Demo:
                return RunDemo(arguments.demo, context);
        }
    } catch (const std::bad_alloc&) {
        ReportError(context, "not enough memory for the samples (--points analyses fewer)");
        return kExitFile;
    }
    return kExitUsage;
}
