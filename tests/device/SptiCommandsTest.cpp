#include "device/SptiCommands.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what it was asked to execute and answers with a preset result.
class RecordingTransport : public ScsiTransport {
public:
    explicit RecordingTransport(bool ok, std::uint8_t status = 0, std::uint32_t transferred = 0) {
        answer.ok = ok;
        answer.scsiStatus = status;
        answer.transferred = transferred;
    }
    ScsiResult Execute(const ScsiCommand& command) override {
        commands.push_back(command);
        return answer;
    }
    std::vector<ScsiCommand> commands;
    ScsiResult answer;
};

TEST(SptiCommandsTest, EachCommandSendsItsCdbAndReportsTheVerdict) {
    std::uint8_t buffer[2 * 512];
    for (const bool ok : {true, false}) {
        RecordingTransport transport(ok, ok ? 0 : 2);
        EXPECT_EQ(TEST_UNIT_READY_SPTI(transport), ok);
        EXPECT_EQ(Inquiry_SPTI(transport, buffer), ok);
        EXPECT_EQ(Vendor_SPTI(transport, 0x10000, buffer, 2), ok);
        ASSERT_EQ(transport.commands.size(), 3u);
        EXPECT_EQ(transport.commands[0].cdb[0], 0x00);
        EXPECT_EQ(transport.commands[1].cdb[0], 0x12);
        EXPECT_EQ(transport.commands[1].data, buffer);
        EXPECT_EQ(transport.commands[2].cdb[0], 0xFE);
        EXPECT_EQ(transport.commands[2].cdb[3], 0x01);
        EXPECT_EQ(transport.commands[2].cdb[8], 2);
    }
}

TEST(SptiCommandsTest, VendorReportsTheBytesThatArrived) {
    RecordingTransport transport(true, 0, 700);
    std::uint8_t buffer[2 * 512];
    std::uint32_t received = 12345;
    EXPECT_TRUE(Vendor_SPTI(transport, 0x0, buffer, 2, &received));
    EXPECT_EQ(received, 700u);
}

TEST(SptiCommandsTest, VendorTellsAVanishedDeviceFromAFailedCommand) {
    RecordingTransport failed(false, 2);
    RecordingTransport gone(false);
    gone.answer.deviceGone = true;
    std::uint8_t buffer[512];
    for (RecordingTransport* transport : {&failed, &gone}) {
        bool deviceGone = transport == &failed;
        EXPECT_FALSE(Vendor_SPTI(*transport, 0x0, buffer, 1, nullptr, &deviceGone));
        EXPECT_EQ(deviceGone, transport == &gone);
    }
}

TEST(SptiCommandsTest, VendorBlockCountsThatDoNotFitTheCdbSendNothing) {
    RecordingTransport transport(true, 0, 512);
    std::uint8_t buffer[512];
    for (const int blocks : {0, -1, 256, 1000}) {
        std::uint32_t received = 12345;
        EXPECT_FALSE(Vendor_SPTI(transport, 0x0, buffer, blocks, &received)) << blocks;
        EXPECT_EQ(received, 0u);
    }
    EXPECT_TRUE(transport.commands.empty());
}

}  // namespace
