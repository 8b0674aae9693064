#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "FrameDecoder.h"
#include "Measurements.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

static_assert(kFlatPeakToPeak == 0.5 * kVoltsPerRawStep);

enum class Shape { Sine, Square, Triangle };

struct Wave {
    Shape shape = Shape::Sine;
    double rate = 1000.0;
    double frequency = 10.0;
    double amplitude = 1.0;
    double offset = 0.0;
    double duty = 0.5;   // squares: the high fraction of a period
    double phase = 0.0;  // of the first sample, in periods
    int n = 3072;
};

// -1 .. 1 at a phase in periods.
double Unit(const Wave& w, double phase) {
    const double p = phase - std::floor(phase);
    switch (w.shape) {
        case Shape::Sine:
            return std::sin(2.0 * kPi * p);
        case Shape::Square:
            return p < w.duty ? 1.0 : -1.0;
        case Shape::Triangle:
            return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    }
    return 0.0;
}

// Volts as the instrument reads them: each value through the nearest raw
// code and back, with the conversion's float rounding.
double Quantized(double volts) {
    return RawToVolts(VoltsToRaw(volts));
}

std::vector<double> Samples(const Wave& w, bool quantize = true) {
    std::vector<double> v(static_cast<std::size_t>(w.n));
    for (int i = 0; i < w.n; ++i) {
        const double volts = w.offset + w.amplitude * Unit(w, w.phase + w.frequency * i / w.rate);
        v[static_cast<std::size_t>(i)] = quantize ? Quantized(volts) : volts;
    }
    return v;
}

// The statistics as a plain loop with long double sums.
struct Plain {
    double maximum, minimum, mean, rms;
};

Plain PlainStatistics(const std::vector<double>& v) {
    long double sum = 0.0L;
    long double squares = 0.0L;
    for (const double x : v) {
        sum += x;
        squares += static_cast<long double>(x) * x;
    }
    const auto n = static_cast<long double>(v.size());
    return {*std::max_element(v.begin(), v.end()), *std::min_element(v.begin(), v.end()),
            static_cast<double>(sum / n), static_cast<double>(std::sqrt(squares / n))};
}

void ExpectStatisticsOfPlainLoop(const Measurements& m, const std::vector<double>& v) {
    const Plain p = PlainStatistics(v);
    ASSERT_TRUE(m.maximum && m.minimum && m.peakToPeak && m.mean && m.rms);
    EXPECT_EQ(*m.maximum, p.maximum);
    EXPECT_EQ(*m.minimum, p.minimum);
    EXPECT_EQ(*m.peakToPeak, p.maximum - p.minimum);
    EXPECT_NEAR(*m.mean, p.mean, 1e-9 * std::max(1.0, std::fabs(p.mean)));
    EXPECT_NEAR(*m.rms, p.rms, 1e-9 * std::max(1.0, p.rms));
    EXPECT_EQ(m.samples, v.size());
    EXPECT_EQ(m.nonFinite, 0u);
}

void ExpectFrequency(const Measurements& m, double frequency, double tolerance) {
    ASSERT_TRUE(m.frequency && m.period) << "periods found: " << m.wholePeriods;
    EXPECT_NEAR(*m.frequency / frequency, 1.0, tolerance);
    EXPECT_NEAR(*m.period * frequency, 1.0, tolerance);
    EXPECT_NEAR(*m.period * *m.frequency, 1.0, 1e-12);
}

const char* ShapeName(Shape shape) {
    return shape == Shape::Sine ? "sine" : shape == Shape::Square ? "square" : "triangle";
}

::testing::AssertionResult Trace(const Wave& w) {
    return ::testing::AssertionSuccess() << ShapeName(w.shape) << " " << w.frequency << " Hz at " << w.rate
                                         << " S/s, " << w.amplitude << " V + " << w.offset << " V, duty "
                                         << w.duty << ", phase " << w.phase << ", " << w.n << " samples";
}

}  // namespace

