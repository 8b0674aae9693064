#include "ProgramWindows.h"

#include <QScreen>

ProgramWindows::ProgramWindows(DeviceLink device) : Form1(std::move(device)) {
    Form1.AttachWindows(&Calibration, &Form6, &Form4, &FrequencySensorFrom, &Form8);
}

void ProgramWindows::Start() {
    // The form is laid out for a large screen; a smaller one gets all of it.
    if (const QScreen* screen = Form1.screen()) {
        Form1.resize(Form1.size().boundedTo(screen->availableGeometry().size()));
    }
    Form1.show();
    Form1.FormCreate();
}
