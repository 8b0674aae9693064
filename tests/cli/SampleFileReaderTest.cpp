#include "SampleFileReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

SampleFileRead Read(const std::string& text, std::optional<std::uint64_t> max = std::nullopt) {
    std::istringstream in(text);
    return ReadSampleFile(in, max);
}

TEST(SampleFileReaderTest, CaptureCsvGivesItsChannelsAndTheRateOfItsTimeColumn) {
    SampleFileRead read = Read("time_s,ch0_v,ch1_v\n0,1.5,-2\n0.00016,1.25,+3e-1\n0.00032,-0.5,0\n");
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->rate, 6250);
    EXPECT_EQ(read.file->channels[0], (std::vector<double>{1.5, 1.25, -0.5}));
    EXPECT_EQ(read.file->channels[1], (std::vector<double>{-2, 0.3, 0}));

    // One channel, no time column, CR LF and a byte order mark; the limit
    // stops reading.
    read = Read(
        "\xEF\xBB\xBF"
        "ch1_v\r\n1\r\n2\r\n3\r\nnot read\r\n",
        3);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_FALSE(read.file->rate);
    EXPECT_EQ(read.file->hasChannel, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(read.file->channels[1], (std::vector<double>{1, 2, 3}));
}

TEST(SampleFileReaderTest, SaveDataTextWithEitherDecimalSeparator) {
    const SampleFileRead read = Read("CH0 Data:\r\n0,5\r\n-1\r\n2.25\r\nCH1 Data:\r\n1E-5\r\n");
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->channels[0], (std::vector<double>{0.5, -1, 2.25}));
    EXPECT_EQ(read.file->channels[1], (std::vector<double>{1e-5}));
    EXPECT_FALSE(read.file->rate);
}

TEST(SampleFileReaderTest, MalformedFilesAreRefusedWithTheLineAndAShortReason) {
    const std::string longLine(1000000, '7');
    std::string binary = "time_s,ch0_v\n0,1\n";
    binary += std::string("\x00\x01\x02\xff", 4);
    const struct {
        std::string text;
        std::uint64_t line;
        std::string reason;
    } cases[] = {
        {"", 0, "empty"},
        {"time,ch0,ch1\n0,1,2\n", 1, "unexpected header"},
        {"time_s\n0\n", 1, "no channel"},
        {"ch0_v,ch0_v\n1,2\n", 1, "unexpected header"},
        {"time_s,ch0_v\n0,abc\n", 2, "\"abc\" is not a number"},
        {"time_s,ch0_v\n0,nan\n", 2, "not a number"},
        {"time_s,ch0_v\n0,1e999\n", 2, "not a number"},
        {"time_s,ch0_v\n0,1,2\n", 2, "3 fields"},
        {"time_s,ch0_v\n0,1\n0,1\n", 3, "time column"},
        {"time_s,ch0_v\n0,1\n0.3,1\n", 3, "time column"},
        {"CH0 Data:\n1\nCH1 Data:\n1..2\n", 4, "not a number"},
        {binary, 3, "binary"},
        {std::string("\x7f"
                     "ELF\x02\x01\x01\x00",
                     8),
         1, "binary"},
        {longLine, 1, "longer than"},
        {"time_s,ch0_v\n" + longLine + "\n", 2, "longer than"},
    };
    for (const auto& c : cases) {
        const SampleFileRead read = Read(c.text);
        EXPECT_FALSE(read.file) << c.reason;
        EXPECT_EQ(read.line, c.line) << c.reason << ": " << read.error;
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << read.error;
        EXPECT_LT(read.error.size(), 200u) << read.error;
    }
}

}  // namespace
