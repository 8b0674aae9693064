#include "DoubleArray.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

namespace {

class DoubleArrayTest : public ::testing::Test {
protected:
    std::mutex lock;
    std::atomic<bool> stop{false};
    DoubleArray queue{lock, stop};

    // Pushes a block whose bytes all hold tag, length bytes long.
    int PushTagged(std::uint8_t tag, int length = 16) {
        std::vector<std::uint8_t> block(static_cast<std::size_t>(length), tag);
        return queue.Push(block.data(), length);
    }

    static std::vector<int> Tags(const DoubleArray::NodeList& nodes) {
        std::vector<int> tags;
        for (const auto& node : nodes) {
            tags.push_back(node->length > 0 ? node->data[0] : -1);
        }
        return tags;
    }
};

TEST_F(DoubleArrayTest, TakeAllOnEmptyQueueReturnsZeroAndKeepsSide) {
    DoubleArray::NodeList nodes;
    EXPECT_EQ(queue.TakeAll(nodes), 0);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(queue.ProducerSide(), 0);
}

TEST_F(DoubleArrayTest, SidesAlternateAndBlocksArriveInPushOrder) {
    DoubleArray::NodeList nodes;
    for (std::uint8_t tag : {1, 2, 3}) {
        ASSERT_EQ(PushTagged(tag), 1);
    }
    EXPECT_EQ(queue.CountA(), 3);
    EXPECT_EQ(queue.TakeAll(nodes), 3);
    EXPECT_EQ(queue.ProducerSide(), 1);
    EXPECT_EQ(queue.CountA(), 0);

    PushTagged(4);
    PushTagged(5);
    EXPECT_EQ(queue.CountB(), 2);
    EXPECT_EQ(queue.TakeAll(nodes), 2);
    EXPECT_EQ(queue.ProducerSide(), 0);
    EXPECT_EQ(Tags(nodes), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(DoubleArrayTest, BlocksAreCopiedOnTheWayIn) {
    std::uint8_t buffer[8] = {9, 8, 7, 6, 5, 4, 3, 2};
    queue.Push(buffer, 8);
    std::memset(buffer, 0, sizeof buffer);  // the reader reuses its buffer at once
    DoubleArray::NodeList nodes;
    ASSERT_EQ(queue.TakeAll(nodes), 1);
    EXPECT_EQ(nodes.front()->length, 8);
    EXPECT_EQ(nodes.front()->data[0], 9);
    EXPECT_EQ(nodes.front()->data[7], 2);
}

TEST_F(DoubleArrayTest, StopFlagRefusesPushAndTakeButKeepsQueuedBlocks) {
    PushTagged(1);
    stop = true;
    EXPECT_EQ(PushTagged(2), 0);
    DoubleArray::NodeList nodes;
    EXPECT_EQ(queue.TakeAll(nodes), 0);
    EXPECT_EQ(queue.CountA(), 1);

    stop = false;  // the next run takes what was left before its first Clear
    EXPECT_EQ(queue.TakeAll(nodes), 1);
    EXPECT_EQ(Tags(nodes), (std::vector<int>{1}));
}

TEST_F(DoubleArrayTest, ClearWithBlocksInListAOnlyMovesProducerToB) {
    PushTagged(1);
    PushTagged(2);
    queue.Clear();
    EXPECT_EQ(queue.CountA(), 0);
    EXPECT_EQ(queue.ProducerSide(), 1);

    PushTagged(3);  // now appended to list B
    EXPECT_EQ(queue.CountB(), 1);
    queue.Clear();
    EXPECT_EQ(queue.CountB(), 0);
    EXPECT_EQ(queue.ProducerSide(), 1);
}

TEST_F(DoubleArrayTest, EmptyBlockIsDroppedWithoutLosingTheBlocksBehindIt) {
    PushTagged(1);
    EXPECT_EQ(queue.Push(nullptr, 0), 1);
    PushTagged(3);
    DoubleArray::NodeList nodes;
    EXPECT_EQ(queue.TakeAll(nodes), 2);
    EXPECT_EQ(Tags(nodes), (std::vector<int>{1, 3}));
    EXPECT_EQ(queue.CountA(), 0);
}

// The reader pushes while the display takes: every block arrives exactly
// once and in order, whatever the interleaving.
TEST_F(DoubleArrayTest, ProducerAndConsumerKeepEveryBlockInOrder) {
    constexpr int kBlocks = 20000;
    std::thread producer([this] {
        for (int i = 0; i < kBlocks; ++i) {
            std::uint8_t block[8];
            std::memcpy(block, &i, sizeof i);
            std::memcpy(block + 4, &i, sizeof i);
            queue.Push(block, static_cast<int>(sizeof block));
        }
    });
    std::vector<int> seen;
    seen.reserve(kBlocks);
    while (static_cast<int>(seen.size()) < kBlocks) {
        DoubleArray::NodeList nodes;
        queue.TakeAll(nodes);
        for (const auto& node : nodes) {
            ASSERT_EQ(node->length, 8);
            int first = 0;
            int second = 0;
            std::memcpy(&first, node->data.get(), sizeof first);
            std::memcpy(&second, node->data.get() + 4, sizeof second);
            ASSERT_EQ(first, second);
            seen.push_back(first);
        }
        if (nodes.empty()) {
            std::this_thread::yield();
        }
    }
    producer.join();
    for (int i = 0; i < kBlocks; ++i) {
        ASSERT_EQ(seen[static_cast<std::size_t>(i)], i);
    }
    DoubleArray::NodeList rest;
    EXPECT_EQ(queue.TakeAll(rest), 0);
}

}  // namespace
