#include "SensorChart.h"

#include <QChart>
#include <QValueAxis>

#include "TChart.h"

namespace {

const QColor kText(0xd7, 0xde, 0xe6);
const QColor kGrid(0x3a, 0x3a, 0x3a);

void StyleAxis(QValueAxis* axis, const QString& title) {
    axis->setTitleText(title);
    axis->setTitleBrush(kText);
    axis->setLabelsColor(kText);
    axis->setGridLineColor(kGrid);
    axis->setLinePenColor(kGrid.lighter(160));
}

}  // namespace

void StyleSensorChart(TChart* view, const QString& title, const QString& xTitle, const QString& yTitle,
                      const QColor& wall) {
    QChart* chart = view->chart();
    // The theme restyles the axes, so the colours below come after it.
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundBrush(Qt::black);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundBrush(wall);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->hide();
    chart->setTitle(title);
    chart->setTitleBrush(kText);
    StyleAxis(view->BottomAxis(), xTitle);
    StyleAxis(view->LeftAxis(), yTitle);
}
