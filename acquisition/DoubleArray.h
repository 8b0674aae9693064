#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>

// The hand-over queue between the reader thread and the display timers.
//
// Two singly linked lists: the reader appends to one (the producer side)
// while the display takes the other away whole and switches sides. Blocks are
// copied in, so the reader may reuse its buffer at once, and handed out as
// nodes the consumer owns, so the two never share memory.
//
// Every operation runs while holding the lock given at construction (the
// main window's FLock). While the stop flag is raised, Push and TakeAll do
// nothing and return 0.
class DoubleArray {
public:
    struct NODE {
        std::unique_ptr<std::uint8_t[]> data;  // length bytes
        int length = 0;
        NODE* next = nullptr;  // next node of the same list; unused once handed out
    };
    using NodeList = std::list<std::unique_ptr<NODE>>;

    DoubleArray(std::mutex& lock, const std::atomic<bool>& stopRequested);
    ~DoubleArray();
    DoubleArray(const DoubleArray&) = delete;
    DoubleArray& operator=(const DoubleArray&) = delete;

    // Appends a copy of length bytes. Returns 1 when queued, 0 when refused
    // because the stop flag is set.
    int Push(const std::uint8_t* bytes, int length);

    // Moves every block of the producer's current list to the end of
    // consumer, in push order, and makes the other list the producer's.
    // Empty blocks are dropped on the way. Returns the number of blocks
    // appended.
    int TakeAll(NodeList& consumer);

    // Frees every queued block of both lists.
    void Clear();

    // Observers, each taken under the lock.
    int CountA() const;
    int CountB() const;
    int ProducerSide() const;

private:
    struct List {
        NODE* head = nullptr;
        NODE* tail = nullptr;
        int count = 0;
    };
    static void FreeList(List& list);
    int TakeList(List& list, NodeList& consumer);

    std::mutex& FLock;
    const std::atomic<bool>& FStopRequested;
    List listA_;
    List listB_;
    int producerSide_ = 0;  // 0: Push appends to list A; 1: to list B
};
