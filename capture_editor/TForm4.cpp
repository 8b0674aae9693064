#include "TForm4.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Screen Capture"));
    resize(1336, 610);
}
