#include "Myconst.h"
#include "TCalibration.h"
#include "TForm1.h"

void TForm1::AttachCalibration() {
    if (!Calibration) {
        return;
    }
    connect(Calibration, &TCalibration::Completed, this, [this] { ShowMessage(Myconst::SmsgCalib.Text()); });
    connect(Calibration, &TCalibration::NoValidVoltage, this,
            [this] { ShowMessage(Myconst::SmsgCalibInvalid.Text()); });
    connect(Calibration, &TCalibration::Failed, this, &TForm1::ShowMessage);
    Calibration->Bind(CalibrationFields{FIniFile, FCalIn1, FCalOut1, FCalIn2, FCalOut2, FCalGain0,
                                        FCalOffset0, FCalGain1, FCalOffset1, FZeroAdjust0, FZeroAdjust1});
}

void TForm1::Calibration1Click() {
    if (!Calibration) {
        return;
    }
    Calibration->show();
    Calibration->raise();
    Calibration->activateWindow();
    // The window always opens on what the file holds now.
    Calibration->LoadCalibration();
}
