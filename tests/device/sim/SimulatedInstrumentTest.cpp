#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <ostream>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "device/FrameDecoder.h"
#include "device/ReduceSlowBlock.h"
#include "device/ScsiCommands.h"
#include "device/SptiCommands.h"

namespace {

using std::chrono::steady_clock;

SimOptions Unpaced(const char* spec = "sine:50:2,square:10:1", const char* window = "OSC80") {
    SimOptions options;
    options.signals = *ParseSimSpec(spec).spec;
    options.identityWindow = window;
    options.paced = false;
    return options;
}

std::vector<std::uint8_t> Read(SimulatedInstrument& sim, std::uint32_t rateCode, int blocks,
                               ScsiResult* result = nullptr) {
    std::vector<std::uint8_t> buffer(blocks * kBlockBytes, 0xAA);
    const ScsiResult r = sim.Execute(VendorReadCommand(rateCode, buffer.data(), blocks));
    if (result != nullptr) {
        *result = r;
    }
    return buffer;
}

// Every frame of data decodes, with the sim's own zero adjustment, to within
// one raw step of the signal at the frame's time on the stream.
void ExpectFramesFollow(const SimulatedInstrument& sim, const SimSpec& spec, const std::uint8_t* data,
                        int frames, std::uint64_t firstFrame, double frameRate) {
    for (int i = 0; i < frames; ++i) {
        const std::uint64_t frame = firstFrame + i;
        for (int channel = 0; channel < kChannelCount; ++channel) {
            const double expected = spec.channels[channel].ValueAt(frame / frameRate, frame, 1 + channel);
            const float read =
                RawToVolts(FrameSample(data + i * kFrameBytes, channel), {sim.ZeroAdjust(channel)});
            ASSERT_NEAR(read, expected, kVoltsPerRawStep) << "frame " << frame << " CH" << channel;
        }
    }
}

TEST(SimulatedInstrumentTest, AnswersTheProbeLikeTheInstrument) {
    SimulatedInstrument sim(Unpaced());
    std::uint8_t inquiry[36];
    EXPECT_TRUE(TEST_UNIT_READY_SPTI(sim));
    ASSERT_TRUE(Inquiry_SPTI(sim, inquiry));
    EXPECT_EQ(inquiry[0], 0x00);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry + 8), 8), "KRV     ");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry + 16), 3), "Osc");
    EXPECT_NE(sim.IdentityString().find("OSCILLOSCOPE"), std::string::npos);
}

TEST(SimulatedInstrumentTest, RefusesUnknownCommandsAndRateCodes) {
    SimulatedInstrument sim(Unpaced());
    ScsiCommand read10;
    read10.cdb[0] = 0x28;
    read10.cdbLength = 10;
    ScsiResult badRate;
    Read(sim, 0x50000, 1, &badRate);
    for (const ScsiResult& result : {sim.Execute(read10), badRate}) {
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.scsiStatus, 2);
        EXPECT_EQ(result.sense[2] & 0x0F, 0x05) << "ILLEGAL REQUEST";
    }
}

struct RoundTripCase {
    const char* spec;
    std::uint32_t rateCode;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << '"' << c.spec << "\" at rate code 0x" << std::hex << c.rateCode << std::dec;
}

class SimRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(SimRoundTripTest, FramesDecodeToTheSignal) {
    const SimOptions options = Unpaced(GetParam().spec, "OSC13_20");
    SimulatedInstrument sim(options);
    const double frameRate = *SimulatedInstrument::FrameRate(GetParam().rateCode);
    const bool slow = GetParam().rateCode == 0x80;
    const int frames = slow ? SimulatedInstrument::kSlowFramesPerCommand : 3 * kFramesPerBlock;
    std::uint64_t first = 0;
    for (int command = 0; command < 3; ++command) {
        ScsiResult result;
        const std::vector<std::uint8_t> data = Read(sim, GetParam().rateCode, 3, &result);
        ASSERT_TRUE(result.ok);
        ASSERT_EQ(result.transferred, 3u * kBlockBytes);
        ExpectFramesFollow(sim, options.signals, data.data(), frames, first, frameRate);
        first += frames;
    }
    EXPECT_EQ(sim.NextStreamFrame(), first);
}

INSTANTIATE_TEST_SUITE_P(ShapesAndRates, SimRoundTripTest,
                         testing::Values(RoundTripCase{"sine:50:2:0.5,triangle:20:3", 0x0},
                                         RoundTripCase{"square:1000:1,pulse:500:4:-1", 0x10000},
                                         RoundTripCase{"triangle:100:5,sine:7:9", 0x20000},
                                         RoundTripCase{"pulse:60:2,square:3:0.5:1", 0x30000},
                                         RoundTripCase{"noise:0:1:2,dc:0:-3", 0x40000},
                                         RoundTripCase{"sine:2:10,noise:0:0.2", 0x80},
                                         RoundTripCase{"dc:0:-10.9,dc:0:14.3", 0x0}));

TEST(SimulatedInstrumentTest, SlowRateGivesFourFramesPerSlotAndZerosTheRest) {
    SimulatedInstrument sim(Unpaced("dc:0:1.5,dc:0:-2"));
    ScsiResult result;
    std::vector<std::uint8_t> block = Read(sim, 0x80, 1, &result);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.transferred, 512u);
    EXPECT_TRUE(std::all_of(block.begin() + 16, block.end(), [](std::uint8_t b) { return b == 0; }));
    ReduceSlowBlock(block.data());
    EXPECT_NEAR(RawToVolts(FrameSample(block.data(), 0)), 1.5, kVoltsPerRawStep);
    EXPECT_NEAR(RawToVolts(FrameSample(block.data(), 1)), -2.0, kVoltsPerRawStep);
    Read(sim, 0x80, 1);
    EXPECT_EQ(sim.NextStreamFrame(), 8u);
}

