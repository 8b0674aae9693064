#include "ReaderThreads.h"

#include <algorithm>

ReaderThreads::~ReaderThreads() {
    AbortAll();
    JoinAll(QDeadlineTimer(QDeadlineTimer::Forever));
}

void ReaderThreads::Start(std::unique_ptr<ReaderThread> reader) {
    reader->start();
    readers_.push_back(std::move(reader));
}

void ReaderThreads::AbortAll() {
    for (const std::unique_ptr<ReaderThread>& reader : readers_) {
        reader->RequestAbort();
    }
}

bool ReaderThreads::JoinAll(QDeadlineTimer deadline) {
    // Only a successful wait frees a reader: isFinished() already holds
    // while the thread is still on its way out.
    std::erase_if(readers_, [&deadline](const std::unique_ptr<ReaderThread>& reader) {
        return reader->Join(deadline);
    });
    return readers_.empty();
}

int ReaderThreads::Active() const {
    return static_cast<int>(std::count_if(readers_.begin(), readers_.end(), [](const auto& reader) {
        return !reader->AbortRequested() && !reader->isFinished();
    }));
}
