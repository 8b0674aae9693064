#include "WavSample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SampleCase {
    float volts;
    int sample;
};

class WavSampleTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(WavSampleTest, ScalesAndClipsToTheByteRange) {
    EXPECT_EQ(VoltsToWavSample(GetParam().volts), GetParam().sample) << GetParam().volts;
}

INSTANTIATE_TEST_SUITE_P(Volts, WavSampleTest,
                         ::testing::Values(SampleCase{-1.0f, 0}, SampleCase{-0.99f, 1}, SampleCase{0.0f, 128},
                                           SampleCase{0.5f, 192}, SampleCase{0.99f, 254},
                                           SampleCase{0.999f, 255},
                                           // Clipped, never wrapped around.
                                           SampleCase{1.0f, 255}, SampleCase{1.01f, 255},
                                           SampleCase{14.33f, 255}, SampleCase{-1.01f, 0},
                                           SampleCase{-14.0f, 0}, SampleCase{std::nanf(""), 128}));

}  // namespace
