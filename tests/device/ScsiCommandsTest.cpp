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

// The rate table and the builder together give the bytes on the wire.
TEST(ScsiCommandsTest, VendorReadCarriesRateCodeAndBlockCountForEveryRate) {
    const std::pair<int, Cdb> cases[] = {
        {64, {0xFE, 0, 0, 0, 0, 0x80, 0, 0, 1, 0}},     {6250, {0xFE, 0, 0, 0x04, 0, 0, 0, 0, 24, 0}},
        {12500, {0xFE, 0, 0, 0x03, 0, 0, 0, 0, 24, 0}}, {25000, {0xFE, 0, 0, 0x02, 0, 0, 0, 0, 24, 0}},
        {50000, {0xFE, 0, 0, 0x01, 0, 0, 0, 0, 24, 0}}, {100000, {0xFE, 0, 0, 0, 0, 0, 0, 0, 24, 0}}};
    std::vector<std::uint8_t> buffer(24 * 512);
    for (const auto& [rate, cdb] : cases) {
        const VendorRead read = *VendorReadForRate(rate, 3072);
        const ScsiCommand command = VendorReadCommand(read.rateCode, buffer.data(), read.blockCount);
        EXPECT_EQ(CdbOf(command), cdb) << rate << " S/s";
        EXPECT_EQ(command.data, buffer.data());
        EXPECT_EQ(command.dataLength, read.blockCount * 512u);
        EXPECT_EQ(command.timeoutSeconds, kVendorTimeoutSeconds);
    }
}

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
