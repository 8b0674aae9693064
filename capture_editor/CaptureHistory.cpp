#include "CaptureHistory.h"

#include <cstring>

namespace {

// Annotations are mostly untouched white: fast compression is enough.
constexpr int kCompression = 1;

// Into the buffer already there, so a step never holds a third whole copy.
void CopyInto(QImage& to, const QImage& from) {
    if (to.size() != from.size() || to.format() != from.format() || to.isNull()) {
        to = from.copy();
        return;
    }
    std::memcpy(to.bits(), from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
}

}  // namespace

CaptureHistory::Step CaptureHistory::Difference(const QImage& from, const QImage& to) {
    const int width = from.width();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    int top = 0;
    while (top < from.height() &&
           std::memcmp(from.constScanLine(top), to.constScanLine(top), rowBytes) == 0) {
        ++top;
    }
    if (top == from.height()) {
        return {};
    }
    int bottom = from.height() - 1;
    while (std::memcmp(from.constScanLine(bottom), to.constScanLine(bottom), rowBytes) == 0) {
        --bottom;
    }
    int left = width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto* a = reinterpret_cast<const quint32*>(from.constScanLine(y));
        const auto* b = reinterpret_cast<const quint32*>(to.constScanLine(y));
        for (int x = 0; x < left; ++x) {
            if (a[x] != b[x]) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x > right; --x) {
            if (a[x] != b[x]) {
                right = x;
                break;
            }
        }
    }
    const QRect rect(QPoint(left, top), QPoint(right, bottom));
    return {rect, Pack(from, rect), Pack(to, rect)};
}

QByteArray CaptureHistory::Pack(const QImage& image, const QRect& rect) {
    QByteArray raw;
    raw.reserve(static_cast<qsizetype>(rect.width()) * rect.height() * 4);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        raw.append(reinterpret_cast<const char*>(image.constScanLine(y)) + rect.left() * 4, rect.width() * 4);
    }
    // qCompress leaves room for the uncompressed size: without the squeeze
    // every step would hold its rectangle's raw size, not the compressed.
    QByteArray packed = qCompress(raw, kCompression);
    packed.squeeze();
    return packed;
}

void CaptureHistory::Unpack(QImage& image, const QRect& rect, const QByteArray& pixels) {
    if (rect.isEmpty()) {
        return;
    }
    const QByteArray raw = qUncompress(pixels);
    const qsizetype rowBytes = static_cast<qsizetype>(rect.width()) * 4;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::memcpy(image.scanLine(y) + rect.left() * 4, raw.constData() + (y - rect.top()) * rowBytes,
                    static_cast<std::size_t>(rowBytes));
    }
}

void CaptureHistory::Snapshot(const QImage& overlay) {
    const QImage state = overlay.convertToFormat(QImage::Format_RGB32);
    if (cursor_ == 0) {
        CopyInto(current_, state);
        cursor_ = 1;
        return;
    }
    const auto at = steps_.begin() + (cursor_ - 1);
    Step toNew = Difference(current_, state);
    if (at != steps_.end()) {
        // A redo entry follows: the step from current_ to it becomes the
        // step from the new state to it.
        QImage next = current_;
        Unpack(next, at->rect, at->after);
        *at = Difference(state, next);
    }
    steps_.insert(steps_.begin() + (cursor_ - 1), std::move(toNew));
    CopyInto(current_, state);
    ++cursor_;
}

bool CaptureHistory::Undo(QImage& overlay) {
    if (cursor_ < 2) {
        return false;
    }
    const Step& step = steps_[static_cast<std::size_t>(cursor_ - 2)];
    Unpack(current_, step.rect, step.before);
    --cursor_;
    CopyInto(overlay, current_);
    return true;
}

bool CaptureHistory::Redo(QImage& overlay) {
    if (RedoCount() == 0) {
        return false;
    }
    const Step& step = steps_[static_cast<std::size_t>(cursor_ - 1)];
    Unpack(current_, step.rect, step.after);
    ++cursor_;
    CopyInto(overlay, current_);
    return true;
}

void CaptureHistory::Clear() {
    current_ = QImage();
    steps_.clear();
    cursor_ = 0;
}

std::size_t CaptureHistory::Bytes() const {
    std::size_t bytes = static_cast<std::size_t>(current_.sizeInBytes());
    for (const Step& step : steps_) {
        // What the arrays hold allocated, not their length: spare room costs too.
        bytes += sizeof(Step) + static_cast<std::size_t>(step.before.capacity() + step.after.capacity());
    }
    return bytes;
}
