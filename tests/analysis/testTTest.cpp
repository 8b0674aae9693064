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

constexpr int kWaitMs = 20000;

// Plays the window for a thread: answers its snapshot requests (when
// answering) with demo waves 1 and 2 on CH0 and CH1, and keeps its results.
struct Window {
    std::atomic<bool> stop{false};
    std::vector<std::shared_ptr<const ChannelAnalysis>> results;
    int requests = 0;
    int ended = 0;
    bool onceDone = false;

    void Attach(testT& thread, bool answering) {
        QObject::connect(&thread, &testT::SnapshotWanted, &thread, [this, &thread, answering](quint64 cycle) {
            ++requests;
            AnalysisSnapshot snapshot{.channelMask = 3, .sampleRate = 64, .decimation = 1, .samples = {}};
            for (int i = 0; i < 128; ++i) {
                snapshot.samples[0].push_back(DemoWaveSample(1, i, 64));
                snapshot.samples[1].push_back(DemoWaveSample(2, i, 64));
            }
            if (answering) {
                thread.Supply(cycle, std::move(snapshot));
            }
        });
        QObject::connect(&thread, &testT::ChannelAnalysed, &thread,
                         [this](const std::shared_ptr<const ChannelAnalysis>& r) { results.push_back(r); });
        QObject::connect(&thread, &testT::Ended, &thread, [this](bool done) {
            ++ended;
            onceDone = done;
        });
    }
};

}  // namespace

TEST(testTTest, OneShotAnalysesEachEnabledChannelOnceThenRaisesTheStopFlag) {
    Window window;
    testT thread(window.stop, true);
    window.Attach(thread, true);
    thread.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.ended == 1; }, kWaitMs));
    EXPECT_TRUE(window.stop && window.onceDone);
    EXPECT_EQ(window.requests, 1);
    ASSERT_EQ(window.results.size(), 2u);
    EXPECT_EQ(window.results[0]->channel, 0);
    EXPECT_EQ(window.results[0]->lines[0], "F1: (7.00,  0.50)");
    EXPECT_EQ(window.results[1]->channel, 1);
    EXPECT_EQ(window.results[1]->lines[1], "F2: (20.00,  1.50)");
}

// Joining never waits on the window: not while the thread sleeps between
// cycles (here a cycle of an hour), nor while it waits for a snapshot the
// window does not send; the run's flag ends such a wait as well. Only the
// one-shot cycle raises the run's flag.
TEST(testTTest, AbortOrTheRunsFlagEndsEveryWaitAtOnce) {
    struct Case {
        bool answering;
        bool byFlag;
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{false, true}}) {
        Window window;
        testT thread(window.stop, false, std::chrono::hours(1));
        window.Attach(thread, c.answering);
        thread.start();
        const std::size_t expected = c.answering ? 2 : 0;
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.requests == 1 && window.results.size() == expected; },
                                    kWaitMs));
        if (c.byFlag) {
            window.stop = true;
        } else {
            thread.Abort();
        }
        EXPECT_TRUE(thread.wait(QDeadlineTimer(kWaitMs)));
        QCoreApplication::processEvents();
        EXPECT_EQ(window.stop, c.byFlag);
        EXPECT_EQ(window.results.size(), expected);
        EXPECT_EQ(window.ended, 1);
        EXPECT_FALSE(window.onceDone);
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
