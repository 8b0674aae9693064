#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// A double-ended list of values on a power-of-two ring: append, remove at
// either end and index in O(1), growing by doubling. The series models roll
// their lists once per plotted sample, so neither end may cost a shift.
template <typename T>
class RingBuffer {
public:
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }

    // index < Size().
    const T& operator[](std::size_t index) const { return items_[(head_ + index) & mask_]; }
    T& operator[](std::size_t index) { return items_[(head_ + index) & mask_]; }

    void PushBack(T value) {
        if (size_ == items_.size()) {
            Grow();
        }
        items_[(head_ + size_) & mask_] = std::move(value);
        ++size_;
    }

    // Both require a non-empty list.
    void PopFront() {
        head_ = (head_ + 1) & mask_;
        --size_;
    }
    void PopBack() { --size_; }

    // Removes entry index < Size(), moving the shorter side over the gap.
    void Erase(std::size_t index) {
        if (index < size_ / 2) {
            for (std::size_t i = index; i > 0; --i) {
                (*this)[i] = std::move((*this)[i - 1]);
            }
            PopFront();
        } else {
            for (std::size_t i = index; i + 1 < size_; ++i) {
                (*this)[i] = std::move((*this)[i + 1]);
            }
            PopBack();
        }
    }

    // Keeps the storage, so a cleared series refills without allocating.
    void Clear() {
        head_ = 0;
        size_ = 0;
    }

    void Reserve(std::size_t capacity) {
        while (items_.size() < capacity) {
            Grow();
        }
    }

private:
    void Grow() {
        const std::size_t capacity = items_.empty() ? 16 : items_.size() * 2;
        std::vector<T> grown(capacity);
        for (std::size_t i = 0; i < size_; ++i) {
            grown[i] = std::move((*this)[i]);
        }
        items_ = std::move(grown);
        head_ = 0;
        mask_ = capacity - 1;
    }

    std::vector<T> items_;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
    std::size_t mask_ = 0;
};
