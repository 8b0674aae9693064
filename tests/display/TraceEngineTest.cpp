#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "FrameDecoder.h"
#include "SeriesModel.h"
#include "TraceEngine.h"

namespace {

using Refresh = TraceEngine::Refresh;
using End = TraceTickResult::End;
using Frames = std::vector<std::uint8_t>;

// A raw code no test signal uses on CH1 by accident: pairs stay non-zero.
constexpr std::uint16_t kQuietCode = 2325;

// The window's fields as the engine reaches them: a run at 6250 S/s on
// 3072-sample screens, CH0 shown, nothing plotted yet.
struct Scope {
    std::atomic<int> FWritePos0{0}, FWritePos1{0}, FRecordLength0{3072}, FRecordLength1{3072};
    std::atomic<int> FTimeBaseIndex0{5}, FTimeBaseIndex1{5};
    std::atomic<float> FZeroAdjust0{0.0f}, FCalGain0{0.0f}, FCalOffset0{0.0f};
    std::atomic<float> zero{0.0f};  // CH1: no zero adjustment, no calibration
    float FHist0[3] = {}, FJitter0 = 0, FOld0[2] = {}, gVolt0 = 0;
    float FHist1[3] = {}, FJitter1 = 0, FOld1[2] = {}, gVolt1 = 0;
    std::vector<float> gCapturedTrace0, gCapturedTrace1;
    SeriesModel LineSeries5, LineSeries7, LineSeries2, LineSeries4;
    std::atomic<bool> FStopRequested{false};
    std::atomic<int> FDecimation{1}, gSampleRate{6250}, FFramesPerRead{3072};
    std::atomic<std::uint8_t> gChannelMask{1};
    int gDecimation1 = 0, FReadoutTicks = 0;
    int gTriggerMode = 0, gTriggerEdge = 1, gTriggerState = 0, gTriggered = 0;
    std::string gTriggerChannel = "CH0";
    float gTriggerLevel = 0.0f, gPrevTriggerVolt = 255.0f, FCandidateA = 0, FCandidateB = 0;
    int FTriggerConfirm = 0, FTriggerPos = 0, FTriggerPosShown = 0, FCapturedLength = 0;
    float gSensorVolt = -99.0f, gPulseVolt = -99.0f;
    bool FAnalysisStarted = false;
    // clang-format off
    TraceEngine engine{TraceFields{
        {FWritePos0, FRecordLength0, FTimeBaseIndex0, FZeroAdjust0, FCalGain0, FCalOffset0, FHist0, FJitter0, FOld0, gVolt0,
         gCapturedTrace0, LineSeries5, LineSeries7},
        {FWritePos1, FRecordLength1, FTimeBaseIndex1, zero, zero, zero, FHist1, FJitter1, FOld1, gVolt1,
         gCapturedTrace1, LineSeries2, LineSeries4},
        FStopRequested, FDecimation, gDecimation1, gSampleRate, gChannelMask, FFramesPerRead, FReadoutTicks,
        gTriggerMode, gTriggerChannel, gTriggerLevel, gTriggerEdge, gTriggerState, gTriggered, gPrevTriggerVolt,
        FTriggerConfirm, FCandidateA, FCandidateB, FTriggerPos, FTriggerPosShown, FCapturedLength, gSensorVolt,
        gPulseVolt, FAnalysisStarted}};
    // clang-format on

    void ArmTrigger(const char* channel, int edge, float level) {
        gTriggerMode = 1;
        gTriggerState = 1;
        gTriggerChannel = channel;
        gTriggerEdge = edge;
        gTriggerLevel = level;
    }

    TraceTickResult Tick(Refresh refresh, const std::vector<Frames>& blocks,
                         PulseSampleSink* pulse = nullptr) {
        std::vector<TraceBlock> batch;
        for (const Frames& block : blocks) {
            batch.push_back({block.data(), static_cast<int>(block.size())});
        }
        return engine.Tick(refresh, batch, pulse);
    }

