#include "TFrequencySensorFrom.h"

TFrequencySensorFrom::TFrequencySensorFrom(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FrequencySensorFrom"));
    setWindowTitle(tr("Pulse Sensor"));
    resize(560, 380);
}
