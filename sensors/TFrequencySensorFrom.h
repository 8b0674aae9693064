#pragma once

#include <QWidget>

// The pulse sensor window, shown from Sensor > Pulse Sensor.
class TFrequencySensorFrom : public QWidget {
    Q_OBJECT

public:
    explicit TFrequencySensorFrom(QWidget* parent = nullptr);
};