// Frequencies within 0.1 % wherever two whole periods fit, from 64 S/s to
// 100 kS/s, from near the Nyquist limit to thousands of samples per period,
// on quantized volts.
TEST(MeasurementsTest, FrequencyOfPeriodicWavesWithinATenthOfAPercent) {
    const Wave waves[] = {
        {Shape::Sine, 64, 1, 2},
        {Shape::Sine, 64, 0.05, 3, 0.5, 0.5, 0.9},  // 2.4 periods, three rising edges
        {Shape::Sine, 64, 20, 1},                   // 3.2 samples per period
        {Shape::Sine, 64, 25, 1},                   // 2.56: near the Nyquist limit
        {Shape::Sine, 6250, 50, 2},
        {Shape::Sine, 6250, 7, 0.3, -1},
        {Shape::Sine, 12500, 1000, 5},
        {Shape::Sine, 25000, 333, 0.1, 2},
        {Shape::Sine, 50000, 12345, 4},  // 4.05 samples per period
        {Shape::Sine, 100000, 1000, 1, 0, 0.5, 0.0, 3000},
        {Shape::Sine, 100000, 1234.5, 1, 0, 0.5, 0.3, 100000},  // far longer than a screen
        {Shape::Square, 1000, 10, 1, 0.5, 0.1},
        {Shape::Square, 1000, 10, 1, 0.5, 0.5},
        {Shape::Square, 1000, 10, 1, 0.5, 0.9},
        {Shape::Square, 6250, 37, 2, 0, 0.1, 0.25},
        {Shape::Square, 6250, 37, 2, 0, 0.9, 0.75},
        {Shape::Square, 100000, 2222, 0.5, 0, 0.5, 0.6},
        {Shape::Triangle, 25000, 250, 3, -1, 0.5, 0.0, 3000},
        {Shape::Triangle, 64, 3.3, 1, 0, 0.5, 0.1},
    };
    for (const Wave& w : waves) {
        SCOPED_TRACE(Trace(w).message());
        const std::vector<double> v = Samples(w);
        const Measurements m = Measure(v, w.rate);
        ExpectFrequency(m, w.frequency, 1e-3);
        ExpectStatisticsOfPlainLoop(m, v);
    }
}

// Whole periods of whole samples: the statistics of the ideal wave, within
// one raw step of the conversion. The squares' samples lie half a sample
// off their edges, so each period has exactly duty x 100 high ones.
TEST(MeasurementsTest, StatisticsOfWholePeriodsWithinOneRawStep) {
    struct Row {
        Wave wave;
        double mean;
        double rms;
    };
    auto squareRms = [](double high, double low, double duty) {
        return std::sqrt(duty * high * high + (1.0 - duty) * low * low);
    };
    const Row rows[] = {
        {{Shape::Sine, 1000, 10, 2, 0, 0.5, 0, 3000}, 0.0, 2.0 / std::sqrt(2.0)},
        {{Shape::Sine, 64, 1, 1.5, 1, 0.5, 0, 3072}, 1.0, std::sqrt(1.0 + 1.5 * 1.5 / 2.0)},
        {{Shape::Square, 1000, 10, 1, 0.5, 0.1, 0.005, 3000}, 0.5 - 0.8, squareRms(1.5, -0.5, 0.1)},
        {{Shape::Square, 1000, 10, 1, 0.5, 0.5, 0.005, 3000}, 0.5, squareRms(1.5, -0.5, 0.5)},
        {{Shape::Square, 1000, 10, 1, 0.5, 0.9, 0.005, 3000}, 0.5 + 0.8, squareRms(1.5, -0.5, 0.9)},
        {{Shape::Triangle, 25000, 250, 3, -1, 0.5, 0, 3000}, -1.0, std::sqrt(1.0 + 9.0 / 3.0)},
    };
    for (const Row& row : rows) {
        const Wave& w = row.wave;
        SCOPED_TRACE(Trace(w).message());
        const Measurements m = Measure(Samples(w), w.rate);
        ASSERT_TRUE(m.maximum && m.minimum && m.peakToPeak && m.mean && m.rms);
        EXPECT_NEAR(*m.maximum, w.offset + w.amplitude, kVoltsPerRawStep);
        EXPECT_NEAR(*m.minimum, w.offset - w.amplitude, kVoltsPerRawStep);
        EXPECT_NEAR(*m.peakToPeak, 2.0 * w.amplitude, kVoltsPerRawStep);
        EXPECT_NEAR(*m.mean, row.mean, kVoltsPerRawStep);
        EXPECT_NEAR(*m.rms, row.rms, kVoltsPerRawStep);
    }
}

