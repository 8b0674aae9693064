#include "DemoWave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PeakReadout.h"
#include "SpectrumTransform.h"

namespace {

std::vector<std::string> PeakLines(int wave) {
    const std::vector<double> samples = DemoWave(wave, kDemoLength, kDemoRate);
    SpectrumTransform transform;
    return DetectPeaks(transform.ComputeSpectrum(samples.data(), kDemoLength, kDemoRate));
}

TEST(DemoWaveTest, EachSineReadsItsAmplitudeSmallestFirstAndTheDcLevelIsNotListed) {
    EXPECT_EQ(PeakLines(1), (std::vector<std::string>{"F1: (7.00,  0.50)", "F2: --", "F3: --", "F4: --",
                                                      "F5: --", "F6: --"}));
    EXPECT_EQ(PeakLines(2), (std::vector<std::string>{"F1: (10.00,  0.50)", "F2: (20.00,  1.50)", "F3: --",
                                                      "F4: --", "F5: --", "F6: --"}));
    EXPECT_EQ(PeakLines(3), (std::vector<std::string>{"F1: (5.00,  0.50)", "F2: (10.00,  1.50)",
                                                      "F3: (15.00,  2.00)", "F4: --", "F5: --", "F6: --"}));
}

TEST(DemoWaveTest, SamplesFollowTheFormulaAndAnUnknownWaveIsFlat) {
    EXPECT_DOUBLE_EQ(DemoWaveSample(1, 0, kDemoRate), 1.0);
    // A quarter period of 7 Hz at 64 S/s is not on a sample; n = 16 is 1.75 periods.
    EXPECT_NEAR(DemoWaveSample(1, 16, kDemoRate), 1.0 - 0.5, 1e-12);
    EXPECT_NEAR(DemoWaveSample(3, 0, kDemoRate), 4.0, 1e-12);
    EXPECT_EQ(DemoWave(4, 3, kDemoRate), (std::vector<double>{0.0, 0.0, 0.0}));
    EXPECT_TRUE(DemoWave(1, 0, kDemoRate).empty());
}

}  // namespace
