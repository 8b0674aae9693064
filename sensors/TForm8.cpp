#include "TForm8.h"

TForm8::TForm8(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Distance Sensor"));
    resize(560, 380);
}
