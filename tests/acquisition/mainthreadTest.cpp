#include "mainthread.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <chrono>
#include <thread>

#include "CountingTransport.h"
#include "ReaderTestSupport.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class MainthreadTest : public ::testing::Test {
protected:
    std::atomic<bool> stop{false};
    std::atomic<int> rate{64};
    std::atomic<int> frames{1};
    std::atomic<std::shared_ptr<ScsiTransport>> handle;
    std::mutex lock;
    DoubleArray queue{lock, stop};
    std::shared_ptr<SimulatedInstrument> sim;
    std::shared_ptr<CountingTransport> counter;
    // Last, so it is joined before anything it reads goes.
    std::unique_ptr<mainthread> reader;

    void Attach(bool paced) {
        sim = std::make_shared<SimulatedInstrument>(SimAt(paced));
        counter = std::make_shared<CountingTransport>(sim);
        handle.store(counter);
    }

    void Start() {
        reader = std::make_unique<mainthread>(stop, rate, frames, handle, queue);
        reader->start();
    }

    bool StopAndJoin() {
        stop = true;
        return reader->wait(QDeadlineTimer(10000));
    }

    // Collects blocks from the queue, as the display would, until count have
    // arrived.
    DoubleArray::NodeList Take(int count) {
        DoubleArray::NodeList blocks;
        WaitUntil([&] {
            queue.TakeAll(blocks);
            return static_cast<int>(blocks.size()) >= count;
        });
        return blocks;
    }

    int Queued() { return queue.CountA() + queue.CountB(); }
};

TEST_F(MainthreadTest, SlowRateQueuesFourFramesPerCommandWhateverIsAsked) {
    Attach(true);
    frames = 3072;
    const auto started = Clock::now();
    Start();
    const DoubleArray::NodeList blocks = Take(3);
    const auto elapsed = Clock::now() - started;
    ASSERT_GE(blocks.size(), 3u);
    for (const auto& block : blocks) {
        EXPECT_EQ(block->length, 16);
    }
    // Four frames take a 1/64 s slot.
    EXPECT_GE(elapsed, 3 * 15ms * 0.9);
    EXPECT_TRUE(StopAndJoin());
}

struct BlockCase {
    int sampleRate;
    int framesPerRead;
    int blockBytes;
    int framesDelivered;  // per command: whole 512-byte blocks
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.framesPerRead << " frames at " << c.sampleRate << " S/s";
}

class MainthreadBlockTest : public MainthreadTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(MainthreadBlockTest, QueuesTheFramesAskedForAtTheInstrumentsPace) {
    const BlockCase& c = GetParam();
    Attach(true);
    rate = c.sampleRate;
    frames = c.framesPerRead;
    constexpr int kBlocks = 3;
    const auto started = Clock::now();
    Start();
    const DoubleArray::NodeList blocks = Take(kBlocks);
    const std::chrono::duration<double> elapsed = Clock::now() - started;
    ASSERT_GE(blocks.size(), std::size_t{kBlocks});
    for (const auto& block : blocks) {
        EXPECT_EQ(block->length, c.blockBytes);
    }
    EXPECT_GE(elapsed.count(), kBlocks * c.framesDelivered / double(c.sampleRate) * 0.9);
    EXPECT_TRUE(StopAndJoin());
}

INSTANTIATE_TEST_SUITE_P(Rates, MainthreadBlockTest,
                         ::testing::Values(BlockCase{100000, 3072, 12288, 3072},
                                           BlockCase{6250, 1664, 6656, 1664},
                                           BlockCase{25000, 200, 512, 128}));

TEST_F(MainthreadTest, SendsNothingWithoutAReadItCanAskFor) {
    Attach(false);
    const std::pair<int, int> settings[] = {{6250, 0}, {6250, -3}, {6250, 100}, {7000, 3072}};
    rate = settings[0].first;
    frames = settings[0].second;
    Start();
    for (const auto& [sampleRate, framesPerRead] : settings) {
        rate = sampleRate;
        frames = framesPerRead;
        std::this_thread::sleep_for(60ms);
        EXPECT_EQ(counter->Reads(), 0) << framesPerRead << " frames at " << sampleRate;
    }
    EXPECT_EQ(Queued(), 0);
    // Reading resumes as soon as the value changes.
    frames = 3072;
    rate = 6250;
    EXPECT_EQ(Take(1).size(), 1u);
    EXPECT_TRUE(StopAndJoin());
}

