#include "device/linux/SgIoRequest.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <functional>

#include "device/ScsiCommands.h"

namespace {

TEST(BuildSgIoHeaderTest, DescribesACommandWithoutData) {
    std::uint8_t sense[32];
    const ScsiCommand command = TestUnitReadyCommand();
    const sg_io_hdr_t header = BuildSgIoHeader(command, sense);
    EXPECT_EQ(header.interface_id, 'S');
    EXPECT_EQ(header.dxfer_direction, SG_DXFER_NONE);
    EXPECT_EQ(header.cmd_len, 10);
    EXPECT_EQ(header.cmdp, command.cdb.data());
    EXPECT_EQ(header.dxfer_len, 0u);
    EXPECT_EQ(header.dxferp, nullptr);
    EXPECT_EQ(header.mx_sb_len, 32);
    EXPECT_EQ(header.sbp, sense);
    EXPECT_EQ(header.timeout, 2000u);
    EXPECT_EQ(header.iovec_count, 0);
    EXPECT_EQ(header.flags, 0u);
}

TEST(BuildSgIoHeaderTest, DescribesDataInCommands) {
    std::uint8_t sense[32];
    std::uint8_t buffer[24 * 512];
    const ScsiCommand inquiry = InquiryCommand(buffer);
    const sg_io_hdr_t inquiryHeader = BuildSgIoHeader(inquiry, sense);
    EXPECT_EQ(inquiryHeader.dxfer_direction, SG_DXFER_FROM_DEV);
    EXPECT_EQ(inquiryHeader.cmd_len, 6);
    EXPECT_EQ(inquiryHeader.cmdp, inquiry.cdb.data());
    EXPECT_EQ(inquiryHeader.dxfer_len, 36u);
    EXPECT_EQ(inquiryHeader.dxferp, buffer);
    EXPECT_EQ(inquiryHeader.timeout, 2000u);

    const ScsiCommand vendor = VendorReadCommand(0x40000, buffer, 24);
    const sg_io_hdr_t vendorHeader = BuildSgIoHeader(vendor, sense);
    EXPECT_EQ(vendorHeader.dxfer_direction, SG_DXFER_FROM_DEV);
    EXPECT_EQ(vendorHeader.cmd_len, 10);
    EXPECT_EQ(vendorHeader.dxfer_len, 24u * 512u);
    EXPECT_EQ(vendorHeader.timeout, kVendorTimeoutSeconds * 1000);
}

sg_io_hdr_t Completed(unsigned int length) {
    sg_io_hdr_t header{};
    header.dxfer_len = length;
    return header;
}

TEST(EvaluateSgIoTest, CleanCompletionSucceeds) {
    const ScsiResult result = EvaluateSgIo(0, 0, Completed(512), true);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.deviceGone);
    EXPECT_EQ(result.transferred, 512u);
}

struct FieldCase {
    const char* name;
    std::function<void(sg_io_hdr_t&)> spoil;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class EvaluateSgIoFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(EvaluateSgIoFieldTest, AnyReportedProblemFailsTheCommand) {
    sg_io_hdr_t header = Completed(512);
    GetParam().spoil(header);
    const ScsiResult result = EvaluateSgIo(0, 0, header, true);
    EXPECT_FALSE(result.ok);
}

INSTANTIATE_TEST_SUITE_P(Fields, EvaluateSgIoFieldTest,
                         testing::Values(FieldCase{"info", [](sg_io_hdr_t& h) { h.info = SG_INFO_CHECK; }},
                                         FieldCase{"host", [](sg_io_hdr_t& h) { h.host_status = 0x07; }},
                                         FieldCase{"driver", [](sg_io_hdr_t& h) { h.driver_status = 0x08; }},
                                         FieldCase{"status", [](sg_io_hdr_t& h) { h.status = 0x02; }},
                                         FieldCase{"masked", [](sg_io_hdr_t& h) { h.masked_status = 0x01; }},
                                         FieldCase{"busy", [](sg_io_hdr_t& h) { h.status = 0x08; }},
                                         FieldCase{"sense", [](sg_io_hdr_t& h) { h.sb_len_wr = 18; }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluateSgIoTest, CheckConditionCarriesStatusAndSense) {
    std::uint8_t sense[32] = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0x24};
    sg_io_hdr_t header = Completed(36);
    header.info = SG_INFO_CHECK;
    header.status = 0x02;
    header.masked_status = 0x01;
    header.driver_status = 0x08;
    header.sb_len_wr = 18;
    header.sbp = sense;
    const ScsiResult result = EvaluateSgIo(0, 0, header, true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.scsiStatus, 2);
    EXPECT_EQ(result.senseLength, 18);
    EXPECT_EQ(result.sense[2], 0x05);
    EXPECT_EQ(result.sense[12], 0x24);
}

TEST(EvaluateSgIoTest, TransferredIsTheLengthLessTheResidue) {
    const std::pair<int, std::uint32_t> cases[] = {{0, 3072}, {1000, 2072}, {3072, 0}, {5000, 0}, {-7, 3072}};
    for (const auto& [resid, transferred] : cases) {
        sg_io_hdr_t header = Completed(3072);
        header.resid = resid;
        const ScsiResult result = EvaluateSgIo(0, 0, header, true);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.transferred, transferred) << "resid " << resid;
    }
}

struct ErrnoCase {
    int error;
    bool nodePresent;
    bool gone;
};

void PrintTo(const ErrnoCase& c, std::ostream* os) {
    *os << "errno " << c.error << (c.nodePresent ? ", node present" : ", node gone");
}

class EvaluateSgIoErrnoTest : public testing::TestWithParam<ErrnoCase> {};

// A failed ioctl decides alone; whatever the header holds is not looked at.
TEST_P(EvaluateSgIoErrnoTest, FailedIoctlFailsAndTellsWhetherTheDeviceIsGone) {
    sg_io_hdr_t header = Completed(512);
    header.status = 0x02;
    const ScsiResult result = EvaluateSgIo(-1, GetParam().error, header, GetParam().nodePresent);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.deviceGone, GetParam().gone);
    EXPECT_EQ(result.systemError, GetParam().error);
    EXPECT_EQ(result.transferred, 0u);
    EXPECT_EQ(result.scsiStatus, 0);
}

INSTANTIATE_TEST_SUITE_P(Errors, EvaluateSgIoErrnoTest,
                         testing::Values(ErrnoCase{ENODEV, true, true}, ErrnoCase{ENXIO, true, true},
                                         ErrnoCase{EIO, false, true}, ErrnoCase{EIO, true, false},
                                         ErrnoCase{EACCES, true, false}, ErrnoCase{EPERM, false, false},
                                         ErrnoCase{ENOMEM, true, false}));

TEST(EvaluateSgIoTest, LostConnectionToTheTargetMeansTheDeviceIsGone) {
    sg_io_hdr_t header = Completed(512);
    header.info = SG_INFO_CHECK;
    header.host_status = 0x01;
    const ScsiResult result = EvaluateSgIo(0, 0, header, true);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.deviceGone);
}

}  // namespace
