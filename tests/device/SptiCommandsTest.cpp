#include "device/SptiCommands.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace {

// Records what it was asked to execute and answers with a preset result.
class RecordingTransport : public ScsiTransport {
public:
    explicit RecordingTransport(ScsiResult answer) : answer_(answer) {}
    ScsiResult Execute(const ScsiCommand& command) override {
        commands.push_back(command);
        return answer_;
    }
    std::vector<ScsiCommand> commands;

private:
    ScsiResult answer_;
};

ScsiResult Answer(bool ok, std::uint8_t status, std::uint32_t transferred) {
    ScsiResult result;
    result.ok = ok;
    result.scsiStatus = status;
    result.transferred = transferred;
    return result;
}

struct AnswerCase {
    ScsiResult answer;
    bool expected;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << "ok " << c.answer.ok << " status " << int{c.answer.scsiStatus};
}

class SptiCommandsTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(SptiCommandsTest, EachCommandReportsTheTransportsVerdict) {
    RecordingTransport transport(GetParam().answer);
    std::uint8_t buffer[2 * 512];
    EXPECT_EQ(TEST_UNIT_READY_SPTI(transport), GetParam().expected);
    EXPECT_EQ(Inquiry_SPTI(transport, buffer), GetParam().expected);
    EXPECT_EQ(Vendor_SPTI(transport, 0x10000, buffer, 2), GetParam().expected);
    ASSERT_EQ(transport.commands.size(), 3u);
    EXPECT_EQ(transport.commands[0].cdb[0], 0x00);
    EXPECT_EQ(transport.commands[1].cdb[0], 0x12);
    EXPECT_EQ(transport.commands[1].data, buffer);
    EXPECT_EQ(transport.commands[2].cdb[0], 0xFE);
    EXPECT_EQ(transport.commands[2].cdb[3], 0x01);
    EXPECT_EQ(transport.commands[2].cdb[8], 2);
    EXPECT_EQ(transport.commands[2].dataLength, 1024u);
}

INSTANTIATE_TEST_SUITE_P(Answers, SptiCommandsTest,
                         testing::Values(AnswerCase{Answer(true, 0, 1024), true},
                                         // CHECK CONDITION: delivered, but not done.
                                         AnswerCase{Answer(false, 2, 0), false},
                                         AnswerCase{Answer(false, 0, 0), false}));

TEST(VendorSptiTest, ReportsTheBytesThatArrived) {
    RecordingTransport transport(Answer(true, 0, 700));
    std::uint8_t buffer[2 * 512];
    std::uint32_t received = 12345;
    EXPECT_TRUE(Vendor_SPTI(transport, 0x0, buffer, 2, &received));
    EXPECT_EQ(received, 700u);
}

TEST(VendorSptiTest, BlockCountsThatDoNotFitTheCdbSendNothing) {
    RecordingTransport transport(Answer(true, 0, 512));
    std::uint8_t buffer[512];
    for (const int blocks : {0, -1, 256, 1000}) {
        std::uint32_t received = 12345;
        EXPECT_FALSE(Vendor_SPTI(transport, 0x0, buffer, blocks, &received)) << blocks;
        EXPECT_EQ(received, 0u);
    }
    EXPECT_TRUE(transport.commands.empty());
}

}  // namespace
