#include "AxisLabelItems.h"

#include <QBrush>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>

#include "AxisTickLabels.h"
#include "PlotMapping.h"

namespace {

// Between the plot's edge and the labels, as the axis would leave it.
constexpr double kEdgeGap = 5.0;
// At least this much room between two neighbouring labels.
constexpr double kLabelGap = 8.0;

}  // namespace

AxisLabelItems::AxisLabelItems(QChart* chart, QValueAxis* axis, Qt::Orientation orientation)
    : chart_(chart), axis_(axis), orientation_(orientation) {
    TakeColour(axis->labelsColor());
    connect(axis, &QValueAxis::labelsColorChanged, this, &AxisLabelItems::TakeColour);
    connect(axis, &QValueAxis::rangeChanged, this, &AxisLabelItems::Relayout);
    connect(axis, &QValueAxis::tickIntervalChanged, this, &AxisLabelItems::Relayout);
    connect(axis, &QValueAxis::tickAnchorChanged, this, &AxisLabelItems::Relayout);
    connect(axis, &QValueAxis::labelFormatChanged, this, &AxisLabelItems::Relayout);
    connect(axis, &QValueAxis::labelsFontChanged, this, &AxisLabelItems::Relayout);
    connect(chart, &QChart::plotAreaChanged, this, &AxisLabelItems::Relayout);
    Relayout();
}

void AxisLabelItems::TakeColour(const QColor& colour) {
    if (hidingAxisLabels_) {
        return;
    }
    colour_ = colour;
    hidingAxisLabels_ = true;
    axis_->setLabelsColor(Qt::transparent);
    hidingAxisLabels_ = false;
    for (QGraphicsSimpleTextItem* item : items_) {
        item->setBrush(colour_);
    }
}

void AxisLabelItems::Relayout() {
    const QRectF plot = chart_->plotArea();
    const bool horizontal = orientation_ == Qt::Horizontal;
    const double minimum = axis_->min();
    const double maximum = axis_->max();
    const double interval = axis_->tickInterval();
    const double anchor = axis_->tickAnchor();
    const int decimals = AxisTickLabels::Decimals(interval, axis_->labelFormat() == QLatin1String("%.0f"));
    const std::vector<AxisTickLabel> lines =
        AxisTickLabels::Lines(minimum, maximum, anchor, interval, decimals);

    const QFont font = axis_->labelsFont();
    const QFontMetricsF metrics(font);
    double extent = metrics.height();
    if (horizontal) {
        extent = 0.0;
        for (const AxisTickLabel& line : lines) {
            extent = std::max(extent, metrics.horizontalAdvance(QString::fromStdString(line.text)));
        }
    }
    const double length = horizontal ? plot.width() : plot.height();
    const double span = maximum - minimum;
    const double spacing = span > 0.0 ? interval * length / span : 0.0;
    const std::vector<AxisTickLabel> labelled = AxisTickLabels::Labelled(
        lines, anchor, interval, AxisTickLabels::Stride(spacing, extent + kLabelGap));

    const PlotMapping map(plot.left(), plot.top(), plot.width(), plot.height(), minimum, maximum, minimum,
                          maximum);
    shown_ = plot.isEmpty() ? 0 : static_cast<int>(labelled.size());
    while (static_cast<int>(items_.size()) < shown_) {
        auto* item = new QGraphicsSimpleTextItem(chart_);
        item->setBrush(colour_);
        item->setZValue(1);
        items_.push_back(item);
    }
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        QGraphicsSimpleTextItem* item = items_[static_cast<std::size_t>(i)];
        if (i >= shown_) {
            item->hide();
            continue;
        }
        const AxisTickLabel& label = labelled[static_cast<std::size_t>(i)];
        item->setFont(font);
        item->setText(QString::fromStdString(label.text));
        const QRectF box = item->boundingRect();
        if (horizontal) {
            item->setPos(map.XToPosition(label.value) - box.width() / 2.0, plot.bottom() + kEdgeGap);
        } else {
            item->setPos(plot.left() - kEdgeGap - box.width(),
                         map.YToPosition(label.value) - box.height() / 2.0);
        }
        item->show();
    }
}

QStringList AxisLabelItems::Texts() const {
    QStringList texts;
    for (int i = 0; i < shown_; ++i) {
        texts.push_back(items_[static_cast<std::size_t>(i)]->text());
    }
    return texts;
}

QList<QRectF> AxisLabelItems::Rects() const {
    QList<QRectF> rects;
    for (int i = 0; i < shown_; ++i) {
        const QGraphicsSimpleTextItem* item = items_[static_cast<std::size_t>(i)];
        rects.push_back(item->mapRectToParent(item->boundingRect()));
    }
    return rects;
}
