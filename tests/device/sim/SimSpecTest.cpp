#include "device/sim/SimSpec.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct GoodCase {
    std::string text;
    SimSignal ch0;
    SimSignal ch1;
};

void PrintTo(const GoodCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class SimSpecGoodTest : public testing::TestWithParam<GoodCase> {};

void ExpectSignal(const SimSignal& actual, const SimSignal& expected) {
    EXPECT_EQ(actual.shape, expected.shape);
    EXPECT_EQ(actual.frequencyHz, expected.frequencyHz);
    EXPECT_EQ(actual.amplitudeV, expected.amplitudeV);
    EXPECT_EQ(actual.offsetV, expected.offsetV);
}

TEST_P(SimSpecGoodTest, ReadsBothChannels) {
    const SimSpecResult result = ParseSimSpec(GetParam().text);
    ASSERT_TRUE(result.ok()) << result.error;
    ExpectSignal(result.spec->channels[0], GetParam().ch0);
    ExpectSignal(result.spec->channels[1], GetParam().ch1);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, SimSpecGoodTest,
    testing::Values(
        GoodCase{"sine:50:2,square:10:1", {SimShape::Sine, 50, 2, 0}, {SimShape::Square, 10, 1, 0}},
        GoodCase{"triangle:5.5:1.25:-0.5,pulse:1.2:3:0.25",
                 {SimShape::Triangle, 5.5, 1.25, -0.5},
                 {SimShape::Pulse, 1.2, 3, 0.25}},
        // One description: CH1 stays at 0 V.
        GoodCase{"noise:0:0.1", {SimShape::Noise, 0, 0.1, 0}, {SimShape::Dc, 0, 0, 0}},
        GoodCase{"dc:0:-1.5,dc:0:2e-1", {SimShape::Dc, 0, -1.5, 0}, {SimShape::Dc, 0, 0.2, 0}}));

TEST(SimSpecTest, DefaultIsASineOnCh0AndASquareOnCh1) {
    const SimSpec spec = DefaultSimSpec();
    ExpectSignal(spec.channels[0], {SimShape::Sine, 50, 2, 0});
    ExpectSignal(spec.channels[1], {SimShape::Square, 10, 1, 0});
}

struct BadCase {
    std::string text;
    std::string message;  // the error must contain this
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class SimSpecBadTest : public testing::TestWithParam<BadCase> {};

TEST_P(SimSpecBadTest, IsRefusedNamingTheBadPart) {
    const SimSpecResult result = ParseSimSpec(GetParam().text);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find(GetParam().message), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Specs, SimSpecBadTest,
    testing::Values(BadCase{"", "empty"}, BadCase{"sinus:50:2", "unknown shape \"sinus\" in \"sinus:50:2\""},
                    BadCase{"sine:50:2,Square:10:1", "CH1: unknown shape \"Square\""},
                    BadCase{"sine:x:2", "bad frequency \"x\" in \"sine:x:2\""},
                    BadCase{"sine:-5:2", "negative frequency \"-5\""}, BadCase{"sine:nan:2", "bad frequency"},
                    BadCase{"sine:1e999:2", "bad frequency"}, BadCase{"sine:50,5:2", "CH0: expected"},
                    BadCase{"sine:50:2V", "bad amplitude \"2V\""}, BadCase{"sine:50:2:", "bad offset \"\""},
                    BadCase{"sine: 50:2", "bad frequency \" 50\""}, BadCase{"sine:50", "got \"sine:50\""},
                    BadCase{"sine:50:2:0:1", "expected shape:frequency_hz:amplitude_v[:offset_v]"},
                    BadCase{"sine:50:2,", "CH1: empty channel"},
                    BadCase{"dc:0:1,dc:0:1,dc:0:1", "too many channels"}));

}  // namespace
