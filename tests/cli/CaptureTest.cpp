// daq-cli end to end on the simulated instrument, checked with readers of
// its own: CSV split and strtod, WAV through libsndfile's read side.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "CliCommands.h"
#include "CliExit.h"
#include "CliTestSupport.h"
#include "FrameBlocks.h"
#include "PeakReadout.h"
#include "SigrokSession.h"
#include "SigrokTestSupport.h"
#include "SpectrumTransform.h"
#include "WavSample.h"
#include "device/FrameDecoder.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

double Number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return value;
}

TEST(CaptureTest, RowsTimesValuesZeroAdjustCalibrationAndWavAtBothReaderPaths) {
    const struct {
        const char* rate;
        int hz;
        const char* duration;
        std::size_t frames;
    } cases[] = {{"64", 64, "0.25", 16}, {"6.25k", 6250, "0.1", 625}};
    for (const auto& c : cases) {
        CliRun cli;
        // CH0: gain 2 from two points; CH1 not calibrated.
        WriteFile(cli.Path("program/calibration.ini"),
                  "[Calibration Settings(V)]\r\nCH0 Input1=2\r\nCH0 Output1=1\r\nCH0 Input2=4\r\nCH0 "
                  "Output2=2\r\n");
        const int code = cli.Run({"capture", "--rate", c.rate, "--duration", c.duration, "--csv",
                                  cli.Path("run.csv"), "--wav", cli.Path("run.wav"),
                                  "--simulate=dc:0:0.25,dc:0:-0.75", "--sim-identity=OSC13_20"});
        ASSERT_EQ(code, kExitOk) << cli.err.str();
        const auto rows = ReadCsv(cli.Path("run.csv"));
        ASSERT_EQ(rows.size(), c.frames + 1) << c.rate;
        EXPECT_EQ(rows[0], (std::vector<std::string>{"time_s", "ch0_v", "ch1_v"}));
        const std::optional<Wav> wav = ReadWav(cli.Path("run.wav"));
        ASSERT_TRUE(wav) << sf_strerror(nullptr);
        EXPECT_EQ(wav->info.samplerate, c.hz);
        EXPECT_EQ(wav->info.channels, 1);
        EXPECT_EQ(wav->info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
        ASSERT_EQ(wav->bytes.size(), c.frames);
        for (std::size_t i = 0; i < c.frames; ++i) {
            const auto& row = rows[i + 1];
            ASSERT_EQ(row.size(), 3u);
            EXPECT_EQ(Number(row[0]), static_cast<double>(i) / c.hz);
            // Zero adjustment -0.40 / +0.19 V brings the readings back onto
            // the signal; calibration then doubles CH0.
            EXPECT_NEAR(Number(row[1]), 2 * 0.25, 2 * kVoltsPerRawStep);
            EXPECT_NEAR(Number(row[2]), -0.75, kVoltsPerRawStep);
            EXPECT_EQ(wav->bytes[i], VoltsToWavSample(static_cast<float>(Number(row[1]))));
        }
    }
}

TEST(CaptureTest, ACalibrationWithoutFiniteReadingsIsReportedAndLeftOut) {
    CliRun cli;
    WriteFile(cli.Path("program/calibration.ini"),
              "[Calibration Settings(V)]\r\nCH0 Input1=0\r\nCH0 Output1=0\r\nCH0 Input2=3e38\r\nCH0 "
              "Output2=1\r\n");
    ASSERT_EQ(cli.Run({"capture", "--rate", "64", "--duration", "0.25", "--csv", cli.Path("run.csv"),
                       "--simulate=dc:0:0.25,dc:0:-0.75"}),
              kExitOk);
    const std::string err = cli.err.str();
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    EXPECT_NE(err.find("warning: "), std::string::npos) << err;
    EXPECT_NE(err.find("CH0 (gain 3e+38, offset 0); captured uncalibrated"), std::string::npos) << err;
    const auto rows = ReadCsv(cli.Path("run.csv"));
    ASSERT_EQ(rows.size(), 17u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_NEAR(Number(rows[i][1]), 0.25, kVoltsPerRawStep);
    }
}

TEST(CaptureTest, SpectrumOfACaptureEqualsTheWindowsComputationOnTheSameSamples) {
    CliRun cli;
    ASSERT_EQ(cli.Run({"capture", "--rate", "6250", "--duration", "0.5", "--channels", "1", "--csv",
                       cli.Path("s.csv"), "--simulate=dc:0:0,sine:250:1.5:0.5"}),
              kExitOk)
        << cli.err.str();
    ASSERT_EQ(cli.Run({"spectrum", cli.Path("s.csv"), "--bins", cli.Path("bins.csv")}), kExitOk)
        << cli.err.str();
    const std::string printed = cli.out.str();

    const auto rows = ReadCsv(cli.Path("s.csv"));
    ASSERT_EQ(rows[0], (std::vector<std::string>{"time_s", "ch1_v"}));
    std::vector<double> samples;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        samples.push_back(Number(rows[i][1]));
    }
    SpectrumTransform transform;
    const Spectrum spectrum =
        transform.ComputeSpectrum(samples.data(), static_cast<int>(samples.size()), 6250);
    std::string expected;
    for (const std::string& line : DetectPeaks(spectrum)) {
        expected += line + "\n";
    }
    EXPECT_EQ(printed, expected);
    EXPECT_NE(printed.find("F1: (250.00,  1.50)"), std::string::npos) << printed;

    const auto bins = ReadCsv(cli.Path("bins.csv"));
    ASSERT_EQ(bins.size(), spectrum.magnitudes.size() + 1);
    EXPECT_EQ(bins[0], (std::vector<std::string>{"frequency_hz", "amplitude_v"}));
    for (std::size_t k = 0; k < spectrum.magnitudes.size(); ++k) {
        EXPECT_EQ(Number(bins[k + 1][0]), spectrum.frequencies[k]);
        EXPECT_EQ(Number(bins[k + 1][1]), spectrum.magnitudes[k]);
    }
}