TEST(SimulatedInstrumentTest, ARateChangeStartsANewStream) {
    SimulatedInstrument sim(Unpaced());
    Read(sim, 0x0, 2);
    EXPECT_EQ(sim.NextStreamFrame(), 256u);
    Read(sim, 0x10000, 1);
    EXPECT_EQ(sim.NextStreamFrame(), 128u);
}

// The identity window models the instrument's offset error: uncorrected
// readings are off by the adjustment, corrected ones are right.
TEST(SimulatedInstrumentTest, IdentityWindowOffsetsTheRawCodes) {
    SimulatedInstrument sim(Unpaced("dc:0:1,dc:0:1", "OSC13_20"));
    EXPECT_FLOAT_EQ(sim.ZeroAdjust(0), -0.40f);
    EXPECT_FLOAT_EQ(sim.ZeroAdjust(1), 0.19f);
    const std::vector<std::uint8_t> data = Read(sim, 0x0, 1);
    EXPECT_NEAR(RawToVolts(FrameSample(data.data(), 0)), 1.40, kVoltsPerRawStep);
    EXPECT_NEAR(RawToVolts(FrameSample(data.data(), 1)), 0.81, kVoltsPerRawStep);
}

TEST(SimulatedInstrumentTest, InjectedFaultsHitTheNextCommandsOnly) {
    SimulatedInstrument sim(Unpaced("dc:0:1,dc:0:1"));
    sim.FailNextCommands(2);
    EXPECT_FALSE(TEST_UNIT_READY_SPTI(sim));
    ScsiResult result;
    Read(sim, 0x0, 1, &result);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.scsiStatus, 2);
    EXPECT_TRUE(TEST_UNIT_READY_SPTI(sim));

    sim.ZeroNextVendorReads(1);
    std::vector<std::uint8_t> data = Read(sim, 0x0, 1, &result);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(std::all_of(data.begin(), data.end(), [](std::uint8_t b) { return b == 0; }));
    data = Read(sim, 0x0, 1);
    EXPECT_NE(FrameSample(data.data(), 0), 0);
}

TEST(SimulatedInstrumentTest, UnpluggedItReportsTheDeviceGoneUntilReplugged) {
    SimulatedInstrument sim(Unpaced());
    sim.Unplug();
    EXPECT_FALSE(sim.IsPlugged());
    std::uint8_t inquiry[36];
    ScsiResult result = sim.Execute(InquiryCommand(inquiry));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.deviceGone);
    EXPECT_NE(result.systemError, 0);
    sim.Replug();
    EXPECT_TRUE(Inquiry_SPTI(sim, inquiry));
}

TEST(SimulatedInstrumentTest, ConcurrentCommandsShareOneStream) {
    SimulatedInstrument sim(Unpaced());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&sim] {
            std::uint8_t inquiry[36];
            for (int i = 0; i < 50; ++i) {
                EXPECT_TRUE(Inquiry_SPTI(sim, inquiry));
                ScsiResult result;
                Read(sim, 0x0, 2, &result);
                EXPECT_TRUE(result.ok);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(sim.NextStreamFrame(), 4u * 50u * 256u);
}

// Paced commands complete no earlier than their last frame is sampled: two
// blocks at 6250 S/s take at least 256 / 6250 s.
TEST(SimulatedInstrumentPacingTest, ACommandWaitsForItsFrames) {
    SimOptions options;
    SimulatedInstrument sim(options);
    const auto start = steady_clock::now();
    Read(sim, 0x40000, 1);
    Read(sim, 0x40000, 1);
    EXPECT_GE(steady_clock::now() - start, std::chrono::microseconds(256 * 1000000 / 6250));
    for (int slot = 0; slot < 3; ++slot) {
        Read(sim, 0x80, 1);
    }
    EXPECT_GE(steady_clock::now() - start,
              std::chrono::microseconds(256 * 1000000 / 6250 + 3 * 1000000 / 64));
}

TEST(SimulatedInstrumentPacingTest, ACallerFarBehindLosesTheFramesInBetween) {
    SimulatedInstrument sim;
    Read(sim, 0x0, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    Read(sim, 0x0, 1);
    EXPECT_GT(sim.NextStreamFrame(), 100000u);
}

// 255 blocks at 6250 S/s would take 5.2 s; unplugging must end the wait long
// before that.
TEST(SimulatedInstrumentPacingTest, UnplugWakesAWaitingCommand) {
    SimulatedInstrument sim;
    ScsiResult result;
    const auto start = steady_clock::now();
    std::thread reader([&] { Read(sim, 0x40000, 255, &result); });
    while (sim.WaitingCommands() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    sim.Unplug();
    reader.join();
    EXPECT_TRUE(result.deviceGone);
    EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(SimulatedInstrumentPacingTest, DestructionWakesAWaitingCommand) {
    auto sim = std::make_unique<SimulatedInstrument>();
    SimulatedInstrument* raw = sim.get();
    ScsiResult result;
    const auto start = steady_clock::now();
    std::thread reader([&] { Read(*raw, 0x40000, 255, &result); });
    while (raw->WaitingCommands() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    sim.reset();
    reader.join();
    EXPECT_TRUE(result.deviceGone);
    EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(SimulatedInstrumentPacingTest, TurningPacingOffReleasesAWaitingCommand) {
    SimulatedInstrument sim;
    ScsiResult result;
    std::thread reader([&] { Read(sim, 0x40000, 255, &result); });
    while (sim.WaitingCommands() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    sim.SetPaced(false);
    reader.join();
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.transferred, 255u * kBlockBytes);
}

}  // namespace
