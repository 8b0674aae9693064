#include <cstdio>
#include <string>

#include "CliCommands.h"
#include "CliExit.h"
#include "InstrumentFinder.h"

namespace {

std::string Volts(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f V", static_cast<double>(value));
    return text;
}

// The identity as one field: trailing blanks dropped, tabs made blanks.
std::string Field(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text.empty() ? std::string("-") : text;
}

}  // namespace

int RunList(const CommandLine& device, CliContext& context) {
    const std::vector<FoundInstrument> instruments = FindInstruments(device.Device(), /*firstOnly=*/false);
    if (instruments.empty()) {
        context.err << "No device found!\n";
        return kExitNoDevice;
    }
    for (const FoundInstrument& instrument : instruments) {
        if (!instrument.zeroAdjustProblem.empty()) {
            ReportError(context, "warning: drive " + std::string(1, instrument.drive) +
                                     ": zero adjustment: " + instrument.zeroAdjustProblem);
        }
        context.out << instrument.drive << '\t' << Field(instrument.identity) << '\t'
                    << Volts(instrument.zeroAdjust[0]) << '\t' << Volts(instrument.zeroAdjust[1]) << '\n';
    }
    return FlushOutput(context) ? kExitOk : kExitFile;
}
