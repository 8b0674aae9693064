#include "TCalibration.h"

TCalibration::TCalibration(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Calibration"));
    setWindowTitle(tr("Calibration"));
    resize(420, 300);
}
