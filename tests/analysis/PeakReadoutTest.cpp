#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "PeakReadout.h"
#include "SpectrumTransform.h"

using ::testing::ElementsAre;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Frequencies 1, 2, 3 ... Hz for bins 1, 2, 3 ... (bin 0 at 0 Hz).
std::vector<std::string> Readout(const std::vector<double>& magnitudes) {
    std::vector<double> x(magnitudes.size());
    for (std::size_t k = 0; k < x.size(); ++k) {
        x[k] = static_cast<double>(k);
    }
    return DetectPeaks(magnitudes.data(), static_cast<int>(magnitudes.size()), x.data(),
                       static_cast<int>(x.size()));
}

}  // namespace

TEST(PeakReadoutTest, RoundsLikeTwoDecimalPrinting) {
    EXPECT_EQ(RoundToTwoDecimals(0.004), 0.0);
    EXPECT_EQ(RoundToTwoDecimals(0.094999), 0.09);
    EXPECT_EQ(RoundToTwoDecimals(0.095001), 0.10);
    EXPECT_EQ(RoundToTwoDecimals(0.125), 0.12);  // exactly half: to even, as printf does
    EXPECT_EQ(RoundToTwoDecimals(1.005), 1.0);   // 1.005 is stored just below the half
    EXPECT_EQ(RoundToTwoDecimals(2.675), 2.67);
}

TEST(PeakReadoutTest, RoundingAgreesWithPrintfOnManyValues) {
    // The test runs in the "C" locale, where printf's text reads back with
    // strtod; both must agree with the locale-free rounding.
    for (int i = 0; i < 20000; ++i) {
        const double value = i * 0.000537 + (i % 7) * 0.0005;
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", value);
        EXPECT_EQ(RoundToTwoDecimals(value), std::strtod(text, nullptr)) << value;
    }
}

// Without text: every hundredth's midpoint and the doubles a few steps
// either side of it, both signs, and the values that take the text path.
TEST(PeakReadoutTest, RoundingAgreesWithPrintfAtEveryMidpoint) {
    const auto printed = [](double value) {
        char text[400];
        std::snprintf(text, sizeof text, "%.2f", value);
        return std::strtod(text, nullptr);
    };
    int mismatches = 0;
    for (int k = 0; k < 200000 && mismatches < 10; ++k) {
        double value = (k + 0.5) / 100.0;
        for (int step = 0; step < 3; ++step) {
            value = std::nextafter(value, 0.0);
        }
        for (int step = 0; step < 7; ++step, value = std::nextafter(value, 1e300)) {
            for (const double v : {value, -value, static_cast<double>(static_cast<float>(value))}) {
                const double expected = printed(v);
                if (RoundToTwoDecimals(v) != expected ||
                    std::signbit(RoundToTwoDecimals(v)) != std::signbit(expected)) {
                    ADD_FAILURE() << "value " << v;
                    ++mismatches;
                }
            }
        }
    }
    for (const double v :
         {0.0, -0.0, -0.001, 5e-324, 1e-300, 4.5e13, 9.999999999999e12, 1e13, 1e300, HUGE_VAL}) {
        EXPECT_EQ(RoundToTwoDecimals(v), printed(v)) << v;
        EXPECT_EQ(std::signbit(RoundToTwoDecimals(v)), std::signbit(printed(v))) << v;
    }
    EXPECT_TRUE(std::isnan(RoundToTwoDecimals(std::nan(""))));
}