    double X(int position) const { return TraceEngine::TimeOf(position, 5, gSampleRate); }
};

// One frame per pair of codes; CH1 reads kQuietCode unless given.
Frames Block(const std::vector<std::uint16_t>& ch0, const std::vector<std::uint16_t>& ch1 = {}) {
    Frames frames;
    for (std::size_t i = 0; i < ch0.size(); ++i) {
        const std::uint16_t c1 = i < ch1.size() ? ch1[i] : kQuietCode;
        frames.insert(frames.end(), {std::uint8_t(ch0[i] & 0xFF), std::uint8_t(ch0[i] >> 8),
                                     std::uint8_t(c1 & 0xFF), std::uint8_t(c1 >> 8)});
    }
    return frames;
}

std::vector<std::uint16_t> Codes(int count, const std::function<std::uint16_t(int)>& signal) {
    std::vector<std::uint16_t> codes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        codes[static_cast<std::size_t>(i)] = signal(i);
    }
    return codes;
}

// Test cases print, and are named, as their names.
constexpr auto kName = [](const auto& info) { return std::string(info.param.name); };

template <typename Case>
requires requires(const Case& c) {
    c.name;
}
std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name;
}

std::uint16_t Flat(int) {
    return 2000;
}

// ---- Screens: decimation, filling and rolling --------------------------------

struct DecimationCase {
    const char* name;
    std::uint8_t mask;
    int length0, length1;
    int decimation;
};

class DecimationTest : public ::testing::TestWithParam<DecimationCase> {};

