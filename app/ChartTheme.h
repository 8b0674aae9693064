#pragma once

#include <QColor>
#include <QPen>
#include <QString>

class TChart;

// The look shared by the main window's charts: a dark plot (trace points are
// white), light text, and the chart's bottom and left value axes styled to
// match.
class ChartTheme {
public:
    static void Apply(TChart* chart, const QString& title, const QString& xTitle, const QString& yTitle);

    static QPen TracePen() { return QPen(Qt::white, 1.0); }
    static QPen SpectrumPen() { return QPen(QColor(0xff, 0x3b, 0x30), 1.0); }
    // Trigger level line and trigger marker: dotted blue, light enough to
    // read on the dark plot.
    static QPen OverlayPen() { return QPen(QColor(0x3d, 0x8b, 0xff), 1.5, Qt::DotLine); }
};
