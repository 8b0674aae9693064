#include "WavRecorder.h"

#include <cmath>
#include <tuple>

#include "WavSample.h"
#include "WavTestSupport.h"

namespace {

constexpr int kBlock = 50000;

class WavRecorderTest : public WavFileTest {
protected:
    // A sawtooth over -1.2 V .. +1.2 V, clipped at both ends.
    static float Volts(int i) { return -1.2f + 2.4f * static_cast<float>(i % 251) / 250.0f; }

    // Records samples first..first + count - 1; returns their expected bytes.
    std::vector<std::uint8_t> Record(WavRecorder& recorder, int first, int count, int rate) {
        std::vector<std::uint8_t> expected;
        for (int i = first; i < first + count; ++i) {
            recorder.Put(Volts(i), rate);
            expected.push_back(VoltsToWavSample(Volts(i)));
        }
        return expected;
    }
};

TEST_F(WavRecorderTest, RunShorterThanABlockIsWrittenAtTheEnd) {
    WavWriter writer(path);
    WavRecorder recorder(writer, kBlock);
    const auto expected = Record(recorder, 0, 30000, 6250);
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing touches the file before a block is full";
    recorder.End(6250);
    EXPECT_EQ(FileSize(), 30044);
    const WavHeader h = ReadHeader(path);
    EXPECT_EQ(h.riffSize, 30036u);
    EXPECT_EQ(h.dataSize, 30000u);
    EXPECT_EQ(ReadBack(path).samples, expected);
}

TEST_F(WavRecorderTest, LongRunIsAppendedBlockByBlock) {
    WavWriter writer(path);
    WavRecorder recorder(writer, kBlock);
    std::vector<std::uint8_t> expected;
    std::vector<std::int64_t> sizes;
    for (int count : {kBlock, kBlock, 20000}) {
        const auto more = Record(recorder, static_cast<int>(expected.size()), count, 12500);
        expected.insert(expected.end(), more.begin(), more.end());
        sizes.push_back(FileSize());
    }
    recorder.End(12500);
    sizes.push_back(FileSize());
    EXPECT_EQ(sizes, (std::vector<std::int64_t>{50044, 100044, 100044, 120044}));

    const WavHeader h = ReadHeader(path);
    EXPECT_EQ(std::tie(h.riff, h.wave, h.fmt, h.data), std::tie("RIFF", "WAVE", "fmt ", "data"));
    EXPECT_EQ(h.riffSize, 120036u);
    EXPECT_EQ(h.fmtSize, 16u);
    EXPECT_EQ(h.formatTag, 1);
    EXPECT_EQ(h.channels, 1);
    EXPECT_EQ(h.sampleRate, 12500u);
    EXPECT_EQ(h.byteRate, 12500u);
    EXPECT_EQ(h.blockAlign, 1);
    EXPECT_EQ(h.bitsPerSample, 8);
    EXPECT_EQ(h.dataSize, 120000u);
    const WavContent back = ReadBack(path);
    EXPECT_EQ(back.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    EXPECT_EQ(back.samples, expected);
}

TEST_F(WavRecorderTest, SecondRecordingReplacesTheFirst) {
    WavWriter writer(path);
    {
        WavRecorder first(writer, kBlock);
        Record(first, 0, 70000, 6250);
    }  // ended by its destructor
    WavRecorder second(writer, kBlock);
    const auto expected = Record(second, 100, 1000, 25000);
    second.End(25000);
    EXPECT_EQ(ReadHeader(path).dataSize, 1000u);
    const WavContent back = ReadBack(path);
    EXPECT_EQ(back.info.samplerate, 25000);
    EXPECT_EQ(back.samples, expected) << "its own samples from the first byte on";
}

TEST_F(WavRecorderTest, ClipsAtAndBeyondOneVolt) {
    WavWriter writer(path);
    WavRecorder recorder(writer, kBlock);
    for (float v :
         {-3.0f, -1.01f, -1.0f, -0.99f, 0.0f, 0.5f, 0.99f, 0.999f, 1.0f, 1.01f, 3.0f, std::nanf("")}) {
        recorder.Put(v, 6250);
    }
    recorder.End(6250);
    EXPECT_EQ(ReadBack(path).samples,
              (std::vector<std::uint8_t>{0, 0, 0, 1, 128, 192, 254, 255, 255, 255, 255, 128}));
}

TEST_F(WavRecorderTest, UnwritableFileIsReportedOnceAndTheRunDropped) {
    WavWriter writer(dir / "missing" / "out.wav");
    std::vector<std::string> errors;
    WavRecorder recorder(writer, 100, [&](const std::string& reason) { errors.push_back(reason); });
    EXPECT_EQ(errors.size(), 1u) << "told at the start, before the first block";
    Record(recorder, 0, 450, 6250);
    recorder.End(6250);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("missing"), std::string::npos) << errors[0];
    EXPECT_FALSE(writer.IsOpen());
}

}  // namespace
