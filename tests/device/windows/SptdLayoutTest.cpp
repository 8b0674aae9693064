#include "device/windows/SptdLayout.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <vector>

namespace {

struct LayoutCase {
    const char* name;
    std::size_t structSize;
    std::size_t dataBufferAt;
    std::size_t senseInfoOffsetAt;
    std::size_t cdbAt;
    std::size_t senseAt;
    std::size_t blockSize;
};

// The byte image the driver reads, filled as for a 3-block vendor read.
template <typename Pointer>
std::vector<std::uint8_t> VendorImage() {
    SptdRequestBlockMirror<Pointer> block;
    std::memset(&block, 0, sizeof block);
    block.sptd.Length = sizeof block.sptd;
    block.sptd.TargetId = 1;
    block.sptd.CdbLength = 10;
    block.sptd.SenseInfoLength = 24;
    block.sptd.DataIn = 1;
    block.sptd.DataTransferLength = 3 * 512;
    block.sptd.TimeOutValue = 5;
    block.sptd.DataBuffer = static_cast<Pointer>(0x11223344);
    block.sptd.SenseInfoOffset = offsetof(SptdRequestBlockMirror<Pointer>, sense);
    block.sptd.Cdb[0] = 0xFE;
    block.sptd.Cdb[8] = 3;
    std::vector<std::uint8_t> image(sizeof block);
    std::memcpy(image.data(), &block, sizeof block);
    return image;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& image, std::size_t at) {
    return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | std::uint32_t{image[at + 3]} << 24;
}

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class SptdLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(SptdLayoutTest, FieldsLandWhereTheDriverReadsThem) {
    const LayoutCase& c = GetParam();
    const std::vector<std::uint8_t> image =
        c.structSize == 44 ? VendorImage<std::uint32_t>() : VendorImage<std::uint64_t>();
    ASSERT_EQ(image.size(), c.blockSize);
    EXPECT_EQ(image[0] | image[1] << 8, c.structSize);  // Length
    EXPECT_EQ(image[4], 1);                             // TargetId
    EXPECT_EQ(image[6], 10);                            // CdbLength
    EXPECT_EQ(image[7], 24);                            // SenseInfoLength
    EXPECT_EQ(image[8], 1);                             // DataIn
    EXPECT_EQ(U32At(image, 12), 3u * 512u);             // DataTransferLength
    EXPECT_EQ(U32At(image, 16), 5u);                    // TimeOutValue
    EXPECT_EQ(U32At(image, c.dataBufferAt), 0x11223344u);
    EXPECT_EQ(U32At(image, c.senseInfoOffsetAt), c.senseAt);
    EXPECT_EQ(image[c.cdbAt], 0xFE);
    EXPECT_EQ(image[c.cdbAt + 8], 3);
}

INSTANTIATE_TEST_SUITE_P(PointerWidths, SptdLayoutTest,
                         testing::Values(LayoutCase{"win32", 44, 20, 24, 28, 48, 80},
                                         LayoutCase{"win64", 56, 24, 32, 36, 60, 96}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SptdLayoutTest, NativeMirrorFollowsThePointerWidth) {
    EXPECT_EQ(sizeof(NativeSptdRequestBlockMirror::sptd), sizeof(void*) == 8 ? 56u : 44u);
}

}  // namespace
