#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "device/FrameDecoder.h"
#include "device/ReduceSlowBlock.h"
#include "device/ScsiCommands.h"
#include "device/SptiCommands.h"

namespace {

using std::chrono::steady_clock;

SimOptions Unpaced(const char* spec = "sine:50:2,square:10:1", const char* window = "OSC80") {
    return SimOptions{*ParseSimSpec(spec).spec, window, false};
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

bool AllZero(const std::vector<std::uint8_t>& data, std::size_t from = 0) {
    return std::all_of(data.begin() + from, data.end(), [](std::uint8_t b) { return b == 0; });
}

TEST(SimulatedInstrumentTest, AnswersTheProbeLikeTheInstrument) {
    SimulatedInstrument sim(Unpaced());
    std::uint8_t inquiry[36];
    EXPECT_TRUE(TEST_UNIT_READY_SPTI(sim));
    ASSERT_TRUE(Inquiry_SPTI(sim, inquiry));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry + 8), 8), "KRV     ");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(inquiry + 16), 3), "Osc");
}

TEST(SimulatedInstrumentTest, RefusesUnknownCommandsAndRateCodes) {
    SimulatedInstrument sim(Unpaced());
    ScsiCommand read10;
    read10.cdb[0] = 0x28;
    ScsiResult badRate;
    Read(sim, 0x50000, 1, &badRate);
    for (const ScsiResult& result : {sim.Execute(read10), badRate}) {
        EXPECT_EQ(result.scsiStatus, 2);
        EXPECT_EQ(result.sense[2] & 0x0F, 0x05) << "ILLEGAL REQUEST";
    }
}

struct RoundTripCase {
    const char* spec;
    std::uint32_t rateCode;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.spec << " at code " << c.rateCode;
}

class SimRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

// Three reads in a row continue one stream, and every frame decodes, with the
// zero adjustment of the identity window, to within one raw step of the signal.
TEST_P(SimRoundTripTest, FramesDecodeToTheSignal) {
    const SimOptions options = Unpaced(GetParam().spec, "OSC13_20");
    SimulatedInstrument sim(options);
    const double frameRate = *SimulatedInstrument::FrameRate(GetParam().rateCode);
    const int frames = GetParam().rateCode == 0x80 ? 4 : 3 * kFramesPerBlock;
    std::uint64_t frame = 0;
    for (int command = 0; command < 3; ++command) {
        ScsiResult result;
        const std::vector<std::uint8_t> data = Read(sim, GetParam().rateCode, 3, &result);
        ASSERT_TRUE(result.ok);
        ASSERT_EQ(result.transferred, 3u * kBlockBytes);
        for (int i = 0; i < frames; ++i, ++frame) {
            for (int channel = 0; channel < kChannelCount; ++channel) {
                const double signal =
                    options.signals.channels[channel].ValueAt(frame / frameRate, frame, 1 + channel);
                const std::uint16_t raw = FrameSample(&data[i * kFrameBytes], channel);
                ASSERT_NEAR(RawToVolts(raw, {sim.ZeroAdjust(channel)}), signal, kVoltsPerRawStep) << frame;
            }
        }
    }
    EXPECT_EQ(sim.NextStreamFrame(), frame);
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
    std::vector<std::uint8_t> block = Read(sim, 0x80, 1);
    EXPECT_TRUE(AllZero(block, 16));
    ReduceSlowBlock(block.data());
    EXPECT_NEAR(RawToVolts(FrameSample(block.data(), 0)), 1.5, kVoltsPerRawStep);
    EXPECT_NEAR(RawToVolts(FrameSample(block.data(), 1)), -2.0, kVoltsPerRawStep);
    Read(sim, 0x80, 1);
    EXPECT_EQ(sim.NextStreamFrame(), 8u);
    Read(sim, 0x0, 1);
    EXPECT_EQ(sim.NextStreamFrame(), 128u) << "a new rate starts a new stream";
}

// The window models the instrument's offset error: raw readings are off by
// the adjustment that the program then applies.
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
    EXPECT_EQ(result.scsiStatus, 2);
    EXPECT_TRUE(TEST_UNIT_READY_SPTI(sim));

    sim.ZeroNextVendorReads(1);
    EXPECT_TRUE(AllZero(Read(sim, 0x0, 1, &result)));
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(AllZero(Read(sim, 0x0, 1)));

    sim.Unplug();
    const ScsiResult gone = sim.Execute(TestUnitReadyCommand());
    EXPECT_TRUE(gone.deviceGone);
    EXPECT_NE(gone.systemError, 0);
    sim.Replug();
    EXPECT_TRUE(TEST_UNIT_READY_SPTI(sim));
}

TEST(SimulatedInstrumentTest, ConcurrentCommandsShareOneStream) {
    SimulatedInstrument sim(Unpaced());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&sim] {
            std::uint8_t inquiry[36];
            for (int i = 0; i < 50; ++i) {
                EXPECT_TRUE(Inquiry_SPTI(sim, inquiry));
                EXPECT_FALSE(AllZero(Read(sim, 0x0, 2)));
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(sim.NextStreamFrame(), 4u * 50u * 256u);
}

// Paced reads end no earlier than their last frame is sampled: two blocks at
// 6250 S/s, then three 1/64 s slots.
TEST(SimulatedInstrumentPacingTest, ACommandWaitsForItsFrames) {
    SimulatedInstrument sim;
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
    EXPECT_EQ(sim.DroppedFrames(), 0u);
    Read(sim, 0x0, 1);
    EXPECT_GT(sim.NextStreamFrame(), 100000u);
    EXPECT_EQ(sim.DroppedFrames(), sim.NextStreamFrame() - 2 * kFramesPerBlock);
}

// Starts a 5.2 s read (255 blocks at 6250 S/s), interrupts it once it waits
// and returns its result.
ScsiResult InterruptedRead(SimulatedInstrument& sim, const std::function<void()>& interrupt) {
    ScsiResult result;
    std::thread reader([&] { Read(sim, 0x40000, 255, &result); });
    while (sim.WaitingCommands() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    interrupt();
    reader.join();
    return result;
}

TEST(SimulatedInstrumentPacingTest, UnplugOrDestructionWakesAWaitingCommandAtOnce) {
    const auto start = steady_clock::now();
    SimulatedInstrument sim;
    EXPECT_TRUE(InterruptedRead(sim, [&] { sim.Unplug(); }).deviceGone);
    auto doomed = std::make_unique<SimulatedInstrument>();
    EXPECT_TRUE(InterruptedRead(*doomed, [&] { doomed.reset(); }).deviceGone);
    // Far below the 2 x 5.2 s the reads would have taken.
    EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
    SimulatedInstrument unpaced;
    EXPECT_TRUE(InterruptedRead(unpaced, [&] { unpaced.SetPaced(false); }).ok);
}

}  // namespace
