#include "device/windows/SptdRequestBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <vector>

#include "device/RateTable.h"
#include "device/ScsiCommands.h"

namespace {

// The buffer every data command of this file points at.
std::uint8_t gBuffer[24 * 512];

struct RequestCase {
    const char* name;
    ScsiCommand command;
    std::vector<std::uint8_t> cdb;
    ULONG transferLength;
    ULONG timeout;
    void* dataBuffer;
};

void PrintTo(const RequestCase& c, std::ostream* os) {
    *os << c.name;
}

RequestCase Vendor(const char* name, int sampleRate, int framesPerRead, std::vector<std::uint8_t> cdb) {
    const VendorRead read = *VendorReadForRate(sampleRate, framesPerRead);
    return {name,
            VendorReadCommand(read.rateCode, gBuffer, read.blockCount),
            std::move(cdb),
            ULONG(read.blockCount * 512),
            kVendorTimeoutSeconds,
            gBuffer};
}

class SptdRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(SptdRequestTest, FillsEveryField) {
    const RequestCase& c = GetParam();
    SptdRequestBlock block;
    std::memset(&block, 0xA5, sizeof block);  // what the stack may hold
    BuildSptdRequest(block, c.command);
    const SCSI_PASS_THROUGH_DIRECT& sptd = block.sptd;
    EXPECT_EQ(sptd.Length, sizeof(SCSI_PASS_THROUGH_DIRECT));
    EXPECT_EQ(sptd.Length, sizeof(void*) == 8 ? 56 : 44);
    EXPECT_EQ(sptd.ScsiStatus, 0);
    EXPECT_EQ(sptd.PathId, 0);
    EXPECT_EQ(sptd.TargetId, 1);
    EXPECT_EQ(sptd.Lun, 0);
    EXPECT_EQ(sptd.CdbLength, c.cdb.size());
    EXPECT_EQ(sptd.SenseInfoLength, 24);
    EXPECT_EQ(sptd.DataIn, SCSI_IOCTL_DATA_IN);
    EXPECT_EQ(sptd.DataIn, 1);
    EXPECT_EQ(sptd.DataTransferLength, c.transferLength);
    EXPECT_EQ(sptd.TimeOutValue, c.timeout);
    EXPECT_EQ(sptd.DataBuffer, c.dataBuffer);
    EXPECT_EQ(sptd.SenseInfoOffset, offsetof(SptdRequestBlock, sense));
    EXPECT_EQ(sptd.SenseInfoOffset, sizeof(void*) == 8 ? 60u : 48u);
    std::vector<std::uint8_t> cdb(std::begin(sptd.Cdb), std::end(sptd.Cdb));
    std::vector<std::uint8_t> expected = c.cdb;
    expected.resize(16, 0);
    EXPECT_EQ(cdb, expected);
    EXPECT_EQ(block.filler, 0u);
    for (const UCHAR b : block.sense) {
        ASSERT_EQ(b, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SptdRequestTest,
    testing::Values(RequestCase{"TestUnitReady", TestUnitReadyCommand(), std::vector<std::uint8_t>(10, 0), 0,
                                2, nullptr},
                    RequestCase{"Inquiry", InquiryCommand(gBuffer), {0x12, 0, 0, 0, 0x24, 0}, 36, 2, gBuffer},
                    Vendor("Vendor64", 64, 3072, {0xFE, 0, 0, 0, 0, 0x80, 0, 0, 1, 0}),
                    Vendor("Vendor6250", 6250, 3072, {0xFE, 0, 0, 0x04, 0, 0, 0, 0, 24, 0}),
                    Vendor("Vendor12500", 12500, 2048, {0xFE, 0, 0, 0x03, 0, 0, 0, 0, 16, 0}),
                    Vendor("Vendor25000", 25000, 1024, {0xFE, 0, 0, 0x02, 0, 0, 0, 0, 8, 0}),
                    Vendor("Vendor50000", 50000, 384, {0xFE, 0, 0, 0x01, 0, 0, 0, 0, 3, 0}),
                    Vendor("Vendor100000", 100000, 128, {0xFE, 0, 0, 0, 0, 0, 0, 0, 1, 0})),
    [](const auto& info) { return std::string(info.param.name); });

SptdRequestBlock Answered(UCHAR status, ULONG transferred) {
    SptdRequestBlock block;
    BuildSptdRequest(block, VendorReadCommand(0x0, gBuffer, 2));
    block.sptd.ScsiStatus = status;
    block.sptd.DataTransferLength = transferred;
    return block;
}

TEST(EvaluateSptdResultTest, GoodStatusSucceedsWithTheLengthWrittenBack) {
    const ScsiResult result =
        EvaluateSptdResult(true, 0, Answered(0, 700), VendorReadCommand(0x0, gBuffer, 2));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.transferred, 700u);
}

// A delivered request can still have failed at the target.
TEST(EvaluateSptdResultTest, CheckConditionFailsAndCarriesTheSense) {
    SptdRequestBlock block = Answered(2, 0);
    block.sptd.SenseInfoLength = 18;
    block.sense[2] = 0x05;
    const ScsiResult result = EvaluateSptdResult(true, 0, block, VendorReadCommand(0x0, gBuffer, 2));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.scsiStatus, 2);
    EXPECT_EQ(result.senseLength, 18);
    EXPECT_EQ(result.sense[2], 0x05);
}

TEST(EvaluateSptdResultTest, NeverReportsMoreThanWasAskedFor) {
    const ScsiResult result =
        EvaluateSptdResult(true, 0, Answered(0, 100000), VendorReadCommand(0x0, gBuffer, 2));
    EXPECT_EQ(result.transferred, 1024u);
}

struct ErrorCase {
    DWORD error;
    bool gone;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << "error " << c.error;
}

class EvaluateSptdErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluateSptdErrorTest, AFailedCallFailsAndTellsWhetherTheDeviceIsGone) {
    const ScsiResult result =
        EvaluateSptdResult(false, GetParam().error, Answered(0, 1024), VendorReadCommand(0x0, gBuffer, 2));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.deviceGone, GetParam().gone);
    EXPECT_EQ(result.systemError, static_cast<int>(GetParam().error));
    EXPECT_EQ(result.transferred, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, EvaluateSptdErrorTest,
    testing::Values(ErrorCase{ERROR_DEVICE_NOT_CONNECTED, true}, ErrorCase{ERROR_FILE_NOT_FOUND, true},
                    ErrorCase{433 /* ERROR_NO_SUCH_DEVICE */, true}, ErrorCase{ERROR_DEV_NOT_EXIST, true},
                    ErrorCase{ERROR_ACCESS_DENIED, false}, ErrorCase{ERROR_INVALID_PARAMETER, false},
                    ErrorCase{ERROR_SEM_TIMEOUT, false}));

}  // namespace
