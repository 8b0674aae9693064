#include "ReaderThreads.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "DoubleArray.h"
#include "ReaderTestSupport.h"
#include "mainthread.h"

namespace {

// A device whose vendor reads hang until released, like an instrument that
// stopped answering within its timeout.
class StuckTransport : public ScsiTransport {
public:
    ScsiResult Execute(const ScsiCommand&) override {
        std::unique_lock lock(mutex_);
        ++inside_;
        wake_.wait(lock, [this] { return released_; });
        --inside_;
        return ScsiResult{};
    }
    void Release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        wake_.notify_all();
    }
    int Inside() {
        const std::lock_guard lock(mutex_);
        return inside_;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;
    int inside_ = 0;
};

class ReaderThreadsTest : public ::testing::Test {
protected:
    std::atomic<bool> stop{false};
    std::atomic<int> rate{100000};
    std::atomic<int> frames{3072};
    DeviceHandleSlot handle;
    std::mutex lock;
    DoubleArray queue{lock, stop};
    std::shared_ptr<StuckTransport> stuck = std::make_shared<StuckTransport>();
    ReaderThreads readers;  // last: its destructor joins what is left

    void TearDown() override { stuck->Release(); }

    std::unique_ptr<mainthread> Reader() {
        return std::make_unique<mainthread>(stop, rate, frames, handle, queue);
    }
};

TEST_F(ReaderThreadsTest, ReaderStuckPastTheDeadlineIsKeptUntilItEnds) {
    handle.store(stuck);
    readers.Start(Reader());
    ASSERT_TRUE(WaitUntil([&] { return stuck->Inside() == 1; }));
    readers.AbortAll();
    EXPECT_FALSE(readers.JoinAll(QDeadlineTimer(20)));
    EXPECT_EQ(readers.Count(), 1);
    EXPECT_EQ(readers.Active(), 0) << "aborted, so a new run cannot revive it";

    // The next run starts beside it; a later join collects both.
    handle.store(nullptr);
    readers.Start(Reader());
    EXPECT_EQ(readers.Count(), 2);
    EXPECT_EQ(readers.Active(), 1);
    stuck->Release();
    readers.AbortAll();
    EXPECT_TRUE(readers.JoinAll(QDeadlineTimer(10000)));
    EXPECT_EQ(readers.Count(), 0);
}

}  // namespace
