#include "device/sim/SimSignal.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PointCase {
    SimShape shape;
    double phase;  // of a 10 Hz signal, 2 V amplitude, 0.5 V offset
    double volts;
};

void PrintTo(const PointCase& c, std::ostream* os) {
    *os << SimShapeName(c.shape) << " at phase " << c.phase;
}

class SimSignalShapeTest : public testing::TestWithParam<PointCase> {};

TEST_P(SimSignalShapeTest, TakesItsValueAtThePhase) {
    const SimSignal signal{GetParam().shape, 10.0, 2.0, 0.5};
    EXPECT_NEAR(signal.ValueAt(GetParam().phase / 10.0 + 3.0, 0, 1), GetParam().volts, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SimSignalShapeTest,
    testing::Values(PointCase{SimShape::Sine, 0.0, 0.5}, PointCase{SimShape::Sine, 0.25, 2.5},
                    PointCase{SimShape::Sine, 0.75, -1.5}, PointCase{SimShape::Square, 0.1, 2.5},
                    PointCase{SimShape::Square, 0.6, -1.5}, PointCase{SimShape::Triangle, 0.0, -1.5},
                    PointCase{SimShape::Triangle, 0.25, 0.5}, PointCase{SimShape::Triangle, 0.5, 2.5},
                    PointCase{SimShape::Triangle, 0.875, -0.5}, PointCase{SimShape::Pulse, 0.05, 2.5},
                    PointCase{SimShape::Pulse, 0.5, 0.5}, PointCase{SimShape::Dc, 0.3, 2.5}));

TEST(SimSignalNoiseTest, IsRepeatableBoundedAndVaried) {
    const SimSignal noise{SimShape::Noise, 0.0, 0.5, 1.0};
    double lowest = 10.0;
    double highest = -10.0;
    for (std::uint64_t frame = 0; frame < 10000; ++frame) {
        const double value = noise.ValueAt(0.0, frame, 7);
        ASSERT_EQ(value, noise.ValueAt(123.0, frame, 7));
        ASSERT_GE(value, 0.5);
        ASSERT_LT(value, 1.5);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 0.55);
    EXPECT_GT(highest, 1.45);
    EXPECT_NE(noise.ValueAt(0.0, 5, 7), noise.ValueAt(0.0, 5, 8));
}

TEST(SimSignalHeartTest, HasASystolicPeakThenADicroticWave) {
    const SimSignal heart{SimShape::Heart, 1.2, 2.0, 0.5};  // 72 bpm
    const double period = 1.0 / 1.2;
    auto at = [&](double phase) { return heart.ValueAt((phase + 5.0) * period, 0, 1); };
    double highest = -10.0;
    double highestPhase = 0.0;
    for (int i = 0; i < 1000; ++i) {
        if (at(i / 1000.0) > highest) {
            highest = at(i / 1000.0);
            highestPhase = i / 1000.0;
        }
    }
    EXPECT_NEAR(highestPhase, kHeartSystolePhase, 1e-3);
    EXPECT_NEAR(highest, 2.5, 1e-6);
    EXPECT_NEAR(at(0.9), 0.5, 1e-6);               // flat between beats
    EXPECT_NEAR(at(0.45), 0.5 + 2.0 / 3.0, 1e-3);  // the dicrotic wave's top
    EXPECT_LT(at(0.33), at(0.45) - 0.1);           // the notch before it
    EXPECT_GT(at(0.45), at(0.40));
    EXPECT_GT(at(0.45), at(0.50));
}

TEST(SimShapeNameTest, NamesRoundTrip) {
    for (const SimShape shape : {SimShape::Sine, SimShape::Square, SimShape::Triangle, SimShape::Pulse,
                                 SimShape::Noise, SimShape::Dc, SimShape::Heart}) {
        EXPECT_EQ(SimShapeFromName(SimShapeName(shape)), shape);
    }
    EXPECT_FALSE(SimShapeFromName("Sine").has_value());
    EXPECT_FALSE(SimShapeFromName("").has_value());
}

}  // namespace
