#include "device/ReduceSlowBlock.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>

#include "device/FrameDecoder.h"

namespace {

struct SlowBlockCase {
    std::array<std::uint16_t, 4> ch0;
    std::array<std::uint16_t, 4> ch1;
    std::uint16_t reduced0;
    std::uint16_t reduced1;
};

std::array<std::uint8_t, 16> Block(const SlowBlockCase& c) {
    std::array<std::uint8_t, 16> block{};
    for (int frame = 0; frame < 4; ++frame) {
        block[frame * 4 + 0] = static_cast<std::uint8_t>(c.ch0[frame] & 0xFF);
        block[frame * 4 + 1] = static_cast<std::uint8_t>(c.ch0[frame] >> 8);
        block[frame * 4 + 2] = static_cast<std::uint8_t>(c.ch1[frame] & 0xFF);
        block[frame * 4 + 3] = static_cast<std::uint8_t>(c.ch1[frame] >> 8);
    }
    return block;
}

void PrintTo(const SlowBlockCase& c, std::ostream* os) {
    *os << "CH0 " << c.ch0[0] << "," << c.ch0[1] << "," << c.ch0[2] << "," << c.ch0[3] << " CH1 " << c.ch1[0]
        << "," << c.ch1[1] << "," << c.ch1[2] << "," << c.ch1[3];
}

class ReduceSlowBlockTest : public testing::TestWithParam<SlowBlockCase> {};

TEST_P(ReduceSlowBlockTest, FrameZeroBecomesTheMeanOfTheMiddleSamples) {
    std::array<std::uint8_t, 16> block = Block(GetParam());
    const std::array<std::uint8_t, 16> before = block;
    ReduceSlowBlock(block.data());
    EXPECT_EQ(FrameSample(block.data(), 0), GetParam().reduced0);
    EXPECT_EQ(FrameSample(block.data(), 1), GetParam().reduced1);
    EXPECT_TRUE(std::equal(block.begin() + 4, block.end(), before.begin() + 4)) << "frames 1-3 changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, ReduceSlowBlockTest,
                         testing::Values(
                             // Four equal samples stay as they are.
                             SlowBlockCase{{700, 700, 700, 700}, {4095, 4095, 4095, 4095}, 700, 4095},
                             SlowBlockCase{{100, 200, 300, 1000}, {1000, 300, 200, 100}, 250, 250},
                             // A spike far from the rest goes, however far the samples spread.
                             SlowBlockCase{{5000, 100, 100, 100}, {100, 100, 100, 100}, 100, 100},
                             SlowBlockCase{{0, 4095, 4095, 2000}, {255, 256, 257, 258}, 3047, 256},
                             // The channels are reduced independently.
                             SlowBlockCase{{10, 20, 30, 40}, {4000, 3000, 2000, 1000}, 25, 2500},
                             SlowBlockCase{{0, 0, 0, 0}, {65535, 65535, 65535, 0}, 0, 65535}));

}  // namespace