TEST(CaptureTest, DemoAndSpectrumOfItsCsvPrintTheSameLines) {
    CliRun cli;
    ASSERT_EQ(cli.Run({"demo", "3", "--csv", cli.Path("d.csv")}), kExitOk);
    const std::string demo = cli.out.str();
    EXPECT_EQ(demo.substr(0, 56), "F1: (5.00,  0.50)\nF2: (10.00,  1.50)\nF3: (15.00,  2.00)\n");
    ASSERT_EQ(cli.Run({"spectrum", cli.Path("d.csv")}), kExitOk) << cli.err.str();
    EXPECT_EQ(cli.out.str(), demo);
    EXPECT_EQ(ReadCsv(cli.Path("d.csv")).size(), 129u);
}

TEST(CaptureTest, EveryExitCodeWithOneLineOnStandardError) {
    CliRun cli;
    auto oneLine = [&cli] {
        const std::string err = cli.err.str();
        return !err.empty() && err.find('\n') == err.size() - 1;
    };
    EXPECT_EQ(
        cli.Run({"capture", "--rate", "64", "--duration", "1", "--csv", "x.csv", "--simulate", "--oops"}),
        kExitUsage);
    EXPECT_TRUE(oneLine());
    EXPECT_EQ(cli.Run({"list", "--simulate=sine:1"}), kExitUsage);
    EXPECT_TRUE(oneLine());

    // The platform's drives: this machine has no instrument.
    EXPECT_EQ(cli.Run({"capture", "--rate", "64", "--duration", "1", "--csv", cli.Path("none.csv")}),
              kExitNoDevice);
    EXPECT_EQ(cli.err.str(), "No device found!\n");
    EXPECT_FALSE(std::filesystem::exists(cli.Path("none.csv")));

    EXPECT_EQ(cli.Run({"capture", "--rate", "64", "--duration", "1", "--csv", cli.Path("no/such/dir.csv"),
                       "--simulate"}),
              kExitFile);
    EXPECT_TRUE(oneLine());
    EXPECT_EQ(cli.Run({"capture", "--rate", "64", "--duration", "1", "--wav", cli.Path("no/such/dir.wav"),
                       "--simulate"}),
              kExitFile);
    const std::string unwritable = ": cannot be written: No such file or directory\n";
    EXPECT_EQ(cli.err.str(), "daq-cli: " + cli.Path("no/such/dir.wav") + unwritable);
    EXPECT_EQ(cli.Run({"demo", "1", "--csv", cli.Path("no/such/demo.csv")}), kExitFile);
    EXPECT_EQ(cli.err.str(), "daq-cli: " + cli.Path("no/such/demo.csv") + unwritable);
    WriteFile(cli.Path("two.csv"), "time_s,ch0_v\n0,1\n0.015625,2\n");
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("two.csv"), "--bins", cli.Path("no/such/bins.csv")}), kExitFile);
    EXPECT_EQ(cli.err.str(), "daq-cli: " + cli.Path("no/such/bins.csv") + unwritable);
    for (const std::string& bad :
         {std::string(), std::string("time_s,volts\n0,1\n"), std::string("ch0_v\n1\nx\n"),
          std::string("\x89PNG\r\n\x1a\n\0\0", 10), std::string(1000000, ',')}) {
        WriteFile(cli.Path("bad.csv"), bad);
        EXPECT_EQ(cli.Run({"spectrum", cli.Path("bad.csv")}), kExitFile) << bad.substr(0, 20);
        EXPECT_TRUE(oneLine()) << cli.err.str();
        EXPECT_LT(cli.err.str().size(), 300u);
    }
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("missing.csv")}), kExitFile);
    EXPECT_TRUE(oneLine());
    WriteFile(cli.Path("one.csv"), "time_s,ch0_v\n0,1\n");
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("one.csv")}), kExitFile);
    WriteFile(cli.Path("saved.txt"), "CH0 Data:\r\n1\r\n2\r\nCH1 Data:\r\n");
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("saved.txt")}), kExitUsage);
    EXPECT_NE(cli.err.str().find("--rate"), std::string::npos);
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("saved.txt"), "--channel", "1", "--rate", "64"}), kExitFile);
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("saved.txt"), "--points", "3", "--rate", "64"}), kExitUsage);
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("saved.txt"), "--rate", "64"}), kExitOk);
}

