#include "device/windows/SptdRequestBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "device/RateTable.h"
#include "device/ScsiCommands.h"

namespace {

std::uint8_t gBuffer[24 * 512];

struct RequestCase {
    const char* name;
    ScsiCommand command;
    ULONG transferLength;
    ULONG timeout;
};

void PrintTo(const RequestCase& c, std::ostream* os) {
    *os << c.name;
}

RequestCase Vendor(const char* name, int sampleRate, int framesPerRead) {
    const VendorRead read = *VendorReadForRate(sampleRate, framesPerRead);
    return {name, VendorReadCommand(read.rateCode, gBuffer, read.blockCount), ULONG(read.blockCount) * 512,
            kVendorTimeoutSeconds};
}

class SptdRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(SptdRequestTest, FillsEveryField) {
    const RequestCase& c = GetParam();
    SptdRequestBlock block;
    std::memset(&block, 0xA5, sizeof block);  // whatever the stack held
    BuildSptdRequest(block, c.command);
    const SCSI_PASS_THROUGH_DIRECT& sptd = block.sptd;
    EXPECT_EQ(sptd.Length, sizeof(void*) == 8 ? 56 : 44);
    EXPECT_EQ(sptd.ScsiStatus, 0);
    EXPECT_EQ(sptd.PathId, 0);
    EXPECT_EQ(sptd.TargetId, 1);
    EXPECT_EQ(sptd.Lun, 0);
    EXPECT_EQ(sptd.CdbLength, c.command.cdbLength);
    EXPECT_EQ(sptd.SenseInfoLength, 24);
    EXPECT_EQ(sptd.DataIn, 1);
    EXPECT_EQ(sptd.DataTransferLength, c.transferLength);
    EXPECT_EQ(sptd.TimeOutValue, c.timeout);
    EXPECT_EQ(sptd.DataBuffer, c.transferLength == 0 ? nullptr : gBuffer);
    EXPECT_EQ(sptd.SenseInfoOffset, sizeof(void*) == 8 ? 60u : 48u);
    EXPECT_EQ(std::memcmp(sptd.Cdb, c.command.cdb.data(), 16), 0);
    EXPECT_EQ(block.filler, 0u);
    EXPECT_TRUE(std::all_of(std::begin(block.sense), std::end(block.sense), [](UCHAR b) { return b == 0; }));
}

INSTANTIATE_TEST_SUITE_P(Commands, SptdRequestTest,
                         testing::Values(RequestCase{"TestUnitReady", TestUnitReadyCommand(), 0, 2},
                                         RequestCase{"Inquiry", InquiryCommand(gBuffer), 36, 2},
                                         Vendor("Vendor64", 64, 3072), Vendor("Vendor6250", 6250, 3072),
                                         Vendor("Vendor12500", 12500, 2048),
                                         Vendor("Vendor25000", 25000, 1024),
                                         Vendor("Vendor50000", 50000, 384),
                                         Vendor("Vendor100000", 100000, 128)));

ScsiResult Evaluate(bool delivered, DWORD error, UCHAR status, ULONG transferred) {
    const ScsiCommand command = VendorReadCommand(0x0, gBuffer, 2);
    SptdRequestBlock block;
    BuildSptdRequest(block, command);
    block.sptd.ScsiStatus = status;
    block.sptd.DataTransferLength = transferred;
    block.sptd.SenseInfoLength = 18;
    block.sense[2] = 0x05;
    return EvaluateSptdResult(delivered, error, block, command);
}

TEST(EvaluateSptdResultTest, SucceedsOnlyWhenDeliveredWithGoodStatus) {
    const ScsiResult good = Evaluate(true, 0, 0, 700);
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.transferred, 700u);
    EXPECT_EQ(Evaluate(true, 0, 0, 100000).transferred, 1024u) << "never more than was asked for";
    const ScsiResult check = Evaluate(true, 0, 2, 0);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.senseLength, 18);
    EXPECT_EQ(check.sense[2], 0x05);
}

TEST(EvaluateSptdResultTest, AFailedCallTellsWhetherTheDeviceIsGone) {
    const std::pair<DWORD, bool> cases[] = {
        {ERROR_DEVICE_NOT_CONNECTED, true},     {ERROR_FILE_NOT_FOUND, true},
        {433 /* ERROR_NO_SUCH_DEVICE */, true}, {ERROR_DEV_NOT_EXIST, true},
        {ERROR_ACCESS_DENIED, false},           {ERROR_SEM_TIMEOUT, false}};
    for (const auto& [error, gone] : cases) {
        const ScsiResult result = Evaluate(false, error, 0, 1024);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.deviceGone, gone) << error;
        EXPECT_EQ(result.systemError, static_cast<int>(error));
        EXPECT_EQ(result.transferred, 0u);
    }
}

}  // namespace
