#include "PulseOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>

PulseOrder::PulseOrder(int window) : nodes_(static_cast<std::size_t>(std::max(window, 1))) {}

void PulseOrder::Add(float value) {
    // Sample n lives in node n mod W, so the oldest sample's node is found
    // without a search; the node is the one the new sample replaces.
    const int node = static_cast<int>(received_ % Window());
    if (Full()) {
        departed_ = nodes_[node].value;
        Unlink(node);
    }
    // No number orders below every number: it can never be taken for a beat.
    nodes_[node].value = std::isnan(value) ? -std::numeric_limits<float>::infinity() : value;
    nodes_[node].sample = received_;
    Insert(node);
    ++received_;
}

void PulseOrder::Unlink(int node) {
    Node& n = nodes_[node];
    (n.prev == kNone ? head_ : nodes_[n.prev].next) = n.next;
    if (n.next != kNone) {
        nodes_[n.next].prev = n.prev;
    }
    n.next = n.prev = kNone;
}

void PulseOrder::Insert(int node) {
    const float value = nodes_[node].value;
    int prev = kNone;
    int at = head_;
    while (at != kNone && nodes_[at].value > value) {
        prev = at;
        at = nodes_[at].next;
    }
    Node& n = nodes_[node];
    n.prev = prev;
    n.next = at;
    (prev == kNone ? head_ : nodes_[prev].next) = node;
    if (at != kNone) {
        nodes_[at].prev = node;
    }
}
