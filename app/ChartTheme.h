#pragma once

#include <QColor>
#include <QPen>
#include <QString>

class QChart;
class QLineSeries;
class QValueAxis;

// The look shared by the main window's charts: a dark plot (trace points are
// white), light text, and fixed value axes at the bottom and the left to
// which every series is attached.
class ChartTheme {
public:
    static void Apply(QChart* chart, const QString& title, const QString& xTitle, const QString& yTitle);

    // A line series named after its established component name, on the
    // chart's two axes.
    static QLineSeries* AddSeries(QChart* chart, const QString& name, const QPen& pen, bool visible);

    static QValueAxis* AxisX(QChart* chart);
    static QValueAxis* AxisY(QChart* chart);

    // Fixed range with a grid line every increment.
    static void SetRange(QValueAxis* axis, double minimum, double maximum, double increment);

    static QPen TracePen() { return QPen(Qt::white, 1.0); }
    static QPen SpectrumPen() { return QPen(QColor(0xff, 0x3b, 0x30), 1.0); }
    // Trigger level line and trigger marker: dotted blue, light enough to
    // read on the dark plot.
    static QPen OverlayPen() { return QPen(QColor(0x3d, 0x8b, 0xff), 1.5, Qt::DotLine); }
};
