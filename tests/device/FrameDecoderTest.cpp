#include "device/FrameDecoder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

namespace {

struct KnownReading {
    std::uint16_t raw;
    ChannelCorrection correction;
    float volts;
};

void PrintTo(const KnownReading& c, std::ostream* os) {
    *os << "raw " << c.raw << " zero " << c.correction.zeroAdjust << " gain " << c.correction.calGain
        << " offset " << c.correction.calOffset;
}

class RawToVoltsTest : public testing::TestWithParam<KnownReading> {};

// Expected values worked out with float rounding after each step; they must
// match bit for bit.
TEST_P(RawToVoltsTest, ReadsTheExpectedFloat) {
    const KnownReading& reading = GetParam();
    EXPECT_EQ(RawToVolts(reading.raw, reading.correction), reading.volts);
}

INSTANTIATE_TEST_SUITE_P(KnownRaws, RawToVoltsTest,
                         testing::Values(KnownReading{0, {}, 14.33f}, KnownReading{1, {}, 14.3238325f},
                                         KnownReading{2048, {}, 1.69845009f},
                                         KnownReading{2323, {}, 0.00231911661f},
                                         KnownReading{4095, {}, -10.9269333f},
                                         KnownReading{1000, {-0.40f}, 7.7622509f},
                                         KnownReading{1000, {0.19f, 1.01f, -0.05f}, 8.38577366f},
                                         KnownReading{3000, {0.0f, 0.98f, 0.12f}, -3.96978211f}));

TEST(FrameSampleTest, ReadsLittleEndianSamplesOfBothChannels) {
    const std::uint8_t frame[kFrameBytes] = {0x34, 0x0F, 0xFF, 0x00};
    EXPECT_EQ(FrameSample(frame, 0), 0x0F34);
    EXPECT_EQ(FrameSample(frame, 1), 0x00FF);
}

TEST(VoltsToRawTest, InvertsEveryCodeExactly) {
    for (const float zeroAdjust : {0.0f, -0.40f, 0.19f, 0.01f}) {
        for (int raw = 0; raw <= kRawMax; ++raw) {
            const float volts = RawToVolts(static_cast<std::uint16_t>(raw), {zeroAdjust});
            ASSERT_EQ(VoltsToRaw(volts, zeroAdjust), raw) << "zero adjust " << zeroAdjust;
        }
    }
}

TEST(VoltsToRawTest, PicksTheNearestCodeBetweenTwoReadings) {
    for (double volts = -10.7; volts < 14.5; volts += 0.0137) {
        const std::uint16_t raw = VoltsToRaw(volts, 0.19f);
        const double error = std::fabs(RawToVolts(raw, {0.19f}) - volts);
        for (int other = std::max(0, raw - 3); other <= std::min<int>(kRawMax, raw + 3); ++other) {
            ASSERT_LE(error, std::fabs(RawToVolts(static_cast<std::uint16_t>(other), {0.19f}) - volts))
                << volts << " V";
        }
        ASSERT_LE(error, kVoltsPerRawStep / 2 + 1e-6);
    }
}

TEST(VoltsToRawTest, ClampsToTheConverterRange) {
    EXPECT_EQ(VoltsToRaw(20.0), 0);
    EXPECT_EQ(VoltsToRaw(-20.0), kRawMax);
    EXPECT_EQ(VoltsToRaw(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
