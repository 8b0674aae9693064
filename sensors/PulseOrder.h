#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The last W samples of the pulse signal, ordered by value, largest first.
// A sample goes in front of every sample of equal or smaller value, so of
// equal values the newer comes first. Sample numbers count from 0 and are
// kept as 64-bit integers: a float stops telling neighbours apart after 2^24
// samples (three days at 64 S/s), and the oldest sample would be lost.
//
// Once W samples are held, each new one takes the place of the oldest.
class PulseOrder {
public:
    static constexpr int kNone = -1;

    explicit PulseOrder(int window);

    void Add(float value);

    int Window() const { return static_cast<int>(nodes_.size()); }
    std::int64_t Received() const { return received_; }
    bool Full() const { return received_ >= Window(); }

    // Walking the order: Head() is the largest value, Next() the one after,
    // kNone past the last.
    int Head() const { return head_; }
    int Next(int node) const { return nodes_[node].next; }
    float Value(int node) const { return nodes_[node].value; }
    std::int64_t Sample(int node) const { return nodes_[node].sample; }

    // Walking in time: the oldest sample still held, and the value of any
    // sample from there to Received() - 1; Departed() is the value of the
    // sample before the oldest, once one has been replaced.
    std::int64_t Oldest() const { return Full() ? received_ - Window() : 0; }
    std::optional<float> Departed() const { return departed_; }
    float ValueOf(std::int64_t sample) const {
        return nodes_[static_cast<std::size_t>(sample % Window())].value;
    }

private:
    struct Node {
        float value = 0.0f;
        std::int64_t sample = 0;
        int next = kNone;
        int prev = kNone;
    };

    void Unlink(int node);
    void Insert(int node);

    std::vector<Node> nodes_;
    int head_ = kNone;
    std::int64_t received_ = 0;
    std::optional<float> departed_;
};