// The capture ends early; what it got is in complete files, the session
// one that sigrok-cli opens.
void ExpectValidFiles(CliRun& cli, std::size_t maxFrames) {
    const auto rows = ReadCsv(cli.Path("cut.csv"));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_LT(rows.size(), maxFrames + 1);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].size(), 3u);
    }
    const std::optional<Wav> wav = ReadWav(cli.Path("cut.wav"));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->bytes.size(), rows.size() - 1);
    const SigrokChannelRead session = ReadSigrokChannel(cli.Path("cut.sr"), SigrokChannelChoice{1, ""});
    ASSERT_TRUE(session.ok) << session.error;
    EXPECT_EQ(session.samples.size(), rows.size() - 1);
    if (HaveSigrokCli()) {
        int status = 0;
        const std::string shown =
            CommandOutput("sigrok-cli -i " + Quoted(cli.Path("cut.sr")) + " --show", &status);
        EXPECT_EQ(status, 0);
        EXPECT_NE(shown.find("Analog sample count: " + std::to_string(rows.size() - 1) + "\n"),
                  std::string::npos)
            << shown;
    }
}

TEST(CaptureTest, UnpluggingEndsWithTheInstrumentErrorAndValidFiles) {
    CliRun cli;
    CaptureArguments arguments;
    arguments.rate = 64;
    arguments.frames = 640;
    arguments.csv = cli.Path("cut.csv");
    arguments.wav = cli.Path("cut.wav");
    arguments.sr = cli.Path("cut.sr");
    DeviceOptions options;
    options.simulate = true;
    CommandLine device;
    std::string error;
    ASSERT_TRUE(MakeDevice(options, &device, &error));
    std::thread unplug([&device] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        device.simulator->Unplug();
    });
    CliContext context = cli.Context();
    const int code = RunCapture(arguments, device, context);
    unplug.join();
    EXPECT_EQ(code, kExitDevice);
    EXPECT_NE(cli.err.str().find("unplugged"), std::string::npos) << cli.err.str();
    ExpectValidFiles(cli, 640);
}

TEST(CaptureTest, InterruptingEndsWithValidFiles) {
    CliRun cli;
    std::atomic<bool> interrupted{false};
    std::thread press([&interrupted] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        interrupted = true;
    });
    const int code = cli.Run({"capture", "--rate", "64", "--duration", "10", "--csv", cli.Path("cut.csv"),
                              "--wav", cli.Path("cut.wav"), "--sr", cli.Path("cut.sr"), "--simulate"},
                             &interrupted);
    press.join();
    EXPECT_EQ(code, kExitInterrupted);
    ExpectValidFiles(cli, 640);
}

TEST(CaptureTest, BlocksDecodeAsTheDisplayTakesThem) {
    std::vector<RawFrame> frames;
    // 64 S/s: four frames reduce to the mean of the two middle samples.
    const std::uint8_t slow[16] = {100, 0, 1, 0, 200, 0, 1, 0, 44, 1, 1, 0, 232, 3, 1, 0};
    ASSERT_EQ(DecodeBlockFrames(slow, 16, 64, frames), 1);
    EXPECT_EQ(frames[0], (RawFrame{250, 1}));
    // Above 64 S/s every whole frame, up to one that carries no sample.
    const std::uint8_t fast[14] = {1, 0, 2, 0, 3, 0, 4, 0, 0, 0, 0, 0, 9, 9};
    ASSERT_EQ(DecodeBlockFrames(fast, 14, 6250, frames), 2);
    EXPECT_EQ(frames[1], (RawFrame{3, 4}));
    EXPECT_EQ(DecodeBlockFrames(fast, 3, 6250, frames), 0);
}

}  // namespace
