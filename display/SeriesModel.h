#pragma once

#include <cstdint>
#include <functional>

#include "RingBuffer.h"

// The points of one chart series, held by the program rather than by the
// charting widget so that the display's per-sample operations stay O(1):
// two value lists X and Y (they may differ in length by one while a roll is
// under way), a colour per point, visibility and a dotted pen. The owning
// chart pushes the model to the screen at most once per display tick.
//
// The roll of a full screen is DeleteFirstY(), Delete(Count() - 1),
// AddXY(lastX, y): the X positions stay put and the Y values move one point
// left, each step O(1).
//
// User-interface thread only, like the chart that shows it: a worker that
// needs the values gets a copy taken on that thread (an append may move the
// storage under a concurrent reader).
class SeriesModel {
public:
    static constexpr std::uint32_t kWhite = 0xFFFFFF;  // 0xRRGGBB

    void Clear();
    // Appends (x, y) as the last point.
    void AddXY(double x, double y, std::uint32_t colour = kWhite);
    // Removes the first Y value alone: later Y values move one point left
    // while the X values stay. Nothing happens when the Y list is empty.
    void DeleteFirstY();
    // Removes point index: its X value and colour, and the Y value at the
    // same index if the Y list reaches that far (after DeleteFirstY() it is
    // one shorter, and deleting the last point realigns the lists). An index
    // outside the X list removes nothing. O(1) at either end.
    void Delete(int index);

    // Number of points: the length of the X list.
    int Count() const;
    int YCount() const;
    // Values as last stored. An index outside its list (negative, or past
    // the end, such as the last X index while the Y list is one shorter)
    // reads 0.0 and colour kWhite; nothing is read out of bounds.
    double XValue(int index) const;
    double YValue(int index) const;
    std::uint32_t Colour(int index) const;
    // Points that have both an X and a Y value: what the chart draws.
    int PairCount() const;

    bool Visible() const;
    void SetVisible(bool visible);
    bool Dotted() const;
    void SetDotted(bool dotted);

    // Changes whenever anything above changes, so the chart pushes only
    // what changed. PointsVersion() changes with the values only.
    std::uint64_t Version() const;
    std::uint64_t PointsVersion() const;

    // Keeps room for capacity points, so a screen fills without allocating.
    void Reserve(int capacity);

    // Called on the first change after the last Acknowledge(): the owning
    // chart schedules one push per burst of changes, not one per point.
    void SetChangeHandler(std::function<void()> handler);
    void Acknowledge();

private:
    void PointsChanged();
    void Changed();

    RingBuffer<double> x_;
    RingBuffer<double> y_;
    RingBuffer<std::uint32_t> colours_;  // parallel to x_
    bool visible_ = true;
    bool dotted_ = false;
    std::uint64_t version_ = 0;
    std::uint64_t pointsVersion_ = 0;
    std::function<void()> changeHandler_;
    bool announced_ = false;
};

// The operations of a roll run once per plotted sample on two traces, so
// they are inline.
inline void SeriesModel::AddXY(double x, double y, std::uint32_t colour) {
    x_.PushBack(x);
    y_.PushBack(y);
    colours_.PushBack(colour);
    PointsChanged();
}

inline void SeriesModel::DeleteFirstY() {
    if (y_.Empty()) {
        return;
    }
    y_.PopFront();
    PointsChanged();
}

inline void SeriesModel::Delete(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= x_.Size()) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    x_.Erase(at);
    colours_.Erase(at);
    if (at < y_.Size()) {
        y_.Erase(at);
    }
    PointsChanged();
}

inline int SeriesModel::Count() const {
    return static_cast<int>(x_.Size());
}

inline void SeriesModel::PointsChanged() {
    ++pointsVersion_;
    Changed();
}

inline void SeriesModel::Changed() {
    ++version_;
    if (!announced_ && changeHandler_) {
        announced_ = true;
        changeHandler_();
    }
}