TEST_P(DecimationTest, FillsEveryNthPositionThenRollsUnderFixedX) {
    const DecimationCase& c = GetParam();
    Scope scope;
    scope.gChannelMask = c.mask;
    scope.FRecordLength0 = c.length0;
    scope.FRecordLength1 = c.length1;
    const int S = c.decimation;
    const int most = (std::max(c.length0, c.length1) + S - 1) / S;
    // A hidden channel's leftovers go, and it starts again at 0.
    for (int ch = 0; ch < 2; ++ch) {
        if ((c.mask & (1 << ch)) == 0) {
            (ch == 0 ? scope.LineSeries5 : scope.LineSeries2).AddXY(0.0, 1.0);
            (ch == 0 ? scope.FWritePos0 : scope.FWritePos1) = 5;
        }
    }
    // Enough pairs for the longer screen to fill and roll once.
    scope.Tick(Refresh::FreeRunning, {Block(Codes((most + 2) * S, Flat), Codes((most + 2) * S, Flat))});

    EXPECT_EQ(scope.FDecimation, S);
    for (int ch = 0; ch < 2; ++ch) {
        const SeriesModel& trace = ch == 0 ? scope.LineSeries5 : scope.LineSeries2;
        if ((c.mask & (1 << ch)) == 0) {
            EXPECT_EQ(trace.Count(), 0);
            EXPECT_EQ((ch == 0 ? scope.FWritePos0 : scope.FWritePos1), 0);
            continue;
        }
        const int length = ch == 0 ? c.length0 : c.length1;
        ASSERT_EQ(trace.Count(), (length + S - 1) / S) << "CH" << ch;
        for (int i = 0; i + 1 < trace.Count(); ++i) {
            ASSERT_DOUBLE_EQ(trace.XValue(i), scope.X(i * S)) << "CH" << ch << " point " << i;
        }
        EXPECT_DOUBLE_EQ(trace.XValue(trace.Count() - 1), scope.X(length - S)) << "CH" << ch;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DecimationTest,
                         ::testing::Values(DecimationCase{"Screen3072", 1, 3072, 3072, 1},
                                           DecimationCase{"BothAt6144", 3, 6144, 6144, 2},
                                           DecimationCase{"Screen10000", 1, 10000, 3072, 3},
                                           DecimationCase{"Ch1AloneAt10000", 2, 3072, 10000, 3},
                                           DecimationCase{"BothTakeTheFiner", 3, 3072, 10000, 1}),
                         kName);

TEST(TraceEngineTest, FirstPairDrawsRawSecondDrawsNothingLaterOnesOnePairLate) {
    Scope scope;
    scope.Tick(Refresh::FreeRunning, {Block({2010})});
    ASSERT_EQ(scope.LineSeries5.Count(), 1);
    EXPECT_EQ(scope.LineSeries5.YValue(0), RawToVolts(2010));
    scope.Tick(Refresh::FreeRunning, {Block({2000})});
    EXPECT_EQ(scope.LineSeries5.Count(), 1);
    scope.Tick(Refresh::FreeRunning, {Block({2000, 2000})});
    ASSERT_EQ(scope.LineSeries5.Count(), 3);
    EXPECT_DOUBLE_EQ(scope.LineSeries5.XValue(1), scope.X(1));
    EXPECT_EQ(scope.LineSeries5.YValue(1), RawToVolts(2000));
}

struct SpikeCase {
    const char* name;
    std::vector<std::uint16_t> codes;  // the output of codes[2] is checked
    float output;
};

class SpikeFilterTest : public ::testing::TestWithParam<SpikeCase> {};

TEST_P(SpikeFilterTest, MiddleSampleOutput) {
    Scope scope;
    scope.Tick(Refresh::FreeRunning, {Block(GetParam().codes)});
    ASSERT_EQ(scope.LineSeries5.Count(), 3);
    EXPECT_EQ(scope.LineSeries5.YValue(2), GetParam().output);
}

float Mean(std::uint16_t a, std::uint16_t b) {
    return static_cast<float>((double{RawToVolts(a)} + RawToVolts(b)) / 2.0);
}

// One code is 6.2 mV; 2030 lies 0.185 V from 2000, 2070 0.43 V.
INSTANTIATE_TEST_SUITE_P(
    Steps, SpikeFilterTest,
    ::testing::Values(SpikeCase{"LoneOutlierTakesTheMean", {2000, 2000, 2030, 2000}, RawToVolts(2000)},
                      SpikeCase{
                          "OutlierBetweenUnequalNeighbours", {2000, 2000, 2040, 2020}, Mean(2000, 2020)},
                      SpikeCase{"SpikeBeyond04VPasses", {2000, 2000, 2070, 2000}, RawToVolts(2070)},
                      SpikeCase{"OneStepWithinBoundIsEnough", {2000, 2000, 2080, 2050}, Mean(2000, 2050)},
                      SpikeCase{"StepWithoutReversalKept", {2000, 2000, 2030, 2060}, RawToVolts(2030)},
                      SpikeCase{"StepBelowThresholdKept", {2000, 2000, 2001, 2000}, RawToVolts(2001)},
                      SpikeCase{"JitterRaisesTheThreshold", {2000, 2010, 2000, 2010}, RawToVolts(2000)}),
    kName);

// ---- Tick intake, readouts, analysis and sensor values -------------------------

struct EarlyEndCase {
    const char* name;
    std::vector<Frames> blocks;
    bool stop;
    End end;
    int processed;
};

class EarlyEndTest : public ::testing::TestWithParam<EarlyEndCase> {};

TEST_P(EarlyEndTest, LeavesTheRestOfTheBatchWithoutReadouts) {
    Scope scope;
    scope.FStopRequested = GetParam().stop;
    scope.FRecordLength0 = 2;
    scope.FReadoutTicks = 4;  // a complete tick would read out
    const TraceTickResult result = scope.Tick(Refresh::FreeRunning, GetParam().blocks);
    EXPECT_EQ(result.end, GetParam().end);
    EXPECT_EQ(scope.FWritePos0, GetParam().processed);
    EXPECT_FALSE(result.readout0);
    EXPECT_FALSE(result.startAnalysis);
}

INSTANTIATE_TEST_SUITE_P(
    Batches, EarlyEndTest,
    ::testing::Values(
        EarlyEndCase{"AllZeroPair",
                     {Block({2000, 2000, 0, 2000}, {1, 1, 0, 1}), Block({2000})},
                     false,
                     End::Dropped,
                     2},
        EarlyEndCase{
            "EmptyBlock", {Block({2000, 2000, 2000}), Frames{}, Block({2000})}, false, End::Dropped, 3},
        EarlyEndCase{"StopFlag", {Block({2000, 2000, 2000})}, true, End::Batch, 0}),
    kName);

struct ReadoutCase {
    const char* name;
    Refresh refresh;
    int framesPerRead;
    int triggered;
    int firstReadoutTick;  // 0: none within ten ticks
};

class ReadoutTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTest, WrittenEveryFewTicksUnlessTriggered) {
    const ReadoutCase& c = GetParam();
    Scope scope;
    scope.FFramesPerRead = c.framesPerRead;
    scope.gTriggered = c.triggered;
    int first = 0;
    for (int tick = 1; tick <= 10 && first == 0; ++tick) {
        const TraceTickResult result = scope.Tick(c.refresh, {Block({std::uint16_t(2000 + tick)})});
        if (result.readout0) {
            first = tick;
            EXPECT_EQ(*result.readout0, scope.gVolt0);
            EXPECT_FALSE(result.readout1) << "CH1 is not shown";
        }
    }
    EXPECT_EQ(first, c.firstReadoutTick);
}

