#pragma once

#include "CliArguments.h"
#include "RunCli.h"
#include "device/CommandLine.h"

// The five subcommands; each returns the exit status and reports its errors
// as one line on context.err.
int RunList(const CommandLine& device, CliContext& context);
int RunCapture(const CaptureArguments& arguments, const CommandLine& device, CliContext& context);
int RunSpectrum(const SpectrumArguments& arguments, CliContext& context);
int RunMeasure(const MeasureArguments& arguments, CliContext& context);
int RunDemo(const DemoArguments& arguments, CliContext& context);

// "daq-cli: " + message, one line: control characters in it (from a file
// name, say) are shown as \xNN.
void ReportError(CliContext& context, std::string_view message);

// Flushes context.out. When it could not take everything written to it (a
// full disk, a closed pipe or descriptor), says so in one line and returns
// false.
bool FlushOutput(CliContext& context);
