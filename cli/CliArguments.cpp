#include "CliArguments.h"

#include <filesystem>
#include <functional>
#include <map>

#include "CliValues.h"
#include "MessageQuote.h"
#include "SigrokSession.h"
#include "WavWriter.h"

namespace {

constexpr std::string_view kOverview =
    "usage: daq-cli SUBCOMMAND [OPTIONS]\n"
    "Headless acquisition, export and spectrum for the two-channel DAQ instrument.\n"
    "\n"
    "subcommands:\n"
    "  list                      list the instruments found\n"
    "  capture --rate R --duration S [--channels 0|1|0,1] [--csv FILE] [--wav FILE] [--sr FILE]\n"
    "                            capture R x S frames to CSV, WAV and/or a sigrok session\n"
    "  spectrum FILE [--channel C] [--rate R] [--points N] [--bins OUT.csv]\n"
    "                            spectrum and peak lines of a capture file or sigrok session\n"
    "  measure FILE [--channel C] [--rate R] [--json]\n"
    "                            frequency, period, peak-to-peak, maximum, minimum, mean, RMS\n"
    "  demo 1|2|3 [--csv FILE]   a demo waveform and its peak lines\n"
    "\n"
    "every subcommand takes:\n"
    "  --simulate[=SPEC]         use the simulated instrument (SPEC: shape:freq_hz:ampl_v[:offset_v],\n"
    "                            CH0 then CH1, shapes sine square triangle pulse noise dc,\n"
    "                            heart:bpm:ampl_v[:offset_v] a pulse sensor's beat)\n"
    "  --sim-identity=TEXT       the simulated instrument's zero-adjust window, e.g. OSC13_20\n"
    "  --help                    this text, or a subcommand's\n"
    "\n"
    "exit status: 0 success, 2 bad usage, 3 no instrument, 4 a file cannot be read or written,\n"
    "5 the instrument failed or was unplugged, 130 capture interrupted (files kept valid).\n"
    "See daq-cli(1).\n";

constexpr std::string_view kListHelp =
    "usage: daq-cli list [--simulate[=SPEC]] [--sim-identity=TEXT]\n"
    "Lists every instrument found, one line each, tab separated: drive position, identity\n"
    "string, CH0 and CH1 zero adjustment in volts. Exit 3 when there is none.\n";

constexpr std::string_view kCaptureHelp =
    "usage: daq-cli capture --rate R --duration S [--channels 0|1|0,1] [--csv FILE] [--wav FILE]\n"
    "                       [--sr FILE] [--simulate[=SPEC]] [--sim-identity=TEXT]\n"
    "Captures exactly R x S frames (rounded down) from the first instrument found.\n"
    "  --rate R          64, 6250, 12500, 25000, 50000 or 100000 (or 6.25k, 12.5k, 25k, 50k, 100k)\n"
    "  --duration S      seconds, up to nine decimals, at most a week\n"
    "  --channels C      0, 1 or 0,1 (default 0,1)\n"
    "  --csv FILE        time_s and one column per channel in volts; - writes to standard output\n"
    "  --wav FILE        8-bit mono PCM at R of CH0 (of CH1 when it is the only channel)\n"
    "  --sr FILE         a sigrok session (PulseView, sigrok-cli): the channels as analog CH0, CH1\n"
    "                    in volts (float32) at R; at most 2^26 samples a channel\n"
    "At least one of --csv, --wav and --sr is needed. Zero adjustment and calibration.ini apply as in\n"
    "the window. Ctrl-C stops the capture and keeps what was captured in valid files.\n";

constexpr std::string_view kSpectrumHelp =
    "usage: daq-cli spectrum FILE [--channel C] [--rate R] [--points N] [--bins OUT.csv]\n"
    "Prints the six peak lines of the spectrum of a capture CSV, a \"Save Data As\" text file or an\n"
    "analog channel of a sigrok session (.sr).\n"
    "  --channel C       0 or 1 (default: the first channel the file holds); in a session the\n"
    "                    position among its analog channels (0 the first) or a channel's name\n"
    "  --rate R          samples per second, instead of the file's; needed for a file without a\n"
    "                    time column\n"
    "  --points N        use the first N samples (default: all)\n"
    "  --bins OUT.csv    write frequency_hz,amplitude_v of the drawn half of the spectrum\n";

constexpr std::string_view kMeasureHelp =
    "usage: daq-cli measure FILE [--channel C] [--rate R] [--json]\n"
    "Prints the measurements of a capture CSV, a \"Save Data As\" text file or an analog channel\n"
    "of a sigrok session (.sr), as the window measures a screen: frequency, period,\n"
    "peak-to-peak, maximum, minimum, mean and RMS, one per line, \"--\" where a value cannot be\n"
    "had (fewer than two whole periods, a flat signal).\n"
    "  --channel C       0 or 1 (default: the first channel the file holds); in a session the\n"
    "                    position among its analog channels (0 the first) or a channel's name\n"
    "  --rate R          samples per second, instead of the file's; needed for a file without a\n"
    "                    time column\n"
    "  --json            one JSON object instead: numbers in Hz, s and V, null where missing\n";

constexpr std::string_view kDemoHelp =
    "usage: daq-cli demo 1|2|3 [--csv FILE]\n"
    "Prints the peak lines of demo waveform 1, 2 or 3 (64 S/s, 128 samples).\n"
    "  --csv FILE        write its samples as time_s,ch0_v; - writes to standard output\n";

struct Option {
    bool takesValue;
    // Stores the value; returns an empty text or why the value is refused.
    std::function<std::string(std::string_view)> apply;
};

std::string Refused(std::string_view option, std::string_view value, std::string_view expected) {
    return std::string(option) + " " + QuoteForMessage(value) + ": " + std::string(expected);
}

std::optional<Subcommand> SubcommandNamed(std::string_view name) {
    if (name == "list") {
        return Subcommand::List;
    }
    if (name == "capture") {
        return Subcommand::Capture;
    }
    if (name == "spectrum") {
        return Subcommand::Spectrum;
    }
    if (name == "measure") {
        return Subcommand::Measure;
    }
    if (name == "demo") {
        return Subcommand::Demo;
    }
    return std::nullopt;
}

std::string_view NameOf(Subcommand command) {
    switch (command) {
        case Subcommand::List:
            return "list";
        case Subcommand::Capture:
            return "capture";
        case Subcommand::Spectrum:
            return "spectrum";
        case Subcommand::Measure:
            return "measure";
        case Subcommand::Demo:
            return "demo";
    }
    return "";
}

// Whether two names reach the same file ("a" and "./a", a symbolic link and
// its target, two hard links): writing one would destroy what the other
// holds or is about to hold, such as the CSV beside a WAV file that the
// writer replaces, or the samples a spectrum is computed from.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    std::error_code different;
    if (std::filesystem::equivalent(a, b, different)) {
        return true;
    }
    const auto resolved = [](const std::string& name) {
        std::error_code error;
        std::filesystem::path path = std::filesystem::absolute(name, error);
        if (!error) {
            path = std::filesystem::weakly_canonical(path, error);
        }
        return error ? std::filesystem::path() : path;
    };
    const std::filesystem::path ca = resolved(a);
    return !ca.empty() && ca == resolved(b);
}

}  // namespace

