#include <gtest/gtest.h>

#include <cmath>

#include "PulseEstimator.h"
#include "device/sim/SimSignal.h"

namespace {

struct ShapeCase {
    const char* name;
    SimSignal signal;
    std::uint64_t seed;
    double bpm;         // the true rate, 0: none
    bool mustEstimate;  // the rate is in reach, so some estimate is made
};

SimSignal Heart(double bpm) {
    return SimSignal{SimShape::Heart, bpm / 60.0, 1.5, 0.2};
}
SimSignal Noise() {
    return SimSignal{SimShape::Noise, 0.0, 1.0, 0.0};
}

class PulseShapeTest : public testing::TestWithParam<ShapeCase> {};

// Half a minute at 64 S/s: each estimate is the true rate or there is none.
TEST_P(PulseShapeTest, GivesTheRightRateOrNone) {
    const ShapeCase& c = GetParam();
    PulseEstimator estimator;
    int estimates = 0;
    for (int n = 0; n < 30 * PulseEstimator::kRate; ++n) {
        const double seconds = static_cast<double>(n) / PulseEstimator::kRate;
        const std::optional<double> bpm = estimator.Add(
            static_cast<float>(c.signal.ValueAt(seconds, static_cast<std::uint64_t>(n), c.seed)));
        if (bpm) {
            ASSERT_GT(c.bpm, 0.0) << "sample " << n << " gave " << *bpm;
            ASSERT_NEAR(*bpm, c.bpm, 1.0) << "sample " << n;
            ++estimates;
        }
    }
    EXPECT_TRUE(!c.mustEstimate || estimates > 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PulseShapeTest,
    testing::Values(
        ShapeCase{"Heart40", Heart(40), 0, 40, false}, ShapeCase{"Heart45", Heart(45), 0, 45, false},
        ShapeCase{"Heart50", Heart(50), 0, 50, true}, ShapeCase{"Heart60", Heart(60), 0, 60, true},
        ShapeCase{"Heart72", Heart(72), 0, 72, true}, ShapeCase{"Heart90", Heart(90), 0, 90, true},
        ShapeCase{"Heart100", Heart(100), 0, 100, false}, ShapeCase{"Heart120", Heart(120), 0, 120, false},
        ShapeCase{"Heart150", Heart(150), 0, 150, false}, ShapeCase{"Heart180", Heart(180), 0, 180, false},
        ShapeCase{"Flat", SimSignal{SimShape::Dc, 0.0, 1.0, 0.0}, 0, 0, false},
        ShapeCase{"Noise1", Noise(), 1, 0, false}, ShapeCase{"Noise2", Noise(), 2, 0, false},
        ShapeCase{"Noise3", Noise(), 3, 0, false}, ShapeCase{"Noise4", Noise(), 4, 0, false},
        ShapeCase{"Square66", SimSignal{SimShape::Square, 1.1, 1.0, 0.0}, 0, 66, true}),
    [](const testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

}  // namespace
