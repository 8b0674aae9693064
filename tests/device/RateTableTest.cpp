#include "device/RateTable.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct RateCase {
    int sampleRate;
    int framesPerRead;
    std::uint32_t rateCode;
    int blockCount;
    int bytesQueued;
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.sampleRate << " S/s, " << c.framesPerRead << " frames";
}

class RateTableTest : public testing::TestWithParam<RateCase> {};

TEST_P(RateTableTest, GivesTheVendorRead) {
    const RateCase& c = GetParam();
    const std::optional<VendorRead> read = VendorReadForRate(c.sampleRate, c.framesPerRead);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rateCode, c.rateCode);
    EXPECT_EQ(read->blockCount, c.blockCount);
    EXPECT_EQ(read->bytesQueued, c.bytesQueued);
}

INSTANTIATE_TEST_SUITE_P(SixRates, RateTableTest,
                         testing::Values(
                             // 64 S/s: one block and four frames whatever the frames per read.
                             RateCase{64, 128, 0x80, 1, 16}, RateCase{64, 3072, 0x80, 1, 16},
                             RateCase{64, 0, 0x80, 1, 16}, RateCase{6250, 3072, 0x40000, 24, 12288},
                             RateCase{12500, 1024, 0x30000, 8, 4096}, RateCase{25000, 256, 0x20000, 2, 1024},
                             RateCase{50000, 128, 0x10000, 1, 512}, RateCase{100000, 3072, 0x0, 24, 12288},
                             // The block count truncates; the queued bytes do not.
                             RateCase{100000, 200, 0x0, 1, 800}));

TEST(RateTableTest, OtherRatesSendNothing) {
    for (const int rate : {0, -64, 63, 65, 1000, 6249, 200000}) {
        EXPECT_FALSE(VendorReadForRate(rate, 3072).has_value()) << rate;
    }
}

}  // namespace
