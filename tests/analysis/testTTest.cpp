#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <atomic>
#include <memory>
#include <vector>

#include "DemoWave.h"
#include "testT.h"

namespace {

// Plays the window: answers every snapshot request with both channels'
// demo waves and keeps what comes back.
struct Window {
    std::atomic<bool> stop{false};
    std::vector<std::shared_ptr<const ChannelAnalysis>> results;
    int requests = 0;
    int ended = 0;
    bool onceDone = false;

    void Attach(testT& thread, bool answer) {
        QObject::connect(
            &thread, &testT::SnapshotWanted, &thread,
            [this, &thread, answer](quint64 cycle) {
                ++requests;
                if (!answer) {
                    return;
                }
                AnalysisSnapshot snapshot{.channelMask = 3, .sampleRate = 64, .decimation = 1, .samples = {}};
                for (int channel = 0; channel < 2; ++channel) {
                    for (int i = 0; i < 128; ++i) {
                        snapshot.samples[channel].push_back(DemoWaveSample(channel + 1, i, 64));
                    }
                }
                thread.Supply(cycle, std::move(snapshot));
            },
            Qt::QueuedConnection);
        QObject::connect(
            &thread, &testT::ChannelAnalysed, &thread,
            [this](const std::shared_ptr<const ChannelAnalysis>& result) { results.push_back(result); },
            Qt::QueuedConnection);
        QObject::connect(
            &thread, &testT::Ended, &thread,
            [this](bool done) {
                ++ended;
                onceDone = done;
            },
            Qt::QueuedConnection);
    }
};

constexpr int kWaitMs = 20000;

}  // namespace

TEST(testTTest, OneShotAnalysesEachEnabledChannelOnceThenRaisesTheStopFlag) {
    Window window;
    testT thread(window.stop, true);
    window.Attach(thread, true);
    thread.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.ended == 1; }, kWaitMs));
    EXPECT_TRUE(thread.wait(QDeadlineTimer(kWaitMs)));
    EXPECT_TRUE(window.stop);
    EXPECT_TRUE(window.onceDone);
    EXPECT_EQ(window.requests, 1);
    ASSERT_EQ(window.results.size(), 2u);
    EXPECT_EQ(window.results[0]->channel, 0);
    EXPECT_EQ(window.results[0]->lines[0], "F1: (7.00,  0.50)");
    EXPECT_EQ(window.results[1]->channel, 1);
    EXPECT_EQ(window.results[1]->lines[1], "F2: (20.00,  1.50)");
}

// A free-running analysis asleep between cycles (here a cycle of an hour)
// ends as soon as it is aborted, and leaves the run's flag alone.
TEST(testTTest, AbortWakesASleepingCycle) {
    Window window;
    testT thread(window.stop, false, std::chrono::hours(1));
    window.Attach(thread, true);
    thread.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.results.size() == 2; }, kWaitMs));
    thread.Abort();
    EXPECT_TRUE(thread.wait(QDeadlineTimer(kWaitMs)));
    EXPECT_FALSE(window.stop);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.ended, 1);
    EXPECT_FALSE(window.onceDone);
}

// The window may join the thread while the thread waits for the window's
// snapshot: no deadlock, no result. The run's flag ends the wait as well.
TEST(testTTest, JoinWhileWaitingForTheWindowReturns) {
    for (const bool byFlag : {false, true}) {
        Window window;
        testT thread(window.stop, false);
        window.Attach(thread, false);
        thread.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.requests == 1; }, kWaitMs));
        if (byFlag) {
            window.stop = true;
        } else {
            thread.Abort();
        }
        EXPECT_TRUE(thread.wait(QDeadlineTimer(kWaitMs)));
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.results.empty());
        EXPECT_EQ(window.ended, 1);
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