TEST_F(MainthreadTest, FailedAndEmptyReadsQueueNothingAndPause) {
    Attach(false);
    rate = 6250;
    frames = 3072;
    // Read 0 succeeds and fills the buffer; reads 1-3 fail and 4-6 bring
    // all-zero frames; 7 and 8 succeed. The reader is ended during read 9,
    // without the stop flag, so the queue keeps its blocks.
    counter->beforeRead = [this](int n) {
        if (n == 1) {
            sim->FailNextCommands(3);
        } else if (n == 4) {
            sim->ZeroNextVendorReads(3);
        } else if (n == 9) {
            reader->RequestAbort();
        }
    };
    const auto started = Clock::now();
    Start();
    ASSERT_TRUE(reader->wait(QDeadlineTimer(20000)));
    const auto elapsed = Clock::now() - started;

    const int reads = counter->Reads();
    EXPECT_EQ(reads, 10);
    DoubleArray::NodeList blocks;
    queue.TakeAll(blocks);
    EXPECT_EQ(blocks.size(), 3u);
    for (const auto& block : blocks) {
        EXPECT_EQ(block->length, 12288);
        EXPECT_NE(block->data[0] | block->data[1] | block->data[2] | block->data[3], 0);
    }
    // Every pass pauses, failures included: no spinning on a silent device.
    EXPECT_GE(elapsed, (reads - 1) * ReaderThread::kPassPause);
}

TEST_F(MainthreadTest, UnplugEndsTheCommandAndReadingWaitsForANewHandle) {
    Attach(true);
    rate = 6250;
    frames = 3072;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 1; }));
    sim->Unplug();
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 0; }));
    const int reads = counter->Reads();

    // The same handle stays silent even once the device answers again.
    sim->Replug();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(counter->Reads(), reads);
    EXPECT_EQ(Queued(), 0);

    // Detection puts a new handle in place: reading resumes on it.
    auto other = std::make_shared<SimulatedInstrument>(SimAt(false));
    handle.store(other);
    EXPECT_EQ(Take(1).size(), 1u);
    EXPECT_TRUE(StopAndJoin());
}

TEST_F(MainthreadTest, StopEndsTheReaderAndEmptiesTheQueue) {
    Attach(false);
    rate = 100000;
    frames = 3072;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return queue.CountA() >= 2; }));
    EXPECT_TRUE(StopAndJoin());
    stop = false;
    EXPECT_EQ(Queued(), 0);
}

TEST_F(MainthreadTest, StopDuringAPacedCommandEndsTheReader) {
    Attach(true);
    rate = 6250;
    frames = 3072;  // half a second per command
    Start();
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 1; }));
    EXPECT_TRUE(StopAndJoin());
    EXPECT_EQ(counter->Reads(), 1);
}

TEST_F(MainthreadTest, StopEndsAReaderThatHasNoDevice) {
    frames = 3072;
    Start();
    std::this_thread::sleep_for(30ms);
    EXPECT_TRUE(StopAndJoin());
}

TEST_F(MainthreadTest, AbortedReaderIsNotRevivedByTheNextRun) {
    Attach(true);
    rate = 6250;
    frames = 3072;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return sim->WaitingCommands() == 1; }));
    // Stop, then the next Start clears the flag while this command still runs.
    reader->RequestAbort();
    stop = true;
    stop = false;
    ASSERT_TRUE(reader->wait(QDeadlineTimer(10000)));
    EXPECT_EQ(counter->Reads(), 1);
    EXPECT_EQ(Queued(), 0);
}

TEST_F(MainthreadTest, ReaderLeftBehindKeepsTheNewRunsBlocks) {
    Attach(false);
    rate = 100000;
    frames = 3072;
    Start();
    ASSERT_TRUE(WaitUntil([&] { return queue.CountA() >= 1; }));
    reader->RequestAbort();
    ASSERT_TRUE(reader->wait(QDeadlineTimer(10000)));
    EXPECT_GE(Queued(), 1);
}

}  // namespace
