// daq-cli and sigrok session files: captures written with --sr as
// sigrok-cli reads them, and sessions (ours and sigrok-cli's) read by
// daq-cli spectrum.

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>

#include "CliExit.h"
#include "CliTestSupport.h"
#include "PeakReadout.h"
#include "SigrokTestSupport.h"
#include "SpectrumTransform.h"

namespace {

float Float(const std::string& text) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return value;
}

std::string PeakLines(const std::vector<double>& samples, int rate) {
    SpectrumTransform transform;
    const Spectrum spectrum =
        transform.ComputeSpectrum(samples.data(), static_cast<int>(samples.size()), rate);
    std::string lines;
    for (const std::string& line : DetectPeaks(spectrum)) {
        lines += line + "\n";
    }
    return lines;
}

TEST(SessionFileTest, ACaptureReadBackBySigrokCliHoldsEveryValueAndTheRate) {
    if (!HaveSigrokCli()) {
        GTEST_SKIP() << "sigrok-cli is not installed (scripts/deps installs it)";
    }
    const struct {
        const char* channels;
        std::vector<std::size_t> columns;  // of the CSV, in session order
        const char* shown;
    } cases[] = {
        {"0,1", {1, 2}, "Channels: 2\n- CH0: analog\n- CH1: analog\n"},
        {"1", {1}, "Channels: 1\n- CH1: analog\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.channels);
        CliRun cli;
        ASSERT_EQ(
            cli.Run({"capture", "--rate", "6.25k", "--duration", "0.5", "--channels", c.channels, "--csv",
                     cli.Path("run.csv"), "--sr", cli.Path("run.sr"), "--simulate=sine:50:2,noise:0:1"}),
            kExitOk)
            << cli.err.str();
        const auto rows = ReadCsv(cli.Path("run.csv"));
        ASSERT_EQ(rows.size(), 3126u);

        int status = 0;
        const std::string shown =
            CommandOutput("sigrok-cli -i " + Quoted(cli.Path("run.sr")) + " --show", &status);
        ASSERT_EQ(status, 0) << shown;
        EXPECT_NE(shown.find("Samplerate: 6250\n"), std::string::npos) << shown;
        EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
        EXPECT_NE(shown.find("Analog sample count: 3125\n"), std::string::npos) << shown;

        CommandOutput(
            "sigrok-cli -i " + Quoted(cli.Path("run.sr")) + " -O wav -o " + Quoted(cli.Path("run.wav")),
            &status);
        ASSERT_EQ(status, 0);
        const std::optional<FloatWav> wav = ReadFloatWav(cli.Path("run.wav"));
        ASSERT_TRUE(wav);
        EXPECT_EQ(wav->rate, 6250u);
        ASSERT_EQ(wav->channels, static_cast<int>(c.columns.size()));
        ASSERT_EQ(wav->samples.size(), 3125 * c.columns.size());
        for (std::size_t i = 0; i < 3125; ++i) {
            for (std::size_t k = 0; k < c.columns.size(); ++k) {
                ASSERT_EQ(std::bit_cast<std::uint32_t>(wav->samples[i * c.columns.size() + k]),
                          std::bit_cast<std::uint32_t>(Float(rows[i + 1][c.columns[k]])))
                    << "frame " << i << " column " << c.columns[k];
            }
        }
    }
}

TEST(SessionFileTest, TheSpectrumOfASessionIsThatOfTheSameCapturesCsv) {
    CliRun cli;
    ASSERT_EQ(cli.Run({"capture", "--rate", "6250", "--duration", "0.5", "--csv", cli.Path("run.csv"), "--sr",
                       cli.Path("run.sr"), "--simulate=sine:250:1.5:0.5,square:125:1"}),
              kExitOk)
        << cli.err.str();
    for (const std::vector<std::string>& options : {std::vector<std::string>{},
                                                    {"--channel", "1"},
                                                    {"--channel", "1", "--rate", "64", "--points", "1000"}}) {
        std::vector<std::string> csv{"spectrum", cli.Path("run.csv")};
        csv.insert(csv.end(), options.begin(), options.end());
        ASSERT_EQ(cli.Run(csv), kExitOk) << cli.err.str();
        const std::string expected = cli.out.str();
        std::vector<std::string> session{"spectrum", cli.Path("run.sr")};
        session.insert(session.end(), options.begin(), options.end());
        ASSERT_EQ(cli.Run(session), kExitOk) << cli.err.str();
        EXPECT_EQ(cli.out.str(), expected);
        if (options.size() >= 2) {
            session[3] = "CH1";  // by name
            ASSERT_EQ(cli.Run(session), kExitOk) << cli.err.str();
            EXPECT_EQ(cli.out.str(), expected);
        }
    }
    // measure reads through the same reader (its sums see the float
    // samples, not the CSV's shortest decimals of them).
    ASSERT_EQ(cli.Run({"measure", cli.Path("run.sr"), "--channel", "CH1", "--json"}), kExitOk)
        << cli.err.str();
    EXPECT_NE(cli.out.str().find("\"channel\":1,\"rate\":6250,\"samples\":3125,"), std::string::npos)
        << cli.out.str();
    EXPECT_NE(cli.out.str().find("\"frequency_hz\":125,"), std::string::npos) << cli.out.str();
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("run.sr"), "--channel", "2"}), kExitUsage);
    EXPECT_NE(cli.err.str().find("its analog channels are \"CH0\", \"CH1\""), std::string::npos)
        << cli.err.str();
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("run.csv"), "--channel", "CH1"}), kExitUsage);
    EXPECT_EQ(cli.Run({"spectrum", cli.Path("run.sr"), "--points", "4000"}), kExitUsage);
    EXPECT_NE(cli.err.str().find("holds only 3125 \"CH0\" samples"), std::string::npos) << cli.err.str();
}

TEST(SessionFileTest, ASessionOfAnotherInstrumentWrittenBySigrokCli) {
    if (!HaveSigrokCli()) {
        GTEST_SKIP() << "sigrok-cli is not installed (scripts/deps installs it)";
    }
    CliRun cli;
    const std::string demo = cli.Path("demo.sr");
    int status = 0;
    CommandOutput("sigrok-cli -d demo --channels A0 --samples 3000 -o " + Quoted(demo), &status);
    ASSERT_EQ(status, 0);
    // sigrok-cli's own reading of it, as 32-bit floats.
    CommandOutput("sigrok-cli -i " + Quoted(demo) + " -O wav -o " + Quoted(cli.Path("demo.wav")), &status);
    ASSERT_EQ(status, 0);
    const std::optional<FloatWav> wav = ReadFloatWav(cli.Path("demo.wav"));
    ASSERT_TRUE(wav);
    ASSERT_EQ(wav->samples.size(), 3000u);
    const std::string expected =
        PeakLines(std::vector<double>(wav->samples.begin(), wav->samples.end()), static_cast<int>(wav->rate));
    for (const char* channel : {"0", "A0"}) {
        ASSERT_EQ(cli.Run({"spectrum", demo, "--channel", channel}), kExitOk) << cli.err.str();
        EXPECT_EQ(cli.out.str(), expected);
    }
    EXPECT_NE(expected.find("F1: ("), std::string::npos) << expected;
}

}  // namespace
