#include "TForm6.h"

#include <QEvent>
#include <QScreen>

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window) {
    setupUi(this);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    // The layout still carries the older version text; replace it at once.
    Label1->setText(VersionLine());
}

QString TForm6::VersionLine() {
    return QStringLiteral("Oscilloscope/Spectrum Analyzer\tV3.03 The DAQ project.");
}

void TForm6::FormActivate() {
    Label1->setText(VersionLine());
}

void TForm6::Button1Click() {
    hide();
}

bool TForm6::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QWidget::event(event);
}

void TForm6::showEvent(QShowEvent* event) {
    // Centred on the desktop when it first opens; later the user's place stands.
    if (const QScreen* desktop = screen(); desktop != nullptr && !centred_) {
        centred_ = true;
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
}

void TForm6::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        // The version line is the program's own, in no language module.
        Label1->setText(VersionLine());
    }
    QWidget::changeEvent(event);
}
