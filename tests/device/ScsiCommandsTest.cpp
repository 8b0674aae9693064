#include "device/ScsiCommands.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "device/RateTable.h"

namespace {

using Cdb = std::vector<std::uint8_t>;

Cdb CdbOf(const ScsiCommand& command) {
    return Cdb(command.cdb.begin(), command.cdb.begin() + command.cdbLength);
}

TEST(ScsiCommandsTest, TestUnitReadyIsTenZeroBytesWithoutData) {
    const ScsiCommand command = TestUnitReadyCommand();
    EXPECT_EQ(CdbOf(command), Cdb(10, 0x00));
    EXPECT_EQ(command.data, nullptr);
    EXPECT_EQ(command.dataLength, 0u);
    EXPECT_EQ(command.timeoutSeconds, 2u);
}

TEST(ScsiCommandsTest, InquiryAsksForThirtySixBytes) {
    std::uint8_t buffer[36];
    const ScsiCommand command = InquiryCommand(buffer);
    EXPECT_EQ(CdbOf(command), (Cdb{0x12, 0x00, 0x00, 0x00, 0x24, 0x00}));
    EXPECT_EQ(command.data, buffer);
    EXPECT_EQ(command.dataLength, 36u);
    EXPECT_EQ(command.timeoutSeconds, 2u);
}

struct VendorCase {
    int sampleRate;
    int framesPerRead;
    Cdb cdb;
};

void PrintTo(const VendorCase& c, std::ostream* os) {
    *os << c.sampleRate << " S/s, " << c.framesPerRead << " frames";
}

class VendorReadCommandTest : public testing::TestWithParam<VendorCase> {};

// The rate table and the command builder together give the bytes on the wire.
TEST_P(VendorReadCommandTest, CarriesRateCodeAndBlockCount) {
    const VendorCase& c = GetParam();
    const std::optional<VendorRead> read = VendorReadForRate(c.sampleRate, c.framesPerRead);
    ASSERT_TRUE(read.has_value());
    std::vector<std::uint8_t> buffer(read->blockCount * 512);
    const ScsiCommand command = VendorReadCommand(read->rateCode, buffer.data(), read->blockCount);
    EXPECT_EQ(CdbOf(command), c.cdb);
    EXPECT_EQ(command.data, buffer.data());
    EXPECT_EQ(command.dataLength, buffer.size());
    EXPECT_EQ(command.timeoutSeconds, kVendorTimeoutSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRate, VendorReadCommandTest,
    testing::Values(VendorCase{64, 3072, {0xFE, 0, 0x00, 0x00, 0x00, 0x80, 0, 0, 1, 0}},
                    VendorCase{64, 128, {0xFE, 0, 0x00, 0x00, 0x00, 0x80, 0, 0, 1, 0}},
                    VendorCase{6250, 3072, {0xFE, 0, 0x00, 0x04, 0x00, 0x00, 0, 0, 24, 0}},
                    VendorCase{12500, 1536, {0xFE, 0, 0x00, 0x03, 0x00, 0x00, 0, 0, 12, 0}},
                    VendorCase{25000, 512, {0xFE, 0, 0x00, 0x02, 0x00, 0x00, 0, 0, 4, 0}},
                    VendorCase{50000, 128, {0xFE, 0, 0x00, 0x01, 0x00, 0x00, 0, 0, 1, 0}},
                    VendorCase{100000, 3072, {0xFE, 0, 0x00, 0x00, 0x00, 0x00, 0, 0, 24, 0}}));

TEST(ScsiCommandsTest, VendorRateCodeIsBigEndianAndBlockCountUsesByteEight) {
    std::vector<std::uint8_t> buffer(255 * 512);
    const ScsiCommand command = VendorReadCommand(0x12345678, buffer.data(), 255);
    EXPECT_EQ(CdbOf(command), (Cdb{0xFE, 0, 0x12, 0x34, 0x56, 0x78, 0, 0, 0xFF, 0}));
    EXPECT_EQ(command.dataLength, 255u * 512u);
}

// A full block at 64 S/s takes 2 s; the limit must allow that, yet stay short
// enough that a hung instrument cannot hold up shutdown for long.
TEST(ScsiCommandsTest, VendorTimeoutCoversTheSlowestBlockAndStaysShort) {
    EXPECT_GT(kVendorTimeoutSeconds, 128.0 / 64.0);
    EXPECT_LE(kVendorTimeoutSeconds, 10u);
}

}  // namespace
