#pragma once

#include <QDeadlineTimer>

#include <memory>
#include <vector>

#include "ReaderThread.h"

// The window's readers, started and stopped in one place. Stopping aborts
// every reader; joining waits for them up to a deadline and frees those that
// ended. A reader still inside a command when the deadline passes stays
// listed (aborted, so it cannot run on) and is joined later, at the latest
// when the roster is destroyed: no reader is ever freed while it runs.
// Used from one thread, the window's.
class ReaderThreads {
public:
    ReaderThreads() = default;
    ~ReaderThreads();
    ReaderThreads(const ReaderThreads&) = delete;
    ReaderThreads& operator=(const ReaderThreads&) = delete;

    // Starts reader and keeps it.
    void Start(std::unique_ptr<ReaderThread> reader);
    // Asks every reader to end; returns at once.
    void AbortAll();
    // Waits until every reader ended or the deadline passed, frees the ended
    // ones and returns whether none is left.
    bool JoinAll(QDeadlineTimer deadline);

    // Readers kept: running, or ended and not yet joined.
    int Count() const { return static_cast<int>(readers_.size()); }
    // Readers kept that have not been asked to end.
    int Active() const;

private:
    std::vector<std::unique_ptr<ReaderThread>> readers_;
};
