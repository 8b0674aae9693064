#include "CliArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "CliValues.h"
#include "MessageQuote.h"

namespace {

CliParse Parse(std::vector<std::string_view> args) {
    return ParseCliArguments(args);
}

TEST(CliArgumentsTest, RatesInBothSpellingsAndExactFrameCounts) {
    const struct {
        std::string_view rate;
        std::string_view duration;
        std::uint64_t frames;
    } cases[] = {
        {"64", "1.5", 96},          {"6.25k", "0.1", 625},
        {"6250", "0.1", 625},       {"12.5k", "0.001", 12},
        {"25k", "2", 50000},        {"50k", "0.00003", 1},
        {"100k", "10", 1000000},    {"100000", "0.123456789", 12345},
        {"64", "604800", 38707200},
    };
    for (const auto& c : cases) {
        const CliParse parse =
            Parse({"capture", "--rate", c.rate, "--duration=" + std::string(c.duration), "--csv", "x"});
        ASSERT_TRUE(parse.arguments) << c.rate << " " << c.duration << ": " << parse.error;
        EXPECT_EQ(parse.arguments->capture.frames, c.frames) << c.rate << " " << c.duration;
        EXPECT_EQ(parse.arguments->capture.channelMask, 3);
    }
}

TEST(CliArgumentsTest, BadUsageIsOneLineNamingTheBadArgument) {
    const struct {
        std::vector<std::string_view> args;
        std::string named;
    } cases[] = {
        {{}, "subcommand"},
        {{"record"}, "\"record\""},
        {{"capture", "--rate", "1000", "--duration", "1", "--csv", "x"}, "--rate \"1000\""},
        {{"capture", "--rate", "6.25K", "--duration", "1", "--csv", "x"}, "--rate \"6.25K\""},
        {{"capture", "--rate", "64", "--duration", "-1", "--csv", "x"}, "--duration \"-1\""},
        {{"capture", "--rate", "64", "--duration", "1e3", "--csv", "x"}, "--duration \"1e3\""},
        {{"capture", "--rate", "64", "--duration", "604800.5", "--csv", "x"}, "week"},
        {{"capture", "--rate", "64", "--duration", "99999999999999999999999", "--csv", "x"}, "week"},
        {{"capture", "--rate", "64", "--duration", "0.01", "--csv", "x"}, "one frame"},
        {{"capture", "--rate", "64", "--duration", "1."}, "--duration \"1.\""},
        {{"capture", "--rate", "64", "--duration", "1"}, "--csv"},
        {{"capture", "--duration", "1", "--csv", "x"}, "--rate"},
        {{"capture", "--rate", "64", "--csv", "x"}, "--duration"},
        {{"capture", "--rate", "64", "--duration", "1", "--channels", "0,1,2", "--csv", "x"}, "--channels"},
        {{"capture", "--rate", "64", "--duration", "1", "--csv"}, "--csv needs a value"},
        {{"capture", "--rate", "64", "--duration", "1", "--csv="}, "--csv needs a file name"},
        {{"capture", "--frobnicate"}, "\"--frobnicate\""},
        {{"capture", "--rate", "64", "--duration", "1", "--csv", "a", "--wav=a"}, "same file"},
        {{"capture", "--rate", "64", "--duration", "1", "--csv", "a", "--wav=./a"}, "same file"},
        {{"capture", "--rate", "100k", "--duration", "42949.673", "--wav", "x"}, "at most 42949 s"},
        {{"capture", "--rate", "100k", "--duration", "671.08865", "--sr", "x"}, "(671 s at 100000 S/s)"},
        {{"capture", "--rate", "64", "--duration", "1", "--sr", "-"}, "standard output"},
        {{"capture", "--rate", "64", "--duration", "1", "--csv", "a", "--sr", "./a"},
         "--csv and --sr name the same"},
        {{"capture", "--rate", "64", "--duration", "1", "--wav", "a", "--sr=a"},
         "--wav and --sr name the same"},
        {{"capture", "extra", "--rate", "64", "--duration", "1", "--csv", "x"}, "\"extra\""},
        {{"spectrum"}, "FILE"},
        {{"spectrum", "a.csv", "--channel", "1024"}, "--channel \"1024\""},
        {{"spectrum", "a.csv", "--channel="}, "--channel \"\""},
        {{"spectrum", "a.csv", "--channel", "01"}, "--channel \"01\""},
        {{"spectrum", "a.csv", "--points", "0"}, "--points \"0\""},
        {{"spectrum", "a.csv", "--points", "1"}, "--points 1"},
        {{"spectrum", "a.csv", "--rate", "-5"}, "--rate \"-5\""},
        {{"spectrum", "a.csv", "b.csv"}, "\"b.csv\""},
        {{"measure"}, "FILE"},
        {{"measure", "a.csv", "--channel", "1024"}, "--channel \"1024\""},
        {{"measure", "a.csv", "--rate", "0"}, "--rate \"0\""},
        {{"measure", "a.csv", "--rate", "-1"}, "--rate \"-1\""},
        {{"measure", "a.csv", "--rate", "nan"}, "--rate \"nan\""},
        {{"measure", "a.csv", "--rate", "1e400"}, "--rate \"1e400\""},
        {{"measure", "a.csv", "--json=yes"}, "--json takes no value"},
        {{"measure", "a.csv", "--points", "3"}, "\"--points\""},
        {{"measure", "a.csv", "b.csv"}, "\"b.csv\""},
        {{"demo", "4"}, "\"4\""},
        {{"demo"}, "1, 2 or 3"},
        {{"list", "--wav", "x"}, "\"--wav\""},
    };
    for (const auto& c : cases) {
        const CliParse parse = Parse(c.args);
        EXPECT_FALSE(parse.arguments) << c.named;
        EXPECT_NE(parse.error.find(c.named), std::string::npos) << parse.error;
        EXPECT_EQ(parse.error.find('\n'), std::string::npos) << parse.error;
    }
}

TEST(CliArgumentsTest, HelpDeviceOptionsAndOptionalValues) {
    CliParse parse = Parse({"capture", "--help"});
    ASSERT_TRUE(parse.arguments);
    EXPECT_TRUE(parse.arguments->help);
    EXPECT_NE(HelpText(parse.arguments->command).find("--duration"), std::string_view::npos);
    parse = Parse({"--help"});
    ASSERT_TRUE(parse.arguments);
    EXPECT_FALSE(parse.arguments->command);

    parse = Parse({"spectrum", "--simulate=dc:0:1", "run.txt", "--rate=6.25k", "--channel", "1", "--points",
                   "300", "--sim-identity=OSC13_20", "--bins", "b.csv"});
    ASSERT_TRUE(parse.arguments) << parse.error;
    const CliArguments& a = *parse.arguments;
    EXPECT_EQ(a.spectrum.file, "run.txt");
    EXPECT_EQ(a.spectrum.rate, 6250);
    EXPECT_EQ(a.spectrum.channel, 1);
    EXPECT_EQ(a.spectrum.points, 300);
    EXPECT_EQ(a.spectrum.bins, "b.csv");
    EXPECT_TRUE(a.device.simulate);
    EXPECT_EQ(a.device.simSpec, "dc:0:1");
    EXPECT_EQ(a.device.simIdentity, "OSC13_20");

    // A flag takes no value, so the name after it is the file.
    parse = Parse({"measure", "--json", "run.txt", "--rate=64", "--channel", "1"});
    ASSERT_TRUE(parse.arguments) << parse.error;
    EXPECT_EQ(parse.arguments->measure.file, "run.txt");
    EXPECT_TRUE(parse.arguments->measure.json);
    EXPECT_EQ(parse.arguments->measure.rate, 64);
    EXPECT_EQ(parse.arguments->measure.channel, 1);
    parse = Parse({"measure", "-"});
    ASSERT_TRUE(parse.arguments) << parse.error;
    EXPECT_FALSE(parse.arguments->measure.json);
    EXPECT_FALSE(parse.arguments->measure.rate);
    // A number is a position, anything else a sigrok session channel's name.
    for (const auto& [given, position, name] :
         {std::tuple{"0", std::optional<int>(0), std::optional<std::string>()},
          std::tuple{"1023", std::optional<int>(1023), std::optional<std::string>()},
          std::tuple{"A0", std::optional<int>(), std::optional<std::string>("A0")},
          std::tuple{"CH 1", std::optional<int>(), std::optional<std::string>("CH 1")}}) {
        parse = Parse({"spectrum", "run.sr", "--channel", "0", "--channel", given});
        ASSERT_TRUE(parse.arguments) << parse.error;
        EXPECT_EQ(parse.arguments->spectrum.channel, position) << given;
        EXPECT_EQ(parse.arguments->spectrum.channelName, name) << given;
        parse = Parse({"measure", "run.sr", "--channel", given});
        ASSERT_TRUE(parse.arguments) << parse.error;
        EXPECT_EQ(parse.arguments->measure.channel, position) << given;
        EXPECT_EQ(parse.arguments->measure.channelName, name) << given;
    }
    parse = Parse({"capture", "--rate", "100k", "--duration", "671", "--sr", "run.sr"});
    ASSERT_TRUE(parse.arguments) << parse.error;
    EXPECT_EQ(parse.arguments->capture.sr, "run.sr");

    EXPECT_EQ(ParseSpectrumRate("44100"), 44100);
    EXPECT_EQ(ParseSpectrumRate("0"), std::nullopt);
    EXPECT_EQ(QuoteForMessage(std::string(100000, 'x')).size(), 65u);
    EXPECT_EQ(QuoteForMessage("a\x01"), "\"a\\x01\"");
}

}  // namespace
