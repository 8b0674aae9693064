#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

#include "DirectSpectrum.h"
#include "SpectrumTransform.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<double> RandomBlock(int n, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> volts(-10.0, 10.0);
    std::vector<double> block(n);
    for (double& v : block) {
        v = volts(generator);
    }
    return block;
}

// Relative agreement within 1e-9, measured against the block's largest bin
// so that bins near zero are judged on the same scale as the rest.
void ExpectMatchesDirectSums(const std::vector<double>& block, int sampleRate) {
    const int n = static_cast<int>(block.size());
    SpectrumTransform transform;
    const Spectrum fast = transform.ComputeSpectrum(block.data(), n, sampleRate);
    const Spectrum direct = DirectSpectrum(block.data(), n, sampleRate);
    ASSERT_EQ(fast.magnitudes.size(), static_cast<std::size_t>(n / 2)) << "n=" << n;
    ASSERT_EQ(fast.frequencies.size(), fast.magnitudes.size());
    ASSERT_EQ(direct.magnitudes.size(), fast.magnitudes.size());
    double scale = 1e-300;
    for (double m : direct.magnitudes) {
        scale = std::max(scale, m);
    }
    for (std::size_t k = 0; k < fast.magnitudes.size(); ++k) {
        EXPECT_NEAR(fast.magnitudes[k], direct.magnitudes[k], 1e-9 * scale) << "n=" << n << " k=" << k;
        EXPECT_DOUBLE_EQ(fast.frequencies[k], direct.frequencies[k]);
    }
}

}  // namespace

TEST(SpectrumTransformTest, MatchesDirectSumsForManyLengths) {
    for (int n :
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 31, 64, 100, 127, 128, 255, 256, 257, 1000, 1023}) {
        ExpectMatchesDirectSums(RandomBlock(n, 1000u + static_cast<unsigned>(n)), 1000);
    }
}

TEST(SpectrumTransformTest, MatchesDirectSumsForTheFullBlock) {
    ExpectMatchesDirectSums(RandomBlock(3072, 7u), 100000);
}

TEST(SpectrumTransformTest, ShortBlocksGiveNothingOrTheMean) {
    SpectrumTransform transform;
    EXPECT_TRUE(transform.ComputeSpectrum(nullptr, 0, 1000).magnitudes.empty());
    const double one[] = {3.0};
    EXPECT_TRUE(transform.ComputeSpectrum(one, 1, 1000).magnitudes.empty());
    const double two[] = {1.0, -3.0};
    const Spectrum s2 = transform.ComputeSpectrum(two, 2, 1000);
    ASSERT_EQ(s2.magnitudes.size(), 1u);
    EXPECT_NEAR(s2.magnitudes[0], 1.0, 1e-15);
    EXPECT_EQ(s2.frequencies[0], 0.0);
    const double three[] = {1.0, 2.0, 6.0};
    const Spectrum s3 = transform.ComputeSpectrum(three, 3, 1000);
    ASSERT_EQ(s3.magnitudes.size(), 1u);
    EXPECT_NEAR(s3.magnitudes[0], 3.0, 1e-15);
}

TEST(SpectrumTransformTest, ConstantBlockReadsItsLevelInBinZeroOnly) {
    const std::vector<double> block(100, -2.5);
    SpectrumTransform transform;
    const Spectrum s = transform.ComputeSpectrum(block.data(), 100, 1000);
    ASSERT_EQ(s.magnitudes.size(), 50u);
    EXPECT_NEAR(s.magnitudes[0], 2.5, 1e-12);
    for (std::size_t k = 1; k < s.magnitudes.size(); ++k) {
        EXPECT_NEAR(s.magnitudes[k], 0.0, 1e-12) << k;
    }
}

TEST(SpectrumTransformTest, SineOnABinReadsItsAmplitude) {
    // 1 V offset and 0.5 V at 7 Hz, 256 samples at 128 Hz: 0.5 Hz bins.
    std::vector<double> block(256);
    for (int i = 0; i < 256; ++i) {
        block[i] = 1.0 + 0.5 * std::sin(2.0 * kPi * 7.0 * i / 128.0);
    }
    SpectrumTransform transform;
    const Spectrum s = transform.ComputeSpectrum(block.data(), 256, 128);
    ASSERT_EQ(s.magnitudes.size(), 128u);
    EXPECT_DOUBLE_EQ(s.frequencies.front(), 0.0);
    EXPECT_DOUBLE_EQ(s.frequencies[14], 7.0);
    EXPECT_DOUBLE_EQ(s.frequencies.back(), 63.5);
    for (std::size_t k = 0; k < s.magnitudes.size(); ++k) {
        const double expected = k == 0 ? 1.0 : (k == 14 ? 0.5 : 0.0);
        EXPECT_NEAR(s.magnitudes[k], expected, 1e-12) << k;
    }
}

TEST(SpectrumTransformTest, BinFrequencyDoesNotOverflow) {
    // rate * k would pass 2^31 in integer arithmetic.
    EXPECT_DOUBLE_EQ(SpectrumTransform::BinFrequency(1535, 3072, 2000000), 2000000.0 * 1535 / 3072);
    EXPECT_DOUBLE_EQ(SpectrumTransform::BinFrequency(30000, 65536, 100000000), 100000000.0 * 30000 / 65536);
}

TEST(SpectrumTransformTest, KeepsOnePlanPerLength) {
    SpectrumTransform transform;
    const std::vector<double> a = RandomBlock(64, 1u);
    const std::vector<double> b = RandomBlock(96, 2u);
    transform.ComputeSpectrum(a.data(), 64, 1000);
    transform.ComputeSpectrum(a.data(), 64, 1000);
    transform.ComputeSpectrum(b.data(), 96, 1000);
    transform.ComputeSpectrum(nullptr, 0, 1000);
    EXPECT_EQ(transform.PlanCount(), 2u);
}

TEST(SpectrumTransformTest, ThreadsShareOneTransform) {
    SpectrumTransform transform;
    const std::vector<double> block = RandomBlock(512, 3u);
    const Spectrum expected = DirectSpectrum(block.data(), 512, 1000);
    std::vector<Spectrum> results(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int r = 0; r < 20; ++r) {
                results[t] = transform.ComputeSpectrum(block.data(), 512 - (r % 2) * (t + 1), 1000);
            }
            results[t] = transform.ComputeSpectrum(block.data(), 512, 1000);
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const Spectrum& s : results) {
        ASSERT_EQ(s.magnitudes.size(), expected.magnitudes.size());
        for (std::size_t k = 0; k < s.magnitudes.size(); ++k) {
            EXPECT_NEAR(s.magnitudes[k], expected.magnitudes[k], 1e-9);
        }
    }
    EXPECT_EQ(transform.PlanCount(), 5u);
}
