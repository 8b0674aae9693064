#include "WavRecorder.h"

#include "WavSample.h"
#include "WavTestSupport.h"

namespace {

constexpr int kBlock = 50000;

class WavRecorderTest : public WavFileTest {
protected:
    // A sawtooth over -1.2 V .. +1.2 V, so clipping shows up as well.
    static float Volts(int i) { return -1.2f + 2.4f * static_cast<float>(i % 251) / 250.0f; }

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
    const WavContent back = ReadBack(path);
    EXPECT_EQ(back.info.samplerate, 6250);
    EXPECT_EQ(back.info.channels, 1);
    EXPECT_EQ(back.samples, expected);
}

TEST_F(WavRecorderTest, LongRunIsAppendedBlockByBlock) {
    WavWriter writer(path);
    WavRecorder recorder(writer, kBlock);
    auto expected = Record(recorder, 0, kBlock - 1, 100000);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::vector<std::int64_t> sizes;
    for (int block = 0; block < 2; ++block) {
        const auto more =
            Record(recorder, static_cast<int>(expected.size()), block == 0 ? 1 : kBlock, 100000);
        expected.insert(expected.end(), more.begin(), more.end());
        sizes.push_back(FileSize());
    }
    const auto rest = Record(recorder, static_cast<int>(expected.size()), 20000, 100000);
    expected.insert(expected.end(), rest.begin(), rest.end());
    sizes.push_back(FileSize());
    recorder.End(100000);
    sizes.push_back(FileSize());
    EXPECT_EQ(sizes, (std::vector<std::int64_t>{50044, 100044, 100044, 120044}));
    const WavHeader h = ReadHeader(path);
    EXPECT_EQ(h.riffSize, 120036u);
    EXPECT_EQ(h.dataSize, 120000u);
    EXPECT_EQ(ReadBack(path).samples, expected);
}

TEST_F(WavRecorderTest, SecondRecordingReplacesTheFirst) {
    WavWriter writer(path);
    {
        WavRecorder first(writer, kBlock);
        Record(first, 0, 70000, 6250);
        first.End(6250);
    }
    WavRecorder second(writer, kBlock);
    const auto expected = Record(second, 100, 1000, 12500);
    second.End(12500);
    EXPECT_EQ(FileSize(), 1044);
    EXPECT_EQ(ReadHeader(path).dataSize, 1000u);
    const WavContent back = ReadBack(path);
    EXPECT_EQ(back.info.samplerate, 12500);
    EXPECT_EQ(back.samples, expected) << "its own samples from the first byte on";
}

TEST_F(WavRecorderTest, ClipsAtAndBeyondOneVolt) {
    WavWriter writer(path);
    WavRecorder recorder(writer, kBlock);
    for (float v : {-3.0f, -1.01f, -1.0f, 0.0f, 0.99f, 1.0f, 1.01f, 3.0f}) {
        recorder.Put(v, 6250);
    }
    recorder.End(6250);
    EXPECT_EQ(ReadBack(path).samples, (std::vector<std::uint8_t>{0, 0, 0, 128, 254, 255, 255, 255}));
}

TEST_F(WavRecorderTest, UnwritableFileIsReportedOnceAndTheRunDropped) {
    WavWriter writer(dir / "missing" / "out.wav");
    std::vector<std::string> errors;
    WavRecorder recorder(writer, 100, [&](const std::string& reason) { errors.push_back(reason); });
    Record(recorder, 0, 450, 6250);
    recorder.End(6250);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("missing"), std::string::npos) << errors[0];
    EXPECT_TRUE(recorder.Failed());
    EXPECT_FALSE(writer.IsOpen());
}

TEST_F(WavRecorderTest, RunEndedByDestructionIsFinished) {
    WavWriter writer(path);
    std::vector<std::uint8_t> expected;
    {
        WavRecorder recorder(writer, 100);
        expected = Record(recorder, 0, 250, 25000);
    }
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(ReadHeader(path).dataSize, 250u);
    EXPECT_EQ(ReadBack(path).samples, expected);
}

}  // namespace
