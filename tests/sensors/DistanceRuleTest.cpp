#include "DistanceRule.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct DistanceCase {
    float volts;
    const char* text;  // nullptr: out of range
};

class DistanceRuleTest : public testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceRuleTest, ReadsMillimetresOrOutOfRange) {
    const std::optional<double> mm = DistanceMm(GetParam().volts);
    if (GetParam().text == nullptr) {
        EXPECT_FALSE(mm.has_value());
    } else {
        ASSERT_TRUE(mm.has_value());
        EXPECT_EQ(DistanceText(*mm), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(Readings, DistanceRuleTest,
                         testing::Values(DistanceCase{0.0f, "35.000"}, DistanceCase{1.0f, "33.000"},
                                         DistanceCase{5.0f, "25.000"}, DistanceCase{5.01f, nullptr},
                                         DistanceCase{-2.0f, "39.000"}, DistanceCase{2.25f, "30.500"},
                                         DistanceCase{std::numeric_limits<float>::quiet_NaN(), nullptr},
                                         DistanceCase{std::numeric_limits<float>::infinity(), nullptr}));

}  // namespace
