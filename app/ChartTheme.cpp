#include "ChartTheme.h"

#include <QChart>
#include <QValueAxis>

#include "TChart.h"

namespace {

const QColor kPlot(0x0b, 0x0f, 0x14);
const QColor kGrid(0x2a, 0x33, 0x3d);
const QColor kMinorGrid(0x1a, 0x21, 0x29);
const QColor kText(0xd7, 0xde, 0xe6);

void StyleAxis(QValueAxis* axis, const QString& title) {
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
}

}  // namespace

void ChartTheme::Apply(TChart* view, const QString& title, const QString& xTitle, const QString& yTitle) {
    QChart* chart = view->chart();
    // The dark theme first: setting a theme restyles the axes, so the
    // colours below must come after it.
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundBrush(kPlot);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setMargins(QMargins(4, 4, 8, 4));
    chart->legend()->hide();
    chart->setTitle(title);
    chart->setTitleBrush(kText);
    QFont font = chart->titleFont();
    font.setPixelSize(13);
    font.setBold(true);
    chart->setTitleFont(font);
    StyleAxis(view->BottomAxis(), xTitle);
    StyleAxis(view->LeftAxis(), yTitle);
}
