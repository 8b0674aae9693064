#include "mainthread.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <chrono>
#include <functional>
#include <thread>

#include "ReaderTestSupport.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class MainthreadTest : public ::testing::Test {
protected:
    std::atomic<bool> stop{false};
    std::atomic<int> rate{6250};
    std::atomic<int> frames{3072};  // half a second per paced command at this rate
    DeviceHandleSlot handle;
    std::mutex lock;
    DoubleArray queue{lock, stop};
    std::shared_ptr<SimulatedInstrument> sim;
    std::shared_ptr<CountingTransport> counter;
    std::unique_ptr<mainthread> reader;  // last: joined before what it reads goes

    void Start(bool paced, std::function<void(int n)> beforeRead = {}) {
        sim = std::make_shared<SimulatedInstrument>(SimAt(paced));
        counter = std::make_shared<CountingTransport>(sim);
        counter->beforeRead = std::move(beforeRead);
        handle.store(counter);
        reader = std::make_unique<mainthread>(stop, rate, frames, handle, queue);
        reader->start();
    }
    bool Join() { return reader->Join(QDeadlineTimer(10000)); }
    // Collects blocks as the display does, until count have arrived.
    DoubleArray::NodeList Take(int count) {
        DoubleArray::NodeList blocks;
        WaitUntil([&] { return (queue.TakeAll(blocks), static_cast<int>(blocks.size()) >= count); });
        return blocks;
    }
    int Queued() { return queue.CountA() + queue.CountB(); }
};

struct BlockCase {
    int sampleRate;
    int framesPerRead;
    int blockBytes;
    double secondsPerCommand;  // what the instrument needs to sample one command's frames
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.framesPerRead << " frames at " << c.sampleRate << " S/s";
}

class MainthreadBlockTest : public MainthreadTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(MainthreadBlockTest, QueuesTheFramesAskedForAtTheInstrumentsPace) {
    rate = GetParam().sampleRate;
    frames = GetParam().framesPerRead;
    const auto started = Clock::now();
    Start(true);
    const DoubleArray::NodeList blocks = Take(3);
    const std::chrono::duration<double> elapsed = Clock::now() - started;
    ASSERT_GE(blocks.size(), 3u);
    for (const auto& block : blocks) {
        EXPECT_EQ(block->length, GetParam().blockBytes);
    }
    EXPECT_GE(elapsed.count(), 3 * GetParam().secondsPerCommand * 0.9);
}

INSTANTIATE_TEST_SUITE_P(Rates, MainthreadBlockTest,
                         ::testing::Values(BlockCase{64, 3072, 16,
                                                     4 / 256.0},  // four frames, whatever is asked
                                           BlockCase{100000, 3072, 12288, 3072 / 100000.0},
                                           BlockCase{6250, 1664, 6656, 1664 / 6250.0},
                                           BlockCase{25000, 200, 512, 128 / 25000.0}));  // one block arrives

TEST_F(MainthreadTest, SendsNothingWithoutAReadItCanAskFor) {
    frames = 0;
    Start(false);
    for (const auto& [sampleRate, framesPerRead] :
         {std::pair{6250, 0}, {6250, -3}, {6250, 100}, {7000, 3072}}) {
        rate = sampleRate;
        frames = framesPerRead;
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(counter->Reads(), 0) << framesPerRead << " frames at " << sampleRate;
    }
    EXPECT_EQ(Queued(), 0);
    rate = 6250;
    EXPECT_EQ(Take(1).size(), 1u) << "reading resumes once the value changes";
}

TEST_F(MainthreadTest, FailedAndEmptyReadsQueueNothingAndPause) {
    // Read 0 succeeds; 1-3 fail and 4-6 bring all-zero frames; 7 and 8
    // succeed. The reader is ended during read 9, without the stop flag, so
    // the queue keeps its blocks.
    const auto started = Clock::now();
    Start(false, [this](int n) {
        if (n == 1) {
            sim->FailNextCommands(3);
        } else if (n == 4) {
            sim->ZeroNextVendorReads(3);
        } else if (n == 9) {
            reader->RequestAbort();
        }
    });
    ASSERT_TRUE(Join());
    const auto elapsed = Clock::now() - started;
    ASSERT_EQ(counter->Reads(), 10);
    DoubleArray::NodeList blocks;
    queue.TakeAll(blocks);
    ASSERT_EQ(blocks.size(), 3u) << "the failed and empty reads queued nothing, old or new";
    for (const auto& block : blocks) {
        EXPECT_NE(block->data[0] | block->data[1] | block->data[2] | block->data[3], 0);
    }
    // Every pass pauses, failures included: no spinning on a silent device.
    EXPECT_GE(elapsed, 8 * ReaderThread::kPassPause);
}

TEST_F(MainthreadTest, UnplugEndsTheCommandAndReadingWaitsForANewHandle) {
    Start(true);
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 1; }));
    sim->Unplug();
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 0; }));
    // The same handle stays silent even once the device answers again.
    sim->Replug();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(counter->Reads(), 1);
    EXPECT_EQ(Queued(), 0);
    handle.store(std::make_shared<SimulatedInstrument>(SimAt(false)));
    EXPECT_EQ(Take(1).size(), 1u) << "detection put a new handle in place";
    stop = true;
    EXPECT_TRUE(Join());
}

TEST_F(MainthreadTest, AbortedReaderIsNotRevivedByTheNextRun) {
    Start(true);
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 1; }));
    // Stop, then the next Start clears the flag while this command still runs.
    reader->RequestAbort();
    stop = true;
    stop = false;
    ASSERT_TRUE(Join());
    EXPECT_EQ(counter->Reads(), 1);
    EXPECT_EQ(Queued(), 0);
}

}  // namespace