TEST(MeasurementsTest, NoiseAgainstAPlainLoop) {
    std::mt19937 generator(20240611);
    for (const double spread : {0.01, 0.5, 4.0}) {
        std::uniform_real_distribution<double> volts(-spread, spread + 0.3);
        std::vector<double> v(3072);
        for (double& x : v) {
            x = Quantized(volts(generator));
        }
        SCOPED_TRACE(spread);
        ExpectStatisticsOfPlainLoop(Measure(v, 6250), v);
    }
}

// Fewer than two whole periods never give a frequency, whatever the phase;
// from a little over three they always do.
TEST(MeasurementsTest, TwoWholePeriodsAreNeededAtAnyPhase) {
    for (double phase = 0.0; phase < 1.0; phase += 0.05) {
        for (const Shape shape : {Shape::Sine, Shape::Square, Shape::Triangle}) {
            Wave w{shape, 3072, 1.99, 1, 0, 0.5, phase};
            SCOPED_TRACE(Trace(w).message());
            Measurements m = Measure(Samples(w), w.rate);
            EXPECT_FALSE(m.frequency);
            EXPECT_FALSE(m.period);
            EXPECT_LE(m.wholePeriods, 1u);

            w.frequency = 3.05;
            SCOPED_TRACE(Trace(w).message());
            m = Measure(Samples(w), w.rate);
            ExpectFrequency(m, w.frequency, 1e-3);
        }
    }
    // 1.5 periods of 50 Hz on a 100 kS/s screen.
    EXPECT_FALSE(Measure(Samples({Shape::Sine, 100000, 50, 2}), 100000).frequency);
}

// Flat screens have no frequency: DC, and wiggles under half a raw step.
// A wave of one raw step has one.
TEST(MeasurementsTest, FlatScreensHaveNoFrequency) {
    for (const double dc : {0.0, 1.0, -3.7, 14.33}) {
        const std::vector<double> v(3072, Quantized(dc));
        const Measurements m = Measure(v, 6250);
        SCOPED_TRACE(dc);
        EXPECT_FALSE(m.frequency);
        EXPECT_FALSE(m.period);
        EXPECT_EQ(m.wholePeriods, 0u);
        EXPECT_EQ(m.peakToPeak, 0.0);
        EXPECT_EQ(m.mean, v[0]);
        EXPECT_EQ(m.rms, std::fabs(v[0]));
    }
    const Wave wiggle{Shape::Sine, 6250, 100, 0.45 * kFlatPeakToPeak, 1.0};
    EXPECT_FALSE(Measure(Samples(wiggle, false), wiggle.rate).frequency);
    const Wave step{Shape::Sine, 6250, 100, 0.5 * kVoltsPerRawStep, 1.0};
    ExpectFrequency(Measure(Samples(step, false), step.rate), step.frequency, 1e-3);
}

TEST(MeasurementsTest, EmptyAndSingleSampleScreens) {
    const Measurements none = Measure({}, 6250);
    EXPECT_FALSE(none.maximum || none.minimum || none.peakToPeak || none.mean || none.rms);
    EXPECT_FALSE(none.frequency || none.period);
    EXPECT_EQ(none.samples, 0u);

    const double one[] = {-1.25};
    const Measurements m = Measure(one, 6250);
    EXPECT_EQ(m.maximum, -1.25);
    EXPECT_EQ(m.minimum, -1.25);
    EXPECT_EQ(m.peakToPeak, 0.0);
    EXPECT_EQ(m.mean, -1.25);
    EXPECT_EQ(m.rms, 1.25);
    EXPECT_FALSE(m.frequency || m.period);
    EXPECT_EQ(m.samples, 1u);
}

// Noise of 90 % of the hysteresis band (peak to peak, quantization on top)
// adds no edge: every whole period of the clean sine is counted once, and
// the frequency holds to 0.1 %.
TEST(MeasurementsTest, NoiseInsideTheHysteresisBandAddsNoEdge) {
    std::mt19937 generator(7);
    for (const double frequency : {50.0, 123.4, 480.0}) {
        const Wave w{Shape::Sine, 10000, frequency, 1.0, 0.2, 0.5, 0.1};
        std::vector<double> v = Samples(w, false);
        const Measurements clean = Measure(v, w.rate);
        // Half of 90 % of the clean screen's band (2 V peak to peak); the
        // noisy screen's band is wider still.
        const double noise = 0.9 * kHysteresisFraction * 2.0 / 2.0;
        std::uniform_real_distribution<double> spread(-noise, noise);
        for (double& x : v) {
            x = Quantized(x + spread(generator));
        }
        SCOPED_TRACE(frequency);
        const Measurements m = Measure(v, w.rate);
        EXPECT_EQ(m.wholePeriods, clean.wholePeriods);
        // Each end's crossing may move by the noise over the slope, about
        // 1.5 samples of the 3072.
        ExpectFrequency(m, frequency, 1e-3);
    }
}

