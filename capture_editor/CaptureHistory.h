#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <cstddef>
#include <vector>

// Undo and redo over overlay states with bounded memory. The states are
// those of two lists: the history (oldest first, the last entry the current
// state) and the redo list (the most recently undone last). A snapshot
// appends to the history and leaves the redo list as it is; Undo moves the
// history's last entry to the redo list, Redo moves it back.
//
// Taken together, history followed by the reversed redo list is one
// sequence with a cursor between the two: Undo and Redo move the cursor, a
// snapshot is inserted at it. Only the state at the cursor is kept whole;
// every neighbouring pair of the sequence is kept as the rectangle where
// the two differ, with both sides' pixels compressed.
class CaptureHistory {
public:
    // Appends overlay's state to the history.
    void Snapshot(const QImage& overlay);
    // Sets overlay to the history's last entry but one and moves the last
    // entry to the redo list. False, with overlay untouched, when the
    // history holds fewer than two entries.
    bool Undo(QImage& overlay);
    // Sets overlay to the redo list's last entry and moves it to the
    // history. False, with overlay untouched, when the redo list is empty.
    bool Redo(QImage& overlay);
    // Empties both lists.
    void Clear();

    int HistoryCount() const { return cursor_; }
    int RedoCount() const { return static_cast<int>(steps_.size()) + (cursor_ > 0 ? 1 : 0) - cursor_; }
    // Memory held by the lists as allocated, the whole current state included.
    std::size_t Bytes() const;

private:
    struct Step {
        QRect rect;         // where the two states differ; empty when equal
        QByteArray before;  // the earlier state's pixels there, compressed
        QByteArray after;   // the later state's
    };
    static Step Difference(const QImage& from, const QImage& to);
    static QByteArray Pack(const QImage& image, const QRect& rect);
    static void Unpack(QImage& image, const QRect& rect, const QByteArray& pixels);

    QImage current_;           // the state at the cursor, whole
    std::vector<Step> steps_;  // steps_[k]: from state k to state k + 1
    int cursor_ = 0;           // states in the history; the current one is cursor_ - 1
};
