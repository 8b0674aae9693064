#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "CalibrationFields.h"
#include "CalibrationFile.h"
#include "CalibrationLocation.h"
#include "ui_TCalibration.h"

class QKeyEvent;
class QLineEdit;

// The calibration window: two points per channel in, gain and offset of
// both channels out, kept in calibration.ini. It lives as long as the
// program, is shown from Help > Calibration and works on the main window's
// calibration fields once bound to them.
class TCalibration : public QWidget, private Ui::TCalibration {
    Q_OBJECT

public:
    explicit TCalibration(QWidget* parent = nullptr,
                          CalibrationLocations where = DefaultCalibrationLocations());

    // Binds the main window's fields and loads the calibration into them.
    void Bind(const CalibrationFields& fields);

    // Reads calibration.ini into the coefficients, the previous
    // coefficients and the stored texts, and empties the eight boxes.
    void LoadCalibration();
    // Computes both channels from the boxes and stores the calibration.
    void SetClick();
    // The boxes take digits, ".", "-", backspace and Enter. Returns true
    // when the key is swallowed.
    bool EditKeyPress(QKeyEvent* key);

    // The eight boxes in the order of the file's keys.
    std::array<QLineEdit*, 8> Edits() const;

signals:
    // "Calibration Complete!": the calibration is stored and in force.
    void Completed();
    // "Please input valid voltage!": no channel had a point; nothing stored.
    void NoValidVoltage();
    // Anything else the user must hear of: a text that is no number, a file
    // that could not be read or written.
    void Failed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ReportLoadProblem(const CalibrationLoad& load);
    float ZeroAdjust(int channel) const;
    void SetChannel(int channel, CalibrationCorrection correction);

    CalibrationLocations where_;
    std::optional<CalibrationFields> fields_;
    // Gain and offset of CH0 and CH1 as they stood after the last load: the
    // base on which Set builds.
    std::array<CalibrationCorrection, 2> previous_;
    // The last known text of each key.
    CalibrationTexts stored_;
    bool centred_ = false;
};