TEST(PeakReadoutTest, RoundingIgnoresTheUsersLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(RoundToTwoDecimals(0.456), 0.46);
    EXPECT_EQ(FormatReadoutNumber(7.0), "7.00");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(PeakReadoutTest, FormatsFourSignificantDigitsWithTwoDecimals) {
    EXPECT_EQ(FormatReadoutNumber(7.0), "7.00");
    EXPECT_EQ(FormatReadoutNumber(0.5), "0.50");
    EXPECT_EQ(FormatReadoutNumber(0.1f), "0.10");
    EXPECT_EQ(FormatReadoutNumber(123.456), "123.50");
    EXPECT_EQ(FormatReadoutNumber(1234.4), "1234.00");
    EXPECT_EQ(FormatReadoutNumber(63.5), "63.50");
    EXPECT_EQ(FormatReadoutNumber(0.0), "0.00");
    EXPECT_EQ(FormatReadoutNumber(12346.0), "1.235E+04");
    EXPECT_EQ(FormatReadoutNumber(50000.0), "5.000E+04");
    EXPECT_EQ(FormatReadoutNumber(9999.6), "1.000E+04");
    EXPECT_EQ(FormatReadoutNumber(-123456.0), "-1.235E+05");
}

TEST(PeakReadoutTest, ReadoutRoundsTheDecimalHalfAwayFromZero) {
    // Binary ties (781.25 is exact) round up like the decimal they are, and
    // a value typed as 1.005 reads as 1.005, not as the double below it.
    const std::vector<std::pair<double, const char*>> cases = {
        {781.25, "781.30"},    {231.25, "231.30"},     {-781.25, "-781.30"}, {0.125, "0.13"},
        {1.005, "1.01"},       {12345.0, "1.235E+04"}, {99.995, "100.00"},   {999.95, "1000.00"},
        {-0.004, "0.00"},      {-0.006, "-0.01"},      {0.0049, "0.00"},     {1e-300, "0.00"},
        {32.5520833, "32.55"}, {1e300, "1.000E+300"},  {-0.0, "0.00"},       {std::nan(""), "NAN"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatReadoutNumber(value), text) << value;
    }
    EXPECT_EQ(CursorReadoutText(781.25, -0.004), "( 781.30, 0.00 )");
}

TEST(PeakReadoutTest, CandidatesNeedStrictlyHigherRoundedNeighbours) {
    const std::vector<double> m = {0.5, 0.2, 0.3, 0.3, 0.1, 0.4, 0.201, 0.204, 0.7};
    const PeakList peaks = FindPeakCandidates(m.data(), static_cast<int>(m.size()));
    // 0.3/0.3 is a plateau; 0.201 and 0.204 both round to 0.20.
    EXPECT_THAT(peaks.bins, ElementsAre(0, 5, 8));
    EXPECT_THAT(peaks.values, ElementsAre(0.5f, 0.4f, 0.7f));
    // A single bin has no neighbour to beat.
    EXPECT_TRUE(FindPeakCandidates(m.data(), 1).values.empty());
    EXPECT_TRUE(FindPeakCandidates(m.data(), 0).values.empty());
}

TEST(PeakReadoutTest, ExchangeSortDescendingAndItsOrderForTies) {
    float values[] = {0.2f, 0.5f, 0.5f, 0.9f, 0.2f};
    int bins[] = {1, 2, 3, 4, 5};
    SortPeaks(values, bins, 5);
    EXPECT_THAT(values, ElementsAre(0.9f, 0.5f, 0.5f, 0.2f, 0.2f));
    // Each exchange moves the displaced entry to a later slot, so the tied
    // 0.5s end up with bin 3 before bin 2 and the tied 0.2s with bin 1
    // before bin 5.
    EXPECT_THAT(bins, ElementsAre(4, 3, 2, 1, 5));
}

TEST(PeakReadoutTest, LargestSixAreThoseOfTheWholeExchangeSort) {
    // Few distinct values, so ties are everywhere.
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(random() % 400);
        std::vector<float> values(static_cast<std::size_t>(n));
        std::vector<int> bins(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            values[static_cast<std::size_t>(i)] = static_cast<float>(random() % 5) * 0.25f;
            bins[static_cast<std::size_t>(i)] = i;
        }
        std::vector<float> sortedValues = values;
        std::vector<int> sortedBins = bins;
        SortPeaks(sortedValues.data(), sortedBins.data(), n);
        ASSERT_TRUE(SortLargestPeaks(values.data(), bins.data(), n, kPeakLines));
        const int k = std::min(n, kPeakLines);
        for (int i = 0; i < k; ++i) {
            ASSERT_EQ(values[static_cast<std::size_t>(i)], sortedValues[static_cast<std::size_t>(i)]);
            ASSERT_EQ(bins[static_cast<std::size_t>(i)], sortedBins[static_cast<std::size_t>(i)]) << n;
        }
    }
}

TEST(PeakReadoutTest, LongReadoutEndsWhenStopped) {
    std::vector<double> noise(1 << 20);
    std::mt19937 random(3);
    for (double& v : noise) {
        v = static_cast<double>(random() % 1000) / 100.0;
    }
    std::vector<double> x(noise.size(), 1.0);
    int polls = 0;
    const StopPoll stopAfterAWhile = [&] { return ++polls > 100000; };
    EXPECT_TRUE(DetectPeaks(noise.data(), static_cast<int>(noise.size()), x.data(),
                            static_cast<int>(x.size()), stopAfterAWhile)
                    .empty());
    EXPECT_EQ(polls, 100001);
}

