#include "SeriesModel.h"

#include <utility>

void SeriesModel::Clear() {
    // Clearing an empty series is common (handlers clear before they draw)
    // and must not cost a redraw.
    if (x_.Empty() && y_.Empty()) {
        return;
    }
    x_.Clear();
    y_.Clear();
    colours_.Clear();
    PointsChanged();
}

int SeriesModel::YCount() const {
    return static_cast<int>(y_.Size());
}

double SeriesModel::XValue(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < x_.Size() ? x_[static_cast<std::size_t>(index)]
                                                                     : 0.0;
}

double SeriesModel::YValue(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < y_.Size() ? y_[static_cast<std::size_t>(index)]
                                                                     : 0.0;
}

std::uint32_t SeriesModel::Colour(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < colours_.Size()
               ? colours_[static_cast<std::size_t>(index)]
               : kWhite;
}

int SeriesModel::PairCount() const {
    return static_cast<int>(x_.Size() < y_.Size() ? x_.Size() : y_.Size());
}

bool SeriesModel::Visible() const {
    return visible_;
}

void SeriesModel::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        Changed();
    }
}

bool SeriesModel::Dotted() const {
    return dotted_;
}

void SeriesModel::SetDotted(bool dotted) {
    if (dotted != dotted_) {
        dotted_ = dotted;
        Changed();
    }
}

std::uint64_t SeriesModel::Version() const {
    return version_;
}

std::uint64_t SeriesModel::PointsVersion() const {
    return pointsVersion_;
}

void SeriesModel::Reserve(int capacity) {
    if (capacity > 0) {
        const auto n = static_cast<std::size_t>(capacity);
        x_.Reserve(n);
        y_.Reserve(n);
        colours_.Reserve(n);
    }
}

void SeriesModel::SetChangeHandler(std::function<void()> handler) {
    changeHandler_ = std::move(handler);
    announced_ = false;
}

void SeriesModel::Acknowledge() {
    announced_ = false;
}
