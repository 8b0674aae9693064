#include "device/windows/SptdLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Where the driver reads each field in the byte image of a request block.
template <typename Pointer>
void ExpectLayout(std::size_t dataBufferAt, std::size_t senseOffsetAt, std::size_t cdbAt, std::size_t senseAt,
                  std::size_t blockSize) {
    SptdRequestBlockMirror<Pointer> block;
    std::memset(&block, 0, sizeof block);
    block.sptd.DataTransferLength = 0x11111111;
    block.sptd.TimeOutValue = 0x22222222;
    block.sptd.DataBuffer = 0x33333333;
    block.sptd.SenseInfoOffset = 0x44444444;
    block.sptd.Cdb[0] = 0xFE;
    block.sense[0] = 0x70;
    ASSERT_EQ(sizeof block, blockSize);
    std::uint8_t image[sizeof block];
    std::memcpy(image, &block, sizeof block);
    EXPECT_EQ(image[12], 0x11);
    EXPECT_EQ(image[16], 0x22);
    EXPECT_EQ(image[dataBufferAt], 0x33);
    EXPECT_EQ(image[senseOffsetAt], 0x44);
    EXPECT_EQ(image[cdbAt], 0xFE);
    EXPECT_EQ(image[senseAt], 0x70);
}

TEST(SptdLayoutTest, ThirtyTwoBitLayout) {
    ExpectLayout<std::uint32_t>(20, 24, 28, 48, 80);
}

TEST(SptdLayoutTest, SixtyFourBitLayout) {
    ExpectLayout<std::uint64_t>(24, 32, 36, 60, 96);
}

}  // namespace