INSTANTIATE_TEST_SUITE_P(Ticks, ReadoutTest,
                         ::testing::Values(ReadoutCase{"FreeRunning", Refresh::FreeRunning, 3072, 0, 5},
                                           ReadoutCase{"FreeRunningAt64", Refresh::FreeRunning, 1, 0, 7},
                                           ReadoutCase{"Waiting", Refresh::Triggered, 3072, 0, 5},
                                           ReadoutCase{"FrozenOnceTriggered", Refresh::Triggered, 3072, 1,
                                                       0}),
                         kName);

TEST(TraceEngineTest, ReadingsFollowZeroAdjustAndCalibrationOfEachTick) {
    Scope scope;
    scope.Tick(Refresh::FreeRunning, {Block({2000})});
    EXPECT_EQ(scope.gVolt0, RawToVolts(2000));
    scope.FZeroAdjust0 = 0.1f;
    scope.FCalGain0 = 2.0f;
    scope.FCalOffset0 = 0.5f;
    const ChannelCorrection corrected{0.1f, 2.0f, 0.5f};
    scope.Tick(Refresh::FreeRunning, {Block({2000})});
    EXPECT_EQ(scope.gVolt0, RawToVolts(2000, corrected));
    // Codes past the converter's 12 bits still convert.
    scope.Tick(Refresh::FreeRunning, {Block({5000})});
    EXPECT_EQ(scope.FHist0[0], RawToVolts(5000, corrected));
}

TEST(TraceEngineTest, FreeRunningAnalysisStartsOncePerRun) {
    Scope scope;
    scope.FRecordLength0 = 8;
    EXPECT_FALSE(scope.Tick(Refresh::FreeRunning, {Block(Codes(5, Flat))}).startAnalysis);
    EXPECT_TRUE(scope.Tick(Refresh::FreeRunning, {Block(Codes(5, Flat))}).startAnalysis);
    EXPECT_TRUE(scope.FAnalysisStarted);
    EXPECT_FALSE(scope.Tick(Refresh::FreeRunning, {Block(Codes(5, Flat))}).startAnalysis);
}

TEST(TraceEngineTest, SlowRateUsesOneReducedPairPerBlock) {
    Scope scope;
    scope.gSampleRate = 64;
    Frames block = Block({1000, 1010, 1020, 3000});
    block.resize(12288, 0x11);
    scope.Tick(Refresh::FreeRunning, {block});
    EXPECT_EQ(scope.FWritePos0, 1);
    EXPECT_EQ(scope.LineSeries5.YValue(0), RawToVolts(1015));
}

struct PulseRecorder : PulseSampleSink {
    std::vector<float> values;
    void AddPulseSample(float volts) override { values.push_back(volts); }
};

struct SensorCase {
    const char* name;
    Refresh refresh;
    std::uint8_t mask;
    int follows;  // channel whose value gSensorVolt and gPulseVolt end with; -1: left alone
};

class SensorValueTest : public ::testing::TestWithParam<SensorCase> {};

