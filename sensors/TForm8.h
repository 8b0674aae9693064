#pragma once

#include <QWidget>

// The distance sensor window, shown from Sensor > Distance Sensor.
class TForm8 : public QWidget {
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);
};
