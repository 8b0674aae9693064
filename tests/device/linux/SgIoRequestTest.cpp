#include "device/linux/SgIoRequest.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "device/ScsiCommands.h"

namespace {

std::uint8_t gSense[32];
std::uint8_t gBuffer[24 * 512];

TEST(BuildSgIoHeaderTest, DescribesEachCommand) {
    const ScsiCommand commands[] = {TestUnitReadyCommand(), InquiryCommand(gBuffer),
                                    VendorReadCommand(0x40000, gBuffer, 24)};
    const int directions[] = {SG_DXFER_NONE, SG_DXFER_FROM_DEV, SG_DXFER_FROM_DEV};
    const unsigned int timeouts[] = {2000, 2000, kVendorTimeoutSeconds * 1000};
    for (int i = 0; i < 3; ++i) {
        const sg_io_hdr_t header = BuildSgIoHeader(commands[i], gSense);
        EXPECT_EQ(header.interface_id, 'S');
        EXPECT_EQ(header.dxfer_direction, directions[i]);
        EXPECT_EQ(header.cmd_len, commands[i].cdbLength);
        EXPECT_EQ(header.cmdp, commands[i].cdb.data());
        EXPECT_EQ(header.dxfer_len, commands[i].dataLength);
        EXPECT_EQ(header.dxferp, commands[i].data);
        EXPECT_EQ(header.mx_sb_len, 32);
        EXPECT_EQ(header.sbp, gSense);
        EXPECT_EQ(header.timeout, timeouts[i]);
    }
}

sg_io_hdr_t Completed(unsigned int length = 512) {
    sg_io_hdr_t header{};
    header.dxfer_len = length;
    return header;
}

struct FieldCase {
    const char* name;
    std::function<void(sg_io_hdr_t&)> spoil;
    bool ok;
    bool gone;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class EvaluateSgIoFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(EvaluateSgIoFieldTest, AnyReportedProblemFailsTheCommand) {
    sg_io_hdr_t header = Completed();
    GetParam().spoil(header);
    const ScsiResult result = EvaluateSgIo(0, 0, header, true);
    EXPECT_EQ(result.ok, GetParam().ok);
    EXPECT_EQ(result.deviceGone, GetParam().gone);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EvaluateSgIoFieldTest,
    testing::Values(FieldCase{"clean", [](sg_io_hdr_t&) {}, true, false},
                    FieldCase{"info", [](sg_io_hdr_t& h) { h.info = SG_INFO_CHECK; }, false, false},
                    FieldCase{"host", [](sg_io_hdr_t& h) { h.host_status = 0x07; }, false, false},
                    // DID_NO_CONNECT: the target went away mid-command.
                    FieldCase{"no connect", [](sg_io_hdr_t& h) { h.host_status = 0x01; }, false, true},
                    FieldCase{"driver", [](sg_io_hdr_t& h) { h.driver_status = 0x08; }, false, false},
                    FieldCase{"status", [](sg_io_hdr_t& h) { h.status = 0x02; }, false, false},
                    FieldCase{"masked", [](sg_io_hdr_t& h) { h.masked_status = 0x01; }, false, false},
                    FieldCase{"sense", [](sg_io_hdr_t& h) { h.sb_len_wr = 18; }, false, false}));

TEST(EvaluateSgIoTest, CheckConditionCarriesStatusAndSense) {
    std::uint8_t sense[32] = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0x24};
    sg_io_hdr_t header = Completed(36);
    header.info = SG_INFO_CHECK;
    header.status = 0x02;
    header.sb_len_wr = 18;
    header.sbp = sense;
    const ScsiResult result = EvaluateSgIo(0, 0, header, true);
    EXPECT_EQ(result.scsiStatus, 2);
    EXPECT_EQ(result.senseLength, 18);
    EXPECT_EQ(result.sense[12], 0x24);
}

TEST(EvaluateSgIoTest, TransferredIsTheLengthLessTheResidue) {
    const std::pair<int, std::uint32_t> cases[] = {{0, 3072}, {1000, 2072}, {3072, 0}, {5000, 0}, {-7, 3072}};
    for (const auto& [resid, transferred] : cases) {
        sg_io_hdr_t header = Completed(3072);
        header.resid = resid;
        EXPECT_EQ(EvaluateSgIo(0, 0, header, true).transferred, transferred) << "resid " << resid;
    }
}

// A failed ioctl decides alone; whatever the header holds is not looked at.
TEST(EvaluateSgIoTest, FailedIoctlFailsAndTellsWhetherTheDeviceIsGone) {
    struct {
        int error;
        bool nodePresent;
        bool gone;
    } const cases[] = {{ENODEV, true, true}, {ENXIO, true, true},   {EIO, false, true},
                       {EIO, true, false},   {EACCES, true, false}, {ENOMEM, false, false}};
    for (const auto& c : cases) {
        sg_io_hdr_t header = Completed();
        header.status = 0x02;
        const ScsiResult result = EvaluateSgIo(-1, c.error, header, c.nodePresent);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.deviceGone, c.gone) << "errno " << c.error;
        EXPECT_EQ(result.systemError, c.error);
        EXPECT_EQ(result.transferred, 0u);
        EXPECT_EQ(result.scsiStatus, 0);
    }
}

}  // namespace
