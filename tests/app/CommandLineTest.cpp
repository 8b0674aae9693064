#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/DriveAccess.h"
#include "device/SptiCommands.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

struct Parsed {
    bool ok = false;
    CommandLine line;
    std::string error;
};

Parsed Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "daq");
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    Parsed parsed;
    parsed.ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &parsed.line, &parsed.error);
    return parsed;
}

TEST(CommandLineTest, NoOptionsMeansThePlatformDrives) {
    const Parsed parsed = Parse({});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_FALSE(parsed.line.simulated);
    ASSERT_NE(parsed.line.drives, nullptr);
    EXPECT_NE(parsed.line.discovery, nullptr);
    EXPECT_EQ(parsed.line.simulator, nullptr);
}

TEST(CommandLineTest, SimulatePresentsAnInstrumentThatAnswersInquiry) {
    for (const char* option : {"--simulate", "--simulate=sine:1000:3,noise:0:0.5", "--simulate=dc:0:1"}) {
        const Parsed parsed = Parse({option, "--sim-identity=OSC13_20"});
        ASSERT_TRUE(parsed.ok) << option << ": " << parsed.error;
        EXPECT_TRUE(parsed.line.simulated);
        auto device = parsed.line.drives->Open('0');
        ASSERT_NE(device, nullptr) << option;
        std::uint8_t inquiry[36] = {};
        ASSERT_TRUE(Inquiry_SPTI(*device, inquiry));
        EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry) + 8, 3), "KRV");
        EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry) + 16, 3), "Osc");
        // Discovery and hot-plug follow the same simulated instrument.
        ASSERT_NE(parsed.line.simulator, nullptr);
        EXPECT_EQ(parsed.line.discovery->ScanIdentities().identities,
                  std::vector<std::string>{parsed.line.simulator->IdentityString()});
        ASSERT_NE(parsed.line.hotplug, nullptr);
        parsed.line.simulator->Unplug();
        EXPECT_EQ(parsed.line.hotplug->ReadEvents().size(), 1u);
    }
}

TEST(CommandLineTest, BadOptionsAreRefusedNamingTheBadPart) {
    const struct {
        std::vector<std::string> args;
        std::string named;
    } cases[] = {
        {{"--simulate=sinus:50:2"}, "sinus"},
        {{"--simulate=sine:x:2"}, "x"},
        {{"--simulate="}, "--simulate"},
        {{"--simulate", "--sim-identity=OSC123456789"}, "OSC123456789"},
        {{"--sim-identity=OSC13_20"}, "--simulate"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--simulatex"}, "--simulatex"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(c.args);
        EXPECT_FALSE(parsed.ok) << c.args.front();
        EXPECT_NE(parsed.error.find(c.named), std::string::npos) << parsed.error;
    }
}

}  // namespace
