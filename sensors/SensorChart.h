#pragma once

#include <QColor>
#include <QString>

class TChart;

// The look of the sensor windows' charts: a black plot with light text, the
// plot area's back wall in wall.
void StyleSensorChart(TChart* chart, const QString& title, const QString& xTitle, const QString& yTitle,
                      const QColor& wall);
