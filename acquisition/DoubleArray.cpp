#include "DoubleArray.h"

#include <cstring>

DoubleArray::DoubleArray(std::mutex& lock, const std::atomic<bool>& stopRequested)
    : FLock(lock), FStopRequested(stopRequested) {}

DoubleArray::~DoubleArray() {
    FreeList(listA_);
    FreeList(listB_);
}

int DoubleArray::Push(const std::uint8_t* bytes, int length) {
    if (FStopRequested.load()) {
        return 0;
    }
    if (length < 0 || (length > 0 && bytes == nullptr)) {
        length = 0;
    }
    // Copy outside the lock: the consumer never waits for a memcpy.
    auto node = std::make_unique<NODE>();
    node->data = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(length));
    if (length > 0) {
        std::memcpy(node->data.get(), bytes, static_cast<std::size_t>(length));
    }
    node->length = length;

    std::lock_guard<std::mutex> guard(FLock);
    if (FStopRequested.load()) {
        return 0;
    }
    List& list = producerSide_ == 0 ? listA_ : listB_;
    NODE* raw = node.release();
    if (list.head == nullptr) {
        list.head = list.tail = raw;
        list.count = 0;
    } else {
        list.tail->next = raw;
        list.tail = raw;
    }
    ++list.count;
    return 1;
}

int DoubleArray::TakeAll(NodeList& consumer) {
    std::lock_guard<std::mutex> guard(FLock);
    if (FStopRequested.load()) {
        return 0;
    }
    List& list = producerSide_ == 0 ? listA_ : listB_;
    if (list.head == nullptr) {
        return 0;
    }
    producerSide_ = 1 - producerSide_;
    return TakeList(list, consumer);
}

int DoubleArray::TakeList(List& list, NodeList& consumer) {
    int taken = 0;
    NODE* node = list.head;
    while (node != nullptr) {
        NODE* next = node->next;
        std::unique_ptr<NODE> owned(node);
        owned->next = nullptr;
        // A stop raised during the walk discards the rest of the run's data;
        // an empty block carries nothing and must not cost the blocks behind it.
        if (!FStopRequested.load() && owned->length > 0) {
            consumer.push_back(std::move(owned));
            ++taken;
        }
        node = next;
    }
    list = List{};
    return taken;
}

void DoubleArray::Clear() {
    std::lock_guard<std::mutex> guard(FLock);
    if (listA_.head != nullptr) {
        producerSide_ = 1;
        FreeList(listA_);
    }
    if (listB_.head != nullptr) {
        FreeList(listB_);
    }
}

void DoubleArray::FreeList(List& list) {
    NODE* node = list.head;
    while (node != nullptr) {
        NODE* next = node->next;
        delete node;
        node = next;
    }
    list = List{};
}

int DoubleArray::CountA() const {
    std::lock_guard<std::mutex> guard(FLock);
    return listA_.count;
}

int DoubleArray::CountB() const {
    std::lock_guard<std::mutex> guard(FLock);
    return listB_.count;
}

int DoubleArray::ProducerSide() const {
    std::lock_guard<std::mutex> guard(FLock);
    return producerSide_;
}
