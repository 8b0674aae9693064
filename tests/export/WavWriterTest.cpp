#include "WavWriter.h"

#include <sndfile.h>

#include <numeric>

#include "WavTestSupport.h"

namespace {

class WavWriterTest : public WavFileTest {
protected:
    std::vector<std::uint8_t> Block(int length, std::uint8_t first) {
        std::vector<std::uint8_t> block(static_cast<std::size_t>(length));
        std::iota(block.begin(), block.end(), first);
        return block;
    }
};

TEST_F(WavWriterTest, BlocksAppendAndFinishingSetsTheSizes) {
    WavWriter writer(path);
    const auto a = Block(50000, 0), b = Block(50000, 7), c = Block(20000, 99);
    EXPECT_EQ(writer.WriteWave(a.data(), 12500, 50000, 1, 1, 0, false), 50000 + 44);
    EXPECT_EQ(FileSize(), 50044);
    EXPECT_EQ(writer.WriteWave(b.data(), 12500, 50000, 1, 1, 1, false), 50000);
    EXPECT_EQ(FileSize(), 100044);
    EXPECT_TRUE(writer.IsOpen());
    EXPECT_EQ(writer.WriteWave(c.data(), 12500, 20000, 1, 1, 1, true), 20000);
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(writer.BytesWritten(), 120000);

    const WavHeader h = ReadHeader(path);
    EXPECT_EQ(FileSize(), 120044);
    EXPECT_EQ(h.riff, "RIFF");
    EXPECT_EQ(h.riffSize, 120000u + 36u);
    EXPECT_EQ(h.wave, "WAVE");
    EXPECT_EQ(h.fmt, "fmt ");
    EXPECT_EQ(h.fmtSize, 16u);
    EXPECT_EQ(h.formatTag, 1);
    EXPECT_EQ(h.channels, 1);
    EXPECT_EQ(h.sampleRate, 12500u);
    EXPECT_EQ(h.byteRate, 12500u);
    EXPECT_EQ(h.blockAlign, 1);
    EXPECT_EQ(h.bitsPerSample, 8);
    EXPECT_EQ(h.data, "data");
    EXPECT_EQ(h.dataSize, 120000u);

    const WavContent back = ReadBack(path);
    EXPECT_EQ(back.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    std::vector<std::uint8_t> all(a);
    all.insert(all.end(), b.begin(), b.end());
    all.insert(all.end(), c.begin(), c.end());
    EXPECT_EQ(back.samples, all);
}

TEST_F(WavWriterTest, HeaderIsRightWhileTheRecordingIsStillOpen) {
    // A recording cut short (a crash, a pulled plug) is still a valid file.
    WavWriter writer(path);
    const auto a = Block(1000, 3);
    writer.WriteWave(a.data(), 64, 1000, 1, 1, 0, false);
    writer.WriteWave(a.data(), 64, 1000, 1, 1, 1, false);
    const WavHeader h = ReadHeader(path);
    EXPECT_EQ(h.dataSize, 2000u);
    EXPECT_EQ(h.riffSize, 2036u);
    EXPECT_EQ(ReadBack(path).info.samplerate, 64);
}

TEST_F(WavWriterTest, RefusesWhatItCannotWrite) {
    const auto a = Block(10, 0);
    WavWriter nowhere(dir / "missing" / "out.wav");
    EXPECT_EQ(nowhere.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), 0);
    EXPECT_NE(nowhere.Error().find("missing"), std::string::npos) << nowhere.Error();
    EXPECT_FALSE(nowhere.IsOpen());

    WavWriter writer(path);
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 1, 1, false), 0) << "nothing open to continue";
    EXPECT_FALSE(writer.Error().empty());
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 10, 1, 7, 0, false), 0) << "no 7-byte samples";
    EXPECT_EQ(writer.WriteWave(a.data(), 0, 10, 1, 1, 0, false), 0) << "no rate";
    EXPECT_EQ(writer.WriteWave(nullptr, 6250, 10, 1, 1, 0, false), 0);
    EXPECT_EQ(writer.WriteWave(a.data(), 6250, 9, 1, 2, 0, true), 0) << "half a 16-bit sample";
    EXPECT_FALSE(writer.IsOpen()) << "a refused block still finishes";
}

TEST_F(WavWriterTest, OneRecordingAtATimeInTheProcess) {
    const auto a = Block(10, 0);
    WavWriter first(path);
    WavWriter second(dir / "second.wav");
    ASSERT_EQ(first.WriteWave(a.data(), 6250, 10, 1, 1, 0, false), 54);
    EXPECT_EQ(second.WriteWave(a.data(), 6250, 10, 1, 1, 0, false), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "second.wav"));
    first.Finish();
    EXPECT_EQ(second.WriteWave(a.data(), 6250, 10, 1, 1, 0, true), 54);
}

TEST_F(WavWriterTest, DestructionFinishesAnOpenRecording) {
    const auto a = Block(300, 0);
    {
        WavWriter writer(path);
        writer.WriteWave(a.data(), 25000, 300, 1, 1, 0, false);
        writer.WriteWave(a.data(), 25000, 300, 1, 1, 1, false);
    }
    EXPECT_EQ(ReadHeader(path).dataSize, 600u);
    WavWriter next(path);
    EXPECT_GT(next.WriteWave(a.data(), 25000, 300, 1, 1, 0, true), 0) << "the process-wide slot is free";
}

}  // namespace
