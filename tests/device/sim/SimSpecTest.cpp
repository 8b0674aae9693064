#include "device/sim/SimSpec.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(SimSpecTest, ReadsOneDescriptionPerChannel) {
    const std::pair<const char*, SimSpec> cases[] = {
        {"sine:50:2,square:10:1", {{{{SimShape::Sine, 50, 2, 0}, {SimShape::Square, 10, 1, 0}}}}},
        {"triangle:5.5:1.25:-0.5,pulse:1.2:3:0.25",
         {{{{SimShape::Triangle, 5.5, 1.25, -0.5}, {SimShape::Pulse, 1.2, 3, 0.25}}}}},
        // One description: CH1 stays at 0 V.
        {"noise:0:0.1", {{{{SimShape::Noise, 0, 0.1, 0}, {SimShape::Dc, 0, 0, 0}}}}},
        {"dc:0:-1.5,dc:0:2e-1", {{{{SimShape::Dc, 0, -1.5, 0}, {SimShape::Dc, 0, 0.2, 0}}}}},
        // The heart's rate is in beats per minute.
        {"heart:72:1.5:0.5,heart:45:1",
         {{{{SimShape::Heart, 1.2, 1.5, 0.5}, {SimShape::Heart, 0.75, 1, 0}}}}}};
    for (const auto& [text, spec] : cases) {
        const SimSpecResult result = ParseSimSpec(text);
        ASSERT_TRUE(result.ok()) << text << ": " << result.error;
        EXPECT_EQ(result.spec->channels[0], spec.channels[0]) << text;
        EXPECT_EQ(result.spec->channels[1], spec.channels[1]) << text;
    }
    EXPECT_EQ(DefaultSimSpec(), ParseSimSpec("sine:50:2,square:10:1").spec);
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