std::string_view HelpText(std::optional<Subcommand> command) {
    if (!command) {
        return kOverview;
    }
    switch (*command) {
        case Subcommand::List:
            return kListHelp;
        case Subcommand::Capture:
            return kCaptureHelp;
        case Subcommand::Spectrum:
            return kSpectrumHelp;
        case Subcommand::Measure:
            return kMeasureHelp;
        case Subcommand::Demo:
            return kDemoHelp;
    }
    return kOverview;
}

CliParse ParseCliArguments(const std::vector<std::string_view>& args) {
    CliParse parse;
    CliArguments result;
    if (args.empty()) {
        parse.error = "no subcommand given (list, capture, spectrum, measure or demo; see daq-cli --help)";
        return parse;
    }
    const std::string_view first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        result.help = true;
        if (args.size() > 1) {
            result.command = SubcommandNamed(args[1]);
        }
        parse.arguments = result;
        return parse;
    }
    result.command = SubcommandNamed(first);
    if (!result.command) {
        parse.error = "unknown subcommand " + QuoteForMessage(first) +
                      " (list, capture, spectrum, measure or demo; see daq-cli --help)";
        return parse;
    }
    const Subcommand command = *result.command;

    // Values are checked after all options are in, since the rate decides
    // what a duration means.
    std::optional<std::string> rateText;
    std::optional<std::string> durationText;
    std::map<std::string_view, Option> options;
    auto fileOption = [](std::string_view name, std::optional<std::string>* target) {
        return Option{true, [name, target](std::string_view value) {
                          if (value.empty()) {
                              return std::string(name) + " needs a file name";
                          }
                          *target = std::string(value);
                          return std::string();
                      }};
    };
    // The analysing subcommands read a file's channel and rate alike.
    // A number is a position (0 the first channel), anything else the name
    // of a sigrok session's channel.
    auto channelOption = [](std::optional<int>* position, std::optional<std::string>* name) {
        return Option{true, [position, name](std::string_view v) {
                          *position = ParseChannel(v);
                          name->reset();
                          if (*position) {
                              return std::string();
                          }
                          if (v.empty() || v.find_first_not_of("0123456789") == std::string_view::npos) {
                              return Refused("--channel", v,
                                             "expected a channel's position (0 the first, at most " +
                                                 std::to_string(kMaxChannelPosition) + ") or its name");
                          }
                          *name = std::string(v);
                          return std::string();
                      }};
    };
    auto fileRateOption = [](std::optional<int>* target) {
        return Option{true, [target](std::string_view v) {
                          *target = ParseSpectrumRate(v);
                          return *target ? std::string()
                                         : Refused("--rate", v,
                                                   "expected samples per second, a whole number "
                                                   "from 1 (or 6.25k, 12.5k, 25k, 50k, 100k)");
                      }};
    };
    switch (command) {
        case Subcommand::List:
            break;
        case Subcommand::Capture:
            options["--rate"] = Option{true, [&](std::string_view v) {
                                           rateText = std::string(v);
                                           return std::string();
                                       }};
            options["--duration"] = Option{true, [&](std::string_view v) {
                                               durationText = std::string(v);
                                               return std::string();
                                           }};
            options["--channels"] = Option{true, [&](std::string_view v) {
                                               const std::optional<std::uint8_t> mask = ParseChannelMask(v);
                                               if (!mask) {
                                                   return Refused("--channels", v, "expected 0, 1 or 0,1");
                                               }
                                               result.capture.channelMask = *mask;
                                               return std::string();
                                           }};
            options["--csv"] = fileOption("--csv", &result.capture.csv);
            options["--wav"] = fileOption("--wav", &result.capture.wav);
            options["--sr"] = fileOption("--sr", &result.capture.sr);
            break;
        case Subcommand::Spectrum:
            options["--channel"] = channelOption(&result.spectrum.channel, &result.spectrum.channelName);
            options["--rate"] = fileRateOption(&result.spectrum.rate);
            options["--points"] = Option{
                true, [&](std::string_view v) {
                    result.spectrum.points = ParseCount(v, 0x7fffffff);
                    return result.spectrum.points ? std::string()
                                                  : Refused("--points", v, "expected a whole number from 2");
                }};
            options["--bins"] = fileOption("--bins", &result.spectrum.bins);
            break;
        case Subcommand::Measure:
            options["--channel"] = channelOption(&result.measure.channel, &result.measure.channelName);
            options["--rate"] = fileRateOption(&result.measure.rate);
            options["--json"] = Option{false, [&](std::string_view) {
                                           result.measure.json = true;
                                           return std::string();
                                       }};
            break;
        case Subcommand::Demo:
            options["--csv"] = fileOption("--csv", &result.demo.csv);
            break;
    }

    std::vector<std::string_view> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            continue;
        }
        if (TakeDeviceOption(arg, &result.device)) {
            continue;
        }
        if (!arg.starts_with("-") || arg == "-") {
            positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto option = options.find(name);
        if (option == options.end()) {
            parse.error = "unknown option " + QuoteForMessage(name) + " for " + std::string(NameOf(command)) +
                          " (see daq-cli " + std::string(NameOf(command)) + " --help)";
            return parse;
        }
        std::string_view value;
        if (!option->second.takesValue) {
            if (equals != std::string_view::npos) {
                parse.error = std::string(name) + " takes no value";
                return parse;
            }
            option->second.apply(value);
            continue;
        }
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parse.error = std::string(name) + " needs a value";
            return parse;
        }
        if (std::string problem = option->second.apply(value); !problem.empty()) {
            parse.error = problem;
            return parse;
        }
    }
    if (result.help) {
        parse.arguments = result;
        return parse;
    }

    const std::size_t wantedPositional =
        command == Subcommand::Spectrum || command == Subcommand::Measure || command == Subcommand::Demo ? 1
                                                                                                         : 0;
    if (positional.size() > wantedPositional) {
        parse.error = "unexpected argument " + QuoteForMessage(positional[wantedPositional]) + " for " +
                      std::string(NameOf(command)) + " (see daq-cli " + std::string(NameOf(command)) +
                      " --help)";
        return parse;
    }
    switch (command) {
        case Subcommand::List:
            break;
        case Subcommand::Capture: {
            if (!rateText) {
                parse.error = "capture needs --rate (64, 6250, 12500, 25000, 50000 or 100000)";
                return parse;
            }
            const std::optional<int> rate = ParseCaptureRate(*rateText);
            if (!rate) {
                parse.error =
                    Refused("--rate", *rateText,
                            "the instrument samples at 64, 6250 (6.25k), 12500 (12.5k), 25000 (25k), "
                            "50000 (50k) or 100000 (100k)");
                return parse;
            }
            result.capture.rate = *rate;
            if (!durationText) {
                parse.error = "capture needs --duration (seconds)";
                return parse;
            }
            std::string why;
            const std::optional<std::uint64_t> frames = FramesForDuration(*rate, *durationText, &why);
            if (!frames) {
                parse.error = Refused("--duration", *durationText, why);
                return parse;
            }
            result.capture.frames = *frames;
            if (!result.capture.csv && !result.capture.wav && !result.capture.sr) {
                parse.error = "capture needs somewhere to write: --csv FILE, --wav FILE and/or --sr FILE";
                return parse;
            }
            if (result.capture.sr == "-") {
                parse.error = "--sr needs a file name: a sigrok session cannot go to standard output";
                return parse;
            }
            {
                const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
                    {"--csv", &result.capture.csv},
                    {"--wav", &result.capture.wav},
                    {"--sr", &result.capture.sr}};
                for (std::size_t i = 0; i < std::size(outputs); ++i) {
                    for (std::size_t j = i + 1; j < std::size(outputs); ++j) {
                        const std::optional<std::string>& a = *outputs[i].second;
                        const std::optional<std::string>& b = *outputs[j].second;
                        if (a && b && SameFile(*a, *b)) {
                            parse.error = std::string(outputs[i].first) + " and " + outputs[j].first +
                                          " name the same file " + QuoteForMessage(*a);
                            return parse;
                        }
                    }
                }
            }
            // Known now rather than hours into the capture.
            if (result.capture.wav && result.capture.frames > static_cast<std::uint64_t>(kMaxWavDataBytes)) {
                parse.error =
                    Refused("--duration", *durationText,
                            "a WAV file holds at most " + std::to_string(kMaxWavDataBytes / *rate) +
                                " s at " + std::to_string(*rate) + " S/s; use --csv for longer captures");
                return parse;
            }
            if (result.capture.sr && result.capture.frames > kMaxSessionSamples) {
                parse.error =
                    Refused("--duration", *durationText,
                            "a sigrok session holds at most " + std::to_string(kMaxSessionSamples) +
                                " samples a channel here (" +
                                std::to_string(kMaxSessionSamples / static_cast<std::uint64_t>(*rate)) +
                                " s at " + std::to_string(*rate) + " S/s); use --csv for longer captures");
                return parse;
            }
            break;
        }
        case Subcommand::Spectrum:
            if (positional.empty()) {
                parse.error = "spectrum needs a FILE to read (see daq-cli spectrum --help)";
                return parse;
            }
            result.spectrum.file = std::string(positional.front());
            if (result.spectrum.bins && result.spectrum.file != "-" && *result.spectrum.bins != "-" &&
                SameFile(result.spectrum.file, *result.spectrum.bins)) {
                parse.error = "--bins names the input file " + QuoteForMessage(*result.spectrum.bins) +
                              ", which writing the spectrum would overwrite";
                return parse;
            }
            if (result.spectrum.points && *result.spectrum.points < 2) {
                parse.error = "--points 1: a spectrum needs at least 2 samples";
                return parse;
            }
            break;
        case Subcommand::Measure:
            if (positional.empty()) {
                parse.error = "measure needs a FILE to read (see daq-cli measure --help)";
                return parse;
            }
            result.measure.file = std::string(positional.front());
            break;
        case Subcommand::Demo: {
            if (positional.empty()) {
                parse.error = "demo needs a waveform: 1, 2 or 3";
                return parse;
            }
            const std::string_view wave = positional.front();
            if (wave != "1" && wave != "2" && wave != "3") {
                parse.error = "demo waveform " + QuoteForMessage(wave) + ": expected 1, 2 or 3";
                return parse;
            }
            result.demo.wave = wave[0] - '0';
            break;
        }
    }
    parse.arguments = result;
    return parse;
}
