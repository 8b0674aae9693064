#include "readmsc.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <algorithm>
#include <mutex>
#include <vector>

#include "CountingTransport.h"
#include "ReaderTestSupport.h"

namespace {

// Keeps what the reader records, in order.
class RecordingSink : public VoltSink {
public:
    void Begin() override { ++begun; }
    void Put(float volts) override {
        const std::lock_guard guard(mutex);
        values.push_back(volts);
    }
    void End() override { ++ended; }

    std::vector<float> Values() {
        const std::lock_guard guard(mutex);
        return values;
    }

    std::atomic<int> begun{0};
    std::atomic<int> ended{0};

private:
    std::mutex mutex;
    std::vector<float> values;
};

class ReadmscTest : public ::testing::Test {
protected:
    std::atomic<bool> stop{false};
    std::atomic<int> rate{6250};
    std::atomic<int> frames{3072};
    std::atomic<std::uint8_t> mask{1};
    std::atomic<std::shared_ptr<ScsiTransport>> handle;
    std::atomic<float> zero0{0.0f}, gain0{0.0f}, offset0{0.0f};
    std::atomic<float> zero1{0.25f}, gain1{1.5f}, offset1{-0.5f};
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
    std::shared_ptr<SimulatedInstrument> sim;
    std::shared_ptr<CountingTransport> counter;

    std::mutex eventsMutex;
    std::vector<QByteArray> blocks;
    std::vector<std::string> events;
    // Last, so it is joined before anything it reads goes.
    std::unique_ptr<readmsc> reader;

    void Attach() {
        sim = std::make_shared<SimulatedInstrument>(SimAt(false, "sine:50:2,triangle:20:3"));
        counter = std::make_shared<CountingTransport>(sim);
        handle.store(counter);
    }

    void Start() {
        reader = std::make_unique<readmsc>(stop, rate, frames, mask, handle,
                                           ChannelCorrectionSource{zero0, gain0, offset0},
                                           ChannelCorrectionSource{zero1, gain1, offset1}, sink);
        // Direct: the test has no event loop; the window connects queued.
        QObject::connect(reader.get(), &readmsc::BlockRead, [this](const QByteArray& block) {
            const std::lock_guard guard(eventsMutex);
            blocks.push_back(block);
        });
        QObject::connect(reader.get(), &readmsc::ChartClearRequested, [this] { Note("clear chart"); });
        QObject::connect(reader.get(), &readmsc::ReconnectPollWanted,
                         [this](bool wanted) { Note(wanted ? "poll on" : "poll off"); });
        reader->start();
    }

    void Note(const char* event) {
        const std::lock_guard guard(eventsMutex);
        events.emplace_back(event);
    }

    int Blocks() {
        const std::lock_guard guard(eventsMutex);
        return static_cast<int>(blocks.size());
    }

    // Taken under the lock: the reader's end is a synchronisation point the
    // race checker cannot see inside Qt.
    std::vector<QByteArray> Received() {
        const std::lock_guard guard(eventsMutex);
        return blocks;
    }
    std::vector<std::string> Events() {
        const std::lock_guard guard(eventsMutex);
        return events;
    }

    void AbortAndJoin() {
        reader->RequestAbort();
        ASSERT_TRUE(reader->wait(QDeadlineTimer(10000)));
    }

    // What the reader should have recorded from the blocks it handed on.
    std::vector<float> Expected(int channel, int framesPerBlock) {
        const ChannelCorrection correction = channel == 0 ? ChannelCorrection{zero0, gain0, offset0}
                                                          : ChannelCorrection{zero1, gain1, offset1};
        std::vector<float> expected;
        for (const QByteArray& block : Received()) {
            const auto* data = reinterpret_cast<const std::uint8_t*>(block.constData());
            for (int i = 0; i < framesPerBlock && (i + 1) * kFrameBytes <= block.size(); ++i) {
                expected.push_back(RawToVolts(FrameSample(data + i * kFrameBytes, channel), correction));
            }
        }
        return expected;
    }
};

TEST_F(ReadmscTest, RecordsEveryFrameOfTheChosenChannel) {
    const std::pair<std::uint8_t, int> choices[] = {{1, 0}, {3, 0}, {2, 1}};
    for (const auto& [channelMask, channel] : choices) {
        SCOPED_TRACE(testing::Message() << "mask " << int{channelMask});
        sink = std::make_shared<RecordingSink>();
        {
            const std::lock_guard guard(eventsMutex);
            blocks.clear();
        }
        mask = channelMask;
        Attach();
        Start();
        ASSERT_TRUE(WaitUntil([&] { return Blocks() >= 2; }));
        AbortAndJoin();

        // The blocks are decoded here, long after the reader moved on to
        // later reads: they are the reader's copies, as they were converted.
        const std::vector<float> recorded = sink->Values();
        const std::vector<float> expected = Expected(channel, 3072);
        // The abort may cut the last block's conversion short.
        ASSERT_GE(recorded.size(), 3072u);
        ASSERT_LE(recorded.size(), expected.size());
        EXPECT_TRUE(std::equal(recorded.begin(), recorded.end(), expected.begin()));
        for (const QByteArray& block : Received()) {
            EXPECT_EQ(block.size(), 12288);
        }
    }
}

TEST_F(ReadmscTest, SlowRateRecordsOneFramePerCommand) {
    rate = 64;
    Attach();
    Start();
    ASSERT_TRUE(WaitUntil([&] { return Blocks() >= 3; }));
    AbortAndJoin();
    EXPECT_EQ(frames.load(), 1);
    const std::vector<float> recorded = sink->Values();
    const std::vector<float> expected = Expected(0, 1);
    // One frame of each block but perhaps the last, which the abort may cut.
    ASSERT_GE(recorded.size(), expected.size() - 1);
    ASSERT_LE(recorded.size(), expected.size());
    EXPECT_TRUE(std::equal(recorded.begin(), recorded.end(), expected.begin()));
    EXPECT_EQ(Received().front().size(), 16);
}

TEST_F(ReadmscTest, FailedCommandsRecordNothing) {
    Attach();
    // Reads 1 and 2 fail; the reader is ended during read 5.
    counter->beforeRead = [this](int n) {
        if (n == 1) {
            sim->FailNextCommands(2);
        } else if (n == 5) {
            reader->RequestAbort();
        }
    };
    Start();
    ASSERT_TRUE(reader->wait(QDeadlineTimer(20000)));
    EXPECT_EQ(counter->Reads(), 6);
    EXPECT_EQ(Blocks(), 3);
    EXPECT_EQ(sink->Values().size(), 3u * 3072);
    // The first command that went out ends the reconnect poll, once.
    const std::vector<std::string> expected{"clear chart", "poll off"};
    EXPECT_EQ(Events(), expected);
}

TEST_F(ReadmscTest, NoDeviceEndsTheRunAndAsksForTheReconnectPoll) {
    Start();
    ASSERT_TRUE(reader->wait(QDeadlineTimer(10000)));
    EXPECT_TRUE(stop.load());
    const std::vector<std::string> expected{"clear chart", "poll on"};
    EXPECT_EQ(Events(), expected);
    EXPECT_EQ(sink->begun.load(), 1);
    EXPECT_EQ(sink->ended.load(), 1);
    EXPECT_TRUE(sink->Values().empty());
}

}  // namespace