TEST_P(SensorValueTest, LastValueOfThePairWins) {
    Scope scope;
    scope.gChannelMask = GetParam().mask;
    scope.Tick(GetParam().refresh, {Block({2000, 2010, 2020}, {2100, 2110, 2120})});
    const float expected = GetParam().follows < 0    ? -99.0f
                           : GetParam().follows == 0 ? scope.gVolt0
                                                     : scope.gVolt1;
    EXPECT_EQ(scope.gSensorVolt, expected);
    if (GetParam().refresh == Refresh::FreeRunning) {
        EXPECT_EQ(scope.gPulseVolt, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Channels, SensorValueTest,
                         ::testing::Values(SensorCase{"Ch0", Refresh::FreeRunning, 1, 0},
                                           SensorCase{"Ch1", Refresh::FreeRunning, 2, 1},
                                           SensorCase{"BothCh1Wins", Refresh::FreeRunning, 3, 1},
                                           SensorCase{"TriggeredCh0Leaves", Refresh::Triggered, 1, -1}),
                         kName);

TEST(TraceEngineTest, PulseWindowGetsEveryPairAndTheSecondRepeatsTheFirst) {
    Scope scope;
    PulseRecorder pulse;
    scope.Tick(Refresh::FreeRunning, {Block({2000, 2010, 2020, 2030})}, &pulse);
    EXPECT_EQ(pulse.values,
              (std::vector<float>{RawToVolts(2000), RawToVolts(2000), RawToVolts(2010), RawToVolts(2020)}));
}

// ---- Trigger: candidates, confirmation, capture -------------------------------

// Rising through 0 V between sample at - 1 (-0.05 V) and at (+0.05 V).
std::uint16_t RisingThroughZero(int i, int at) {
    return VoltsToRaw(std::clamp((i - at + 0.5) * 0.1, -1.0, 1.0));
}

struct TriggerCase {
    const char* name;
    const char* channel;
    int edge;
    float level;
    std::function<std::uint16_t(int)> signal;
    int crossing;    // sample index of the crossing; the data ends two pairs later
    int position;    // FTriggerPos at the confirmation; -1: none
    int candidates;  // times the search found one
};

class TriggerTest : public ::testing::TestWithParam<TriggerCase> {
protected:
    // Runs the signal into a scope armed for the case, in one block or one
    // block per pair (every crossing then spans two blocks).
    void Run(Scope& scope, bool pairPerBlock, int& candidates) {
        const TriggerCase& c = GetParam();
        scope.ArmTrigger(c.channel, c.edge, c.level);
        scope.gChannelMask = 3;
        const std::vector<std::uint16_t> codes = Codes(c.crossing + 4, c.signal);
        const std::vector<std::uint16_t> quiet(codes.size(), kQuietCode);
        const bool ch1 = std::string(c.channel) == "CH1";
        if (!pairPerBlock) {
            scope.Tick(Refresh::Triggered, {ch1 ? Block(quiet, codes) : Block(codes, quiet)});
            return;
        }
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const int before = scope.FTriggerConfirm;
            scope.Tick(Refresh::Triggered, {ch1 ? Block({kQuietCode}, {codes[i]}) : Block({codes[i]})});
            candidates += scope.FTriggerConfirm == 1 && before != 1 ? 1 : 0;
        }
    }
};

TEST_P(TriggerTest, ConfirmsOnlyAnEdgeThatHoldsAndMarksIt) {
    const TriggerCase& c = GetParam();
    Scope whole, split;
    int candidates = 0;
    Run(whole, false, candidates);
    Run(split, true, candidates);
    EXPECT_EQ(candidates, c.candidates);
    for (Scope* scope : {&whole, &split}) {
        const SCOPED_TRACE(scope == &whole ? "one block" : "a block per pair");
        if (c.position < 0) {
            EXPECT_EQ(scope->gTriggered, 0);
            EXPECT_EQ(scope->gTriggerMode, 1);
            continue;
        }
        EXPECT_EQ(scope->gTriggered, 1);
        EXPECT_EQ(scope->gTriggerState, 2);
        EXPECT_EQ(scope->gTriggerMode, 0);
        EXPECT_EQ(scope->FTriggerPos, c.position);
        EXPECT_EQ(scope->FTriggerPosShown, c.position);
        const SeriesModel& marker = std::string(c.channel) == "CH0" ? scope->LineSeries7 : scope->LineSeries4;
        ASSERT_EQ(marker.Count(), 41);
        EXPECT_TRUE(marker.Visible() && marker.Dotted());
        EXPECT_DOUBLE_EQ(marker.XValue(0), scope->X(c.position));
        EXPECT_EQ(marker.YValue(0), -20.0);
        EXPECT_EQ(marker.YValue(40), 20.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TriggerTest,
    ::testing::Values(
        TriggerCase{"Rising", "CH0", 1, 0.0f, [](int i) { return RisingThroughZero(i, 1500); }, 1500, 1500,
                    1},
        TriggerCase{"Falling", "CH0", 2, 0.0f,
                    [](int i) { return VoltsToRaw(-RawToVolts(RisingThroughZero(i, 1500))); }, 1500, 1500, 1},
        TriggerCase{"RisingOnCh1", "CH1", 1, 0.0f, [](int i) { return RisingThroughZero(i, 1500); }, 1500,
                    1500, 1},
        // Up at 1000 and straight back down: rejected, the search goes on.
        TriggerCase{"FallingBackIsRejected", "CH0", 1, 0.0f,
                    [](int i) {
                        return i == 1000   ? VoltsToRaw(0.5)
                               : i == 1001 ? VoltsToRaw(0.6)
                                           : RisingThroughZero(i, 1500);
                    },
                    1500, 1500, 2},
        TriggerCase{"OnlyTheRejectedOne", "CH0", 1, 0.0f,
                    [](int i) {
                        return i == 1000 ? VoltsToRaw(0.5) : i == 1001 ? VoltsToRaw(0.6) : VoltsToRaw(-1.0);
                    },
                    1000, -1, 1},
        // Codes fall as volts rise; sample 1500 reads exactly the level.
        TriggerCase{"RisingSampleAtTheLevel", "CH0", 1, RawToVolts(2300),
                    [](int i) { return std::uint16_t(std::clamp(2300 + (1500 - i) * 10, 2140, 2460)); }, 1500,
                    1500, 1},
        TriggerCase{"FallingSampleAtTheLevel", "CH0", 2, RawToVolts(2300),
                    [](int i) { return std::uint16_t(std::clamp(2300 - (1500 - i) * 10, 2140, 2460)); }, 1500,
                    1500, 1},
        // Drawn at 300, inside the screen's first fifth (614): not armed yet.
        TriggerCase{"BeforeTheFirstFifth", "CH0", 1, 0.0f, [](int i) { return RisingThroughZero(i, 300); },
                    300, -1, 0},
        // Found at the last point while rolling; two rolls later it sits at L - 3.
        TriggerCase{"WhileRolling", "CH0", 1, 0.0f, [](int i) { return RisingThroughZero(i, 3500); }, 3500,
                    3069, 1}),
    kName);

TEST(TraceEngineTest, CaptureRollsTheTriggerToAFifthThenFreezesAndDropsTheRest) {
    Scope scope;
    scope.ArmTrigger("CH0", 1, 0.0f);
    scope.gChannelMask = 3;
    const std::vector<std::uint16_t> codes = Codes(5000, [](int i) { return RisingThroughZero(i, 2000); });
    TraceTickResult result = scope.Tick(Refresh::Triggered, {Block(codes), Block(codes)});

    EXPECT_EQ(result.end, End::Captured);
    ASSERT_TRUE(result.confirmedChannel);
    EXPECT_EQ(*result.confirmedChannel, 0);
    ASSERT_TRUE(result.readout0 && result.readout1);
    EXPECT_TRUE(result.startAnalysis);
    ASSERT_TRUE(result.capture);
    EXPECT_EQ(result.capture->channel, 0);
    EXPECT_DOUBLE_EQ(result.capture->triggerX, scope.X(614));
    // 3073 pairs fill the screen, 1386 roll it, the next completes.
    EXPECT_EQ(scope.FWritePos0, 3073 + 1386);
    EXPECT_EQ(scope.FTriggerPos, 614);
    EXPECT_DOUBLE_EQ(scope.LineSeries7.XValue(0), scope.X(614));
    EXPECT_EQ(scope.FCapturedLength, 3072);
    ASSERT_EQ(scope.gCapturedTrace0.size(), 3072u);
    ASSERT_EQ(scope.gCapturedTrace1.size(), 3072u);
    EXPECT_EQ(scope.gCapturedTrace0[614], RawToVolts(RisingThroughZero(2000, 2000)));
    EXPECT_EQ(scope.gCapturedTrace0[613], RawToVolts(RisingThroughZero(1999, 2000)));
    EXPECT_EQ(scope.LineSeries5.YValue(614), scope.gCapturedTrace0[614]);
}

}  // namespace
