#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QStringList>

#include <vector>

class QChart;
class QGraphicsSimpleTextItem;
class QValueAxis;

// The labels of one value axis of a chart, drawn by the chart's own text
// items instead of the axis: the axis keeps its grid and reserves the
// labels' room (its own labels are drawn transparent), and these read as
// AxisTickLabels says, spaced so that they never run into each other.
// They follow every change of range, grid, font, colour and plot area.
class AxisLabelItems : public QObject {
public:
    // The text items belong to the chart; this object must be deleted
    // before the chart goes.
    AxisLabelItems(QChart* chart, QValueAxis* axis, Qt::Orientation orientation);

    // What is shown, in order along the axis, and where (chart coordinates).
    QStringList Texts() const;
    QList<QRectF> Rects() const;

private:
    void Relayout();
    void TakeColour(const QColor& colour);

    QChart* chart_;
    QValueAxis* axis_;
    Qt::Orientation orientation_;
    QColor colour_;
    bool hidingAxisLabels_ = false;
    std::vector<QGraphicsSimpleTextItem*> items_;  // owned by the chart
    int shown_ = 0;
};
