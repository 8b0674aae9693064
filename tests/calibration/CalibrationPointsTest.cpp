#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "CalibrationPoints.h"
#include "device/FrameDecoder.h"

namespace {

struct RuleCase {
    const char* name;
    CalibrationPoints points;
    CalibrationCorrection expected;
    bool entered;

    friend std::ostream& operator<<(std::ostream& out, const RuleCase& c) { return out << c.name; }
};

class PointRule : public testing::TestWithParam<RuleCase> {};

TEST_P(PointRule, GivesGainAndOffset) {
    const PointRuleResult result = ApplyPointRule(GetParam().points);
    EXPECT_NEAR(result.correction.gain, GetParam().expected.gain, 1e-6);
    EXPECT_NEAR(result.correction.offset, GetParam().expected.offset, 1e-6);
    EXPECT_EQ(result.entered, GetParam().entered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointRule,
    testing::Values(
        RuleCase{"TwoPoints", {1.0f, 1.1f, 3.0f, 3.5f}, {2.0f / 2.4f, 1.0f - 1.1f * 2.0f / 2.4f}, true},
        RuleCase{"OnePoint", {1.5f, 1.2f, {}, {}}, {1.0f, 0.3f}, true},
        RuleCase{"SecondPointOnly", {{}, {}, 2.0f, 2.5f}, {1.0f, -0.5f}, true},
        RuleCase{"IdenticalPoints", {2.0f, 1.5f, 2.0f, 1.5f}, {1.0f, 0.5f}, true},
        RuleCase{"EqualReadings", {1.0f, 2.0f, 3.0f, 2.0f}, {1.0f, 0.0f}, true},
        // Same input, different readings: the correction goes off.
        RuleCase{"EqualInputs", {2.0f, 1.0f, 2.0f, 3.0f}, {0.0f, 2.0f}, true},
        // A point lacking its reading does not count.
        RuleCase{"IncompletePoints", {1.0f, {}, {}, 2.0f}, {1.0f, 0.0f}, false},
        RuleCase{"Nothing", {}, {1.0f, 0.0f}, false}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(CombineWithPrevious, ComposesWithTheCorrectionTheReadingsCarried) {
    const CalibrationCorrection previous{2.0f, 0.5f};
    // Not entered: the channel keeps its correction whatever it was.
    EXPECT_EQ(CombineWithPrevious(previous, {1.0f, 0.0f}), previous);
    // A shift measured on corrected readings adds to the old offset.
    EXPECT_EQ(CombineWithPrevious(previous, {1.0f, 0.25f}), (CalibrationCorrection{2.0f, 0.75f}));
    // raw -> 2 raw + 0.5 -> 3 (2 raw + 0.5) - 1 = 6 raw + 0.5
    EXPECT_EQ(CombineWithPrevious(previous, {3.0f, -1.0f}), (CalibrationCorrection{6.0f, 0.5f}));
    // A correction that was off means the readings were raw.
    EXPECT_EQ(CombineWithPrevious({0.0f, 4.0f}, {3.0f, -1.0f}), (CalibrationCorrection{3.0f, -1.0f}));
}

// Raw codes beyond the converter's 4095 count too, and so does the zero
// adjustment; every code agrees with the verdict.
TEST(GivesFiniteReadings, OverTheWholeRawRange) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        CalibrationCorrection correction;
        float zeroAdjust;
        bool finite;
    } cases[] = {
        {{1.0f, 0.0f}, 0.0f, true},     {{0.0f, 3e38f}, 0.0f, true},
        {{3e38f, 0.0f}, 0.0f, false},   {{1e36f, 0.0f}, 0.0f, false},
        {{8e35f, 0.0f}, 0.0f, true},    {{-8e35f, 0.0f}, 0.0f, true},
        {{8e35f, 0.0f}, -50.0f, false}, {{1.0f, 3.4e38f}, 0.0f, true},
        {{nan, 0.0f}, 0.0f, false},     {{1.0f, std::numeric_limits<float>::infinity()}, 0.0f, false},
    };
    for (const auto& c : cases) {
        bool everyCode = true;
        for (int raw = 0; raw <= 65535; ++raw) {
            everyCode = everyCode &&
                        std::isfinite(RawToVolts(static_cast<std::uint16_t>(raw),
                                                 {c.zeroAdjust, c.correction.gain, c.correction.offset}));
        }
        EXPECT_EQ(everyCode, c.finite)
            << c.correction.gain << " " << c.correction.offset << " " << c.zeroAdjust;
        EXPECT_EQ(GivesFiniteReadings(c.correction, c.zeroAdjust), c.finite)
            << c.correction.gain << " " << c.correction.offset << " " << c.zeroAdjust;
    }
}

TEST(OutputText, IsTheUncorrectedReadingWithTwoDecimalsInAnyLocale) {
    // Qt sets LC_NUMERIC from the environment; a comma locale must not
    // reach the file. Not every machine has one, so C is the fallback.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(OutputText(3.0, {2.0f, 1.0f}), "1.00");
    EXPECT_EQ(OutputText(1.0, {3.0f, 0.0f}), "0.33");
    EXPECT_EQ(OutputText(-2.0, {0.5f, 1.0f}), "-6.00");
    EXPECT_EQ(OutputText(-0.001, {1.0f, 0.0f}), "-0.00");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseCalibrationNumber, TakesDecimalsAndRefusesTheRest) {
    const std::pair<const char*, double> good[] = {{"1.25", 1.25}, {" -0.5 ", -0.5}, {"+2", 2.0},
                                                   {".5", 0.5},    {"3.", 3.0},      {"1e-3", 1e-3}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(ParseCalibrationNumber(text), value) << text;
    }
    for (const char* bad :
         {"", "-", ".", "1.2.3", "--1", "1,5", "1e", "abc", "inf", "nan", "1e39", "0x10", "1 2"}) {
        EXPECT_EQ(ParseCalibrationNumber(bad), std::nullopt) << bad;
    }
}

}  // namespace
