#pragma once

#include "TCalibration.h"
#include "TForm1.h"
#include "TForm4.h"
#include "TForm6.h"
#include "TForm8.h"
#include "TFrequencySensorFrom.h"

// The program's windows as it starts them: the main window and the windows
// it opens, attached to it. Start shows the main window at a size that fits
// the screen and runs its start-up (the instrument search, the settings).
// The main window is built first and destroyed last, so every window it
// points to is gone before it is.
class ProgramWindows {
public:
    explicit ProgramWindows(DeviceLink device);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    void Start();
    TForm1& Main() { return Form1; }

private:
    TForm1 Form1;
    TCalibration Calibration;
    TForm6 Form6;
    TForm4 Form4;
    TFrequencySensorFrom FrequencySensorFrom;
    TForm8 Form8;
};