// Non-finite samples are left out of the statistics and counted; they take
// the frequency away, since a gap could hide an edge.
TEST(MeasurementsTest, NonFiniteSamplesAreSkippedAndCounted) {
    const double mixed[] = {1.0, kNaN, 3.0, kInf, -kInf};
    const Measurements m = Measure(mixed, 1000);
    EXPECT_EQ(m.samples, 2u);
    EXPECT_EQ(m.nonFinite, 3u);
    EXPECT_EQ(m.maximum, 3.0);
    EXPECT_EQ(m.minimum, 1.0);
    EXPECT_EQ(m.mean, 2.0);
    EXPECT_DOUBLE_EQ(*m.rms, std::sqrt(5.0));

    const double nothing[] = {kNaN, kInf};
    const Measurements empty = Measure(nothing, 1000);
    EXPECT_FALSE(empty.maximum || empty.mean || empty.rms || empty.peakToPeak || empty.frequency);
    EXPECT_EQ(empty.nonFinite, 2u);

    const Wave w{Shape::Sine, 6250, 50, 2};
    std::vector<double> v = Samples(w);
    ASSERT_TRUE(Measure(v, w.rate).frequency);
    v[1000] = kNaN;
    const Measurements gap = Measure(v, w.rate);
    EXPECT_FALSE(gap.frequency || gap.period);
    EXPECT_TRUE(gap.rms && std::isfinite(*gap.rms));
    EXPECT_EQ(gap.nonFinite, 1u);
}

// Huge and tiny finite screens: nothing overflows into infinity or
// underflows to zero; a peak-to-peak beyond a double is left empty.
TEST(MeasurementsTest, ExtremeMagnitudesStayFiniteAndAccurate) {
    const double extremes[] = {1e308, -1e308, 1e308, -1e308};
    Measurements m = Measure(extremes, 1000);
    EXPECT_FALSE(m.peakToPeak);
    EXPECT_EQ(m.maximum, 1e308);
    EXPECT_EQ(m.mean, 0.0);
    EXPECT_DOUBLE_EQ(*m.rms, 1e308);

    for (const double amplitude : {1e300, 1e-200}) {
        const Wave w{Shape::Sine, 1000, 10, amplitude, 0, 0.5, 0, 3000};
        SCOPED_TRACE(amplitude);
        m = Measure(Samples(w, false), w.rate);
        ASSERT_TRUE(m.rms && m.peakToPeak);
        EXPECT_NEAR(*m.rms / amplitude, 1.0 / std::sqrt(2.0), 1e-12);
        EXPECT_NEAR(*m.peakToPeak / amplitude, 2.0, 1e-12);
        EXPECT_EQ(m.frequency.has_value(), amplitude > 1.0) << "a wave of 1e-200 V is flat";
    }
    const Wave huge{Shape::Sine, 1000, 10, 1.7e308, 0, 0.5, 0.2, 3000};
    m = Measure(Samples(huge, false), huge.rate);
    EXPECT_FALSE(m.peakToPeak);
    ExpectFrequency(m, huge.frequency, 1e-3);
}

// Without a usable sample rate the periods are still counted, and the
// statistics are kept; there is no frequency to give.
TEST(MeasurementsTest, UnusableSampleRates) {
    const Wave w{Shape::Sine, 1000, 10, 1, 0, 0.5, 0, 3000};
    const std::vector<double> v = Samples(w);
    for (const double rate : {0.0, -1000.0, kNaN, kInf, -kInf}) {
        SCOPED_TRACE(rate);
        const Measurements m = Measure(v, rate);
        EXPECT_FALSE(m.frequency || m.period);
        // Rising edges at samples 100 .. 2900; the one at 0 has no low
        // sample before it.
        EXPECT_EQ(m.wholePeriods, 28u);
        ExpectStatisticsOfPlainLoop(m, v);
    }
}
