#pragma once

#include <QWidget>

// The calibration window. It lives as long as the program and is shown from Help > Calibration.
class TCalibration : public QWidget {
    Q_OBJECT

public:
    explicit TCalibration(QWidget* parent = nullptr);
};
