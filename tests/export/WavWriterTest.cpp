#include "WavWriter.h"

#include <sys/stat.h>

#include <functional>

#include "WavTestSupport.h"

namespace {

using WavWriterTest = WavFileTest;

TEST_F(WavWriterTest, RefusesWhatItCannotWrite) {
    const std::vector<std::uint8_t> a(10, 1);
    WavWriter nowhere(dir / "missing" / "out.wav");
    EXPECT_EQ(nowhere.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), 0);
    const std::string expected = (dir / "missing" / "out.wav").string() + ": cannot be written: ";
    EXPECT_EQ(nowhere.Error().rfind(expected, 0), 0u) << nowhere.Error();
    EXPECT_EQ(nowhere.Error().find("System error"), std::string::npos) << nowhere.Error();
    EXPECT_GT(nowhere.Error().size(), expected.size()) << "the reason is kept";

    std::filesystem::create_directory(path);
    WavWriter folder(path);
    EXPECT_EQ(folder.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path)) << "an empty folder of that name is not removed";
    std::filesystem::remove(path);

    WavWriter writer(path);
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 1, 1, false), 0) << "nothing open to continue";
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 7, 0, false), 0) << "no 7-byte samples";
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 9, 1, 2, 0, true), 0) << "half a 16-bit sample";
    EXPECT_FALSE(writer.IsOpen()) << "a refused last block still finishes";
}

// Past the limit the 32-bit sizes would wrap round: the recording keeps the
// whole frames that fit, says why the rest is missing, and stays valid.
TEST_F(WavWriterTest, StopsAtTheSizeLimitWithAValidFile) {
    const std::vector<std::uint8_t> a(10, 1);
    WavWriter writer(path, 15);
    ASSERT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 2, 0, false), 54);
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 2, 1, false), 0);
    EXPECT_NE(writer.Error().find("at most 15 bytes"), std::string::npos) << writer.Error();
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 2, 1, 2, 1, true), 0) << "full stays full";
    const WavHeader header = ReadHeader(path);
    EXPECT_EQ(header.dataSize, 14u) << "seven whole 16-bit frames";
    EXPECT_EQ(header.riffSize, 36u + 14u);
    EXPECT_EQ(FileSize(), 44 + 14);
    EXPECT_LE(36 + kMaxWavDataBytes + kMaxWavDataBytes % 2, 0xFFFFFFFFLL);
}

// The window records to "out.wav" wherever it runs: whatever else carries
// that name stays, and a link leads the recording to its target.
TEST_F(WavWriterTest, ReplacesOnlyARegularFile) {
    namespace fs = std::filesystem;
    const std::vector<std::uint8_t> a(10, 1);
    const struct {
        const char* what;
        std::function<void()> make;
        fs::file_type left;  // what is at the path afterwards
        bool written;
    } cases[] = {
        {"read-only file",
         [&] {
             std::ofstream(path) << "old";
             fs::permissions(path, fs::perms::owner_read);
         },
         fs::file_type::regular, true},
        {"FIFO", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }, fs::file_type::fifo, false},
        {"link",
         [&] {
             std::ofstream(dir / "t.wav") << "old";
             fs::create_symlink("t.wav", path);
         },
         fs::file_type::symlink, true},
        {"link to nothing", [&] { fs::create_symlink("t.wav", path); }, fs::file_type::symlink, true},
        {"link to a FIFO",
         [&] {
             mkfifo((dir / "t.wav").c_str(), 0644);
             fs::create_symlink("t.wav", path);
         },
         fs::file_type::symlink, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path);
        fs::remove(dir / "t.wav");
        c.make();
        WavWriter writer(path);
        EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), c.written ? 54 : 0) << writer.Error();
        EXPECT_EQ(fs::symlink_status(path).type(), c.left);
        if (c.written) {
            EXPECT_EQ(ReadHeader(path).dataSize, 10u);
        } else {
            EXPECT_NE(writer.Error().find("FIFO"), std::string::npos) << writer.Error();
        }
    }
}

TEST_F(WavWriterTest, OneRecordingAtATimeInTheProcess) {
    const std::vector<std::uint8_t> a(10, 1);
    WavWriter first(path);
    WavWriter second(dir / "second.wav");
    ASSERT_EQ(first.WriteWave(a.data(), 6250, 10, 1, 1, 0, false), 54);
    EXPECT_EQ(second.WriteWave(a.data(), 6250, 10, 1, 1, 0, false), 0);
    first.Finish();
    EXPECT_EQ(second.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), 54);
}

}  // namespace
