#include "readmsc.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <algorithm>
#include <functional>
#include <mutex>
#include <vector>

#include "ReaderTestSupport.h"

namespace {

// Locked throughout: the reader's end synchronises inside Qt, where the race
// checker cannot see it.
class RecordingSink : public VoltSink {
public:
    void Put(float volts) override {
        const std::lock_guard guard(mutex_);
        values_.push_back(volts);
    }
    void End() override {
        const std::lock_guard guard(mutex_);
        ++ended_;
    }
    std::vector<float> Values() {
        const std::lock_guard guard(mutex_);
        return values_;
    }
    int Ended() {
        const std::lock_guard guard(mutex_);
        return ended_;
    }

private:
    std::mutex mutex_;
    std::vector<float> values_;
    int ended_ = 0;
};

class ReadmscTest : public ::testing::Test {
protected:
    std::atomic<bool> stop{false};
    std::atomic<int> rate{6250};
    std::atomic<int> frames{3072};
    std::atomic<std::uint8_t> mask{1};
    DeviceHandleSlot handle;
    std::atomic<float> zero0{0.0f}, gain0{0.0f}, offset0{0.0f};
    std::atomic<float> zero1{0.25f}, gain1{1.5f}, offset1{-0.5f};
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
    std::shared_ptr<SimulatedInstrument> sim;
    std::shared_ptr<CountingTransport> counter;
    std::mutex mutex;  // guards what the signals deliver
    std::vector<QByteArray> blocks;
    std::vector<std::string> events;
    std::unique_ptr<readmsc> reader;  // last: joined before what it reads goes

    // Runs a reader on the simulated instrument (none when attach is false)
    // until it ends, by itself or when beforeRead aborts it.
    void Run(bool attach, std::function<void(int n)> beforeRead = {}) {
        if (attach) {
            sim = std::make_shared<SimulatedInstrument>(SimAt(false, "sine:50:2,triangle:20:3"));
            counter = std::make_shared<CountingTransport>(sim);
            counter->beforeRead = std::move(beforeRead);
            handle.store(counter);
        }
        reader = std::make_unique<readmsc>(stop, rate, frames, mask, handle,
                                           ChannelCorrectionSource{zero0, gain0, offset0},
                                           ChannelCorrectionSource{zero1, gain1, offset1}, sink);
        // Direct: the test has no event loop; the window connects queued.
        QObject::connect(reader.get(), &readmsc::BlockRead, [this](const QByteArray& block) {
            const std::lock_guard guard(mutex);
            blocks.push_back(block);
        });
        QObject::connect(reader.get(), &readmsc::ChartClearRequested, [this] { Note("clear chart"); });
        QObject::connect(reader.get(), &readmsc::ReconnectPollWanted,
                         [this](bool wanted) { Note(wanted ? "poll on" : "poll off"); });
        reader->start();
        ASSERT_TRUE(reader->Join(QDeadlineTimer(20000)));
    }
    void Note(const char* event) {
        const std::lock_guard guard(mutex);
        events.emplace_back(event);
    }
    std::vector<std::string> Events() {
        const std::lock_guard guard(mutex);
        return events;
    }
    std::size_t Blocks() {
        const std::lock_guard guard(mutex);
        return blocks.size();
    }
    // Decodes the handed-on blocks; they are the reader's copies, read long
    // after it moved on to later reads.
    std::vector<float> Decoded(int channel, int framesPerBlock) {
        const ChannelCorrection correction = channel == 0 ? ChannelCorrection{zero0, gain0, offset0}
                                                          : ChannelCorrection{zero1, gain1, offset1};
        const std::lock_guard guard(mutex);
        std::vector<float> volts;
        for (const QByteArray& block : blocks) {
            const auto* data = reinterpret_cast<const std::uint8_t*>(block.constData());
            for (int i = 0; i < framesPerBlock; ++i) {
                volts.push_back(RawToVolts(FrameSample(data + i * kFrameBytes, channel), correction));
            }
        }
        return volts;
    }
};

// Aborts during read n, so reads 0..n-1 are recorded whole.
std::function<void(int)> AbortAt(int last, std::unique_ptr<readmsc>& reader) {
    return [last, &reader](int n) {
        if (n == last) {
            reader->RequestAbort();
        }
    };
}

TEST_F(ReadmscTest, RecordsEveryFrameOfTheChosenChannel) {
    for (const auto& [channelMask, channel] : {std::pair<std::uint8_t, int>{1, 0}, {3, 0}, {2, 1}}) {
        SCOPED_TRACE(testing::Message() << "mask " << int{channelMask});
        sink = std::make_shared<RecordingSink>();
        blocks.clear();
        mask = channelMask;
        Run(true, AbortAt(2, reader));
        EXPECT_EQ(sink->Values().size(), 2u * 3072);
        EXPECT_EQ(sink->Values(), Decoded(channel, 3072));
        EXPECT_EQ(sink->Ended(), 1);
    }
}

TEST_F(ReadmscTest, FailedCommandsRecordNothingAndTheFirstCommandEndsThePoll) {
    // Reads 1 and 2 fail.
    Run(true, [this](int n) {
        if (n == 1) {
            sim->FailNextCommands(2);
        }
        AbortAt(5, reader)(n);
    });
    EXPECT_EQ(counter->Reads(), 6);
    EXPECT_EQ(Blocks(), 3u);
    EXPECT_EQ(sink->Values().size(), 3u * 3072);
    EXPECT_EQ(Events(), (std::vector<std::string>{"clear chart", "poll off"}));
}

TEST_F(ReadmscTest, NoDeviceEndsTheRunAndAsksForTheReconnectPoll) {
    Run(false);
    EXPECT_TRUE(stop.load());
    EXPECT_EQ(Events(), (std::vector<std::string>{"clear chart", "poll on"}));
    EXPECT_TRUE(sink->Values().empty());
    EXPECT_EQ(sink->Ended(), 1);
}

}  // namespace
