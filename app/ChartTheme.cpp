#include "ChartTheme.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace {

const QColor kPlot(0x0b, 0x0f, 0x14);
const QColor kGrid(0x2a, 0x33, 0x3d);
const QColor kMinorGrid(0x1a, 0x21, 0x29);
const QColor kText(0xd7, 0xde, 0xe6);

QValueAxis* MakeAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(kText);
    axis->setLabelsColor(kText);
    axis->setLinePenColor(kGrid.lighter(140));
    axis->setGridLineColor(kGrid);
    axis->setMinorGridLineColor(kMinorGrid);
    QFont font = axis->labelsFont();
    font.setPixelSize(11);
    axis->setLabelsFont(font);
    font.setBold(true);
    axis->setTitleFont(font);
    axis->setTickType(QValueAxis::TicksDynamic);
    return axis;
}

QValueAxis* AxisAt(QChart* chart, Qt::Alignment alignment) {
    const QList<QAbstractAxis*> axes =
        chart->axes(alignment == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

}  // namespace

void ChartTheme::Apply(QChart* chart, const QString& title, const QString& xTitle, const QString& yTitle) {
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundBrush(kPlot);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setMargins(QMargins(4, 4, 8, 4));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);  // the display pushes many ticks a second
    chart->setTitle(title);
    chart->setTitleBrush(kText);
    QFont font = chart->titleFont();
    font.setPixelSize(13);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->addAxis(MakeAxis(xTitle), Qt::AlignBottom);
    chart->addAxis(MakeAxis(yTitle), Qt::AlignLeft);
}

QLineSeries* ChartTheme::AddSeries(QChart* chart, const QString& name, const QPen& pen, bool visible) {
    auto* series = new QLineSeries;
    series->setObjectName(name);
    series->setName(name);
    chart->addSeries(series);
    series->attachAxis(AxisX(chart));
    series->attachAxis(AxisY(chart));
    series->setPen(pen);
    series->setVisible(visible);
    return series;
}

QValueAxis* ChartTheme::AxisX(QChart* chart) {
    return AxisAt(chart, Qt::AlignBottom);
}

QValueAxis* ChartTheme::AxisY(QChart* chart) {
    return AxisAt(chart, Qt::AlignLeft);
}

void ChartTheme::SetRange(QValueAxis* axis, double minimum, double maximum, double increment) {
    axis->setRange(minimum, maximum);
    axis->setTickAnchor(minimum);
    axis->setTickInterval(increment);
}
