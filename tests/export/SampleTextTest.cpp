#include "SampleText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(SampleTextTest, EmptyTracesGiveTheTwoTitleLines) {
    EXPECT_EQ(SampleText({}, {}, "."), "CH0 Data:\r\nCH1 Data:\r\n");
}

TEST(SampleTextTest, ValuesFollowTheirTitleWithTheGivenSeparator) {
    const std::vector<double> ch0{0.5, -1.0, 2.25};
    const std::vector<double> ch1{-0.125};
    EXPECT_EQ(SampleText(ch0, ch1, "."), "CH0 Data:\r\n0.5\r\n-1\r\n2.25\r\nCH1 Data:\r\n-0.125\r\n");
    EXPECT_EQ(SampleText({}, ch0, ","), "CH0 Data:\r\nCH1 Data:\r\n0,5\r\n-1\r\n2,25\r\n");
}

struct GeneralCase {
    double value;
    const char* text;
};

class FormatGeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, FifteenSignificantDigitsShortestForm) {
    EXPECT_EQ(FormatGeneral(GetParam().value, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    ::testing::Values(
        GeneralCase{0.0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{1.0 / 3.0, "0.333333333333333"},
        // A float reading as the charts hold it: its double value to 15 digits.
        GeneralCase{static_cast<double>(14.33f), "14.3299999237061"},
        GeneralCase{static_cast<double>(0.1f), "0.100000001490116"},
        // Rounding may carry into a new digit.
        GeneralCase{9.9999999999999999, "10"}, GeneralCase{-99.9999999999999999, "-100"},
        GeneralCase{0.0001, "0.0001"}, GeneralCase{0.00012345, "0.00012345"}, GeneralCase{0.00001, "1E-5"},
        GeneralCase{-1.5e-7, "-1.5E-7"}, GeneralCase{123456789012345.0, "123456789012345"},
        GeneralCase{1e15, "1E15"}, GeneralCase{1234567890123456.0, "1.23456789012346E15"},
        GeneralCase{1e-300, "1E-300"}, GeneralCase{std::numeric_limits<double>::infinity(), "INF"},
        GeneralCase{-std::numeric_limits<double>::infinity(), "-INF"}, GeneralCase{std::nan(""), "NAN"}));

TEST(FormatGeneralTest, SeparatorAppearsInFixedAndExponentForms) {
    EXPECT_EQ(FormatGeneral(-2.25, ","), "-2,25");
    EXPECT_EQ(FormatGeneral(2.5e-9, ","), "2,5E-9");
    EXPECT_EQ(FormatGeneral(1e20, ","), "1E20");
}

}  // namespace
