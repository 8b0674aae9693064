#include "device/windows/SptiTransport.h"

#include <gtest/gtest.h>

#include <string>

#include "device/ScsiCommands.h"

namespace {

// A plain file takes no SCSI pass-through: the refusal must reach the caller
// as a failed command with the system's error, not as success.
TEST(SptiTransportTest, ARefusedRequestFails) {
    char directory[MAX_PATH];
    char path[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, directory), 0u);
    ASSERT_NE(GetTempFileNameA(directory, "daq", 0, path), 0u);
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    {
        SptiTransport transport(file);
        std::uint8_t inquiry[36];
        const ScsiResult result = transport.Execute(InquiryCommand(inquiry));
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.systemError, 0);
    }
    // The transport closed the handle, so the file can go.
    EXPECT_TRUE(DeleteFileA(path));
}

}  // namespace
