#include "PulseEstimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

namespace {

using Signal = std::function<float(int)>;

// A narrow peak every period samples, first at sample first.
Signal Train(int period, int first = 10) {
    return [=](int n) {
        const int phase = ((n - first) % period + period) % period;
        const int distance = std::min(phase, period - phase);
        return static_cast<float>(std::max(0, 4 - distance));
    };
}

// Every estimate made while feeding count samples of signal.
std::vector<std::optional<double>> Feed(PulseEstimator& estimator, const Signal& signal, int count) {
    std::vector<std::optional<double>> estimates;
    for (int n = 0; n < count; ++n) {
        estimates.push_back(estimator.Add(signal(n)));
    }
    return estimates;
}

struct RateCase {
    const char* name;
    std::array<double, 4> times;
    const char* text;  // nullptr: no estimate
};

class BpmFromBeatTimesTest : public testing::TestWithParam<RateCase> {};

TEST_P(BpmFromBeatTimesTest, FollowsTheIntervalRules) {
    const std::optional<double> bpm = BpmFromBeatTimes(GetParam().times);
    if (GetParam().text == nullptr) {
        EXPECT_FALSE(bpm.has_value());
    } else {
        ASSERT_TRUE(bpm.has_value());
        EXPECT_EQ(BpmText(*bpm), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(Intervals, BpmFromBeatTimesTest,
                         testing::Values(RateCase{"OneSecond", {3.0, 0.0, 2.0, 1.0}, "60.00"},
                                         RateCase{"HalfSecond", {0.0, 0.5, 1.0, 1.5}, nullptr},
                                         RateCase{"MissedBeat", {0.0, 0.8, 1.6, 3.2}, "75.00"},
                                         RateCase{"OffIntervalIgnored", {0.0, 0.8, 1.6, 2.8}, "75.00"},
                                         RateCase{"TwoBeatBase", {0.0, 1.5, 3.0, 4.5}, "80.00"},
                                         RateCase{"TooFastBase", {0.0, 0.6, 1.2, 1.8}, nullptr},
                                         RateCase{"TooSlowBase", {0.0, 2.6, 5.2, 7.8}, nullptr}),
                         [](const testing::TestParamInfo<RateCase>& info) { return info.param.name; });

struct TrainCase {
    const char* name;
    int period;        // samples between peaks
    const char* text;  // the estimate once four seconds are in, nullptr: none
};

class PulseTrainTest : public testing::TestWithParam<TrainCase> {};

TEST_P(PulseTrainTest, EstimatesOnlyAfterFourSeconds) {
    PulseEstimator estimator;
    const auto estimates = Feed(estimator, Train(GetParam().period), 6 * PulseEstimator::kRate);
    for (int n = 0; n < PulseEstimator::kWindow; ++n) {
        ASSERT_FALSE(estimates[n].has_value()) << "sample " << n;
    }
    for (std::size_t n = PulseEstimator::kWindow; n < estimates.size(); ++n) {
        if (GetParam().text == nullptr) {
            ASSERT_FALSE(estimates[n].has_value()) << "sample " << n;
        } else {
            ASSERT_TRUE(estimates[n].has_value()) << "sample " << n;
            ASSERT_EQ(BpmText(*estimates[n]), GetParam().text) << "sample " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Trains, PulseTrainTest,
                         testing::Values(TrainCase{"OneHertz", 64, "60.00"},
                                         TrainCase{"TwoHertz", 32, nullptr}, TrainCase{"Flat", 1, nullptr}),
                         [](const testing::TestParamInfo<TrainCase>& info) { return info.param.name; });

TEST(PulseEstimatorTest, MissedBeatCountsTwice) {
    // Peaks 51 samples (0.797 s) apart, the one at 153 missing.
    const std::vector<int> peaks{2, 53, 104, 206};
    PulseEstimator estimator;
    std::optional<double> last;
    for (int n = 0; n <= 256; ++n) {
        const bool peak = std::find(peaks.begin(), peaks.end(), n) != peaks.end();
        last = estimator.Add(peak ? 3.0f : 0.0f);
    }
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(BpmText(*last), "75.29");  // 4 beats in 204 samples
}

TEST(PulseEstimatorTest, NoNumberNeverBecomesABeat) {
    PulseEstimator estimator;
    const Signal train = Train(64);
    for (int n = 0; n < 600; ++n) {
        const std::optional<double> bpm = estimator.Add(
            train(n) == 0.0f && n % 3 == 0 ? std::numeric_limits<float>::quiet_NaN() : train(n));
        if (n >= PulseEstimator::kWindow) {
            ASSERT_TRUE(bpm.has_value());
            ASSERT_EQ(BpmText(*bpm), "60.00");
        }
    }
}

// The window as a plain list in time order, sorted by value (newer first
// among equals) and searched the same way: beats are peaks above the middle
// level, and no wave between the first and last may go uncounted. samples
// holds the sample before the window too.
std::optional<double> Reference(const std::deque<std::pair<float, std::int64_t>>& samples) {
    const auto window = std::vector(samples.begin() + 1, samples.end());
    const auto [low, high] = std::minmax_element(window.begin(), window.end());
    const float middle = low->first + (high->first - low->first) / 2.0f;
    const auto peak = [&](std::size_t i) {
        const float before = i == 0 ? samples[0].first : window[i - 1].first;
        return low->first < high->first && window[i].first > middle && window[i].first > before &&
               (i + 1 == window.size() || window[i].first >= window[i + 1].first);
    };
    std::vector<std::size_t> sorted(window.size());
    std::iota(sorted.begin(), sorted.end(), std::size_t{0});
    std::stable_sort(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
        return window[a].first != window[b].first ? window[a].first > window[b].first : a > b;
    });
    std::vector<std::size_t> beats;
    for (std::size_t i = 0; i < 255 && beats.size() < 4; ++i) {
        const std::size_t at = sorted[i];
        if (peak(at) && std::all_of(beats.begin(), beats.end(), [&](std::size_t b) {
                return std::llabs(static_cast<long long>(at) - static_cast<long long>(b)) >= 32;
            })) {
            beats.push_back(at);
        }
    }
    if (beats.size() < 4) {
        return std::nullopt;
    }
    std::sort(beats.begin(), beats.end());
    const auto time = [&](std::size_t i) { return static_cast<double>(window[beats[i]].second) / 64.0; };
    const std::optional<double> bpm = BpmFromBeatTimes({time(0), time(1), time(2), time(3)});
    long waves = 0;
    for (std::size_t i = beats[0] + 1; i <= beats[3]; ++i) {
        waves += window[i - 1].first <= middle && window[i].first > middle;
    }
    if (!bpm || waves > std::lround((time(3) - time(0)) * *bpm / 60.0)) {
        return std::nullopt;
    }
    return bpm;
}

TEST(PulseEstimatorTest, AgreesWithAPlainSortOnLongRandomInput) {
    std::mt19937 random(12);
    for (int round = 0; round < 4; ++round) {
        // Few distinct values, so that ties are common; peaks at random
        // spacings around a second, so that estimates are made too.
        std::uniform_int_distribution<int> level(0, round == 0 ? 3 : 20);
        std::uniform_int_distribution<int> spacing(40, 140);
        PulseEstimator estimator;
        std::deque<std::pair<float, std::int64_t>> samples;
        int nextPeak = 0;
        int estimates = 0;
        for (std::int64_t n = 0; n < 6000; ++n) {
            float value = static_cast<float>(level(random)) * 0.25f;
            if (n == nextPeak) {
                value += 10.0f;
                nextPeak += spacing(random);
            }
            const std::optional<double> got = estimator.Add(value);
            samples.emplace_back(value, n);
            if (samples.size() > 257) {
                samples.pop_front();
            }
            const std::optional<double> want = n >= 256 ? Reference(samples) : std::nullopt;
            ASSERT_EQ(got, want) << "round " << round << " sample " << n;
            estimates += got.has_value();
        }
        EXPECT_GT(estimates, 100) << "round " << round;
    }
}

}  // namespace