TEST(PeakReadoutTest, ResetWritesSixEmptyLinesUnlessTooShort) {
    std::vector<std::string> lines(6, "x");
    ResetPeakList(lines);
    EXPECT_THAT(lines, ElementsAre("F1: --", "F2: --", "F3: --", "F4: --", "F5: --", "F6: --"));
    std::vector<std::string> shortList(4, "x");
    ResetPeakList(shortList);
    EXPECT_THAT(shortList, ElementsAre("x", "x", "x", "x"));
}

TEST(PeakReadoutTest, DemoSineReadsSevenHertzAtHalfAVolt) {
    std::vector<double> block(256);
    for (int i = 0; i < 256; ++i) {
        block[i] = 1.0 + 0.5 * std::sin(2.0 * kPi * 7.0 * i / 128.0);
    }
    SpectrumTransform transform;
    EXPECT_THAT(DetectPeaks(transform.ComputeSpectrum(block.data(), 256, 128)),
                ElementsAre("F1: (7.00,  0.50)", "F2: --", "F3: --", "F4: --", "F5: --", "F6: --"));
}

TEST(PeakReadoutTest, FlatSpectrumListsNothingAndEmptyChartKeepsTheOldText) {
    EXPECT_TRUE(DetectPeaks(nullptr, 0, nullptr, 0).empty());
    EXPECT_TRUE(DetectPeaks(Spectrum{}).empty());
    EXPECT_THAT(Readout(std::vector<double>(20, 0.004)),
                ElementsAre("F1: --", "F2: --", "F3: --", "F4: --", "F5: --", "F6: --"));
}

TEST(PeakReadoutTest, TenthIsListedButNotLess) {
    EXPECT_THAT(
        Readout({0, 0.1, 0, 0.094, 0, 0.0951, 0}),
        ElementsAre("F1: (5.00,  0.10)", "F2: (1.00,  0.10)", "F3: --", "F4: --", "F5: --", "F6: --"));
}

TEST(PeakReadoutTest, SixLargestOnlySmallestFirst) {
    EXPECT_THAT(Readout({0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0}),
                ElementsAre("F1: (3.00,  2.00)", "F2: (5.00,  3.00)", "F3: (7.00,  4.00)",
                            "F4: (9.00,  5.00)", "F5: (11.00,  6.00)", "F6: (13.00,  7.00)"));
}

TEST(PeakReadoutTest, FiltersApplyAfterTheLimitOfSix) {
    // DC is the largest and 0.05 is the sixth largest: both are dropped,
    // leaving four lines with values.
    EXPECT_THAT(Readout({9, 0, 0.3, 0, 0.5, 0, 0.7, 0, 0.9, 0, 0.05, 0, 0.02}),
                ElementsAre("F1: (2.00,  0.30)", "F2: (4.00,  0.50)", "F3: (6.00,  0.70)",
                            "F4: (8.00,  0.90)", "F5: --", "F6: --"));
    // Seven peaks, DC largest: the seventh (0.2) is beyond the six and is not
    // listed even though DC's line stays empty.
    EXPECT_THAT(Readout({9, 0, 0.2, 0, 0.3, 0, 0.4, 0, 0.5, 0, 0.6, 0, 0.7, 0}),
                ElementsAre("F1: (4.00,  0.30)", "F2: (6.00,  0.40)", "F3: (8.00,  0.50)",
                            "F4: (10.00,  0.60)", "F5: (12.00,  0.70)", "F6: --"));
}

TEST(PeakReadoutTest, TiesFollowTheExchangeSort) {
    // Equal peaks at bins 1, 3 and 5 with a larger one at 7: moving the 0.8
    // to the front sends bin 1 to the back, so the ties read 3, 5, 1 and are
    // listed smallest-rank first.
    EXPECT_THAT(Readout({0, 0.5, 0, 0.5, 0, 0.5, 0, 0.8}),
                ElementsAre("F1: (1.00,  0.50)", "F2: (5.00,  0.50)", "F3: (3.00,  0.50)",
                            "F4: (7.00,  0.80)", "F5: --", "F6: --"));
}
