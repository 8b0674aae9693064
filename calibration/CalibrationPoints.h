#pragma once

#include <optional>
#include <string>
#include <string_view>

// A channel's linear correction: corrected = gain * value + offset. A gain
// of 0 switches the correction off for the channel.
struct CalibrationCorrection {
    float gain = 1.0f;
    float offset = 0.0f;

    friend bool operator==(const CalibrationCorrection&, const CalibrationCorrection&) = default;
};

// One channel's two points: the true voltage (In) and the voltage the
// instrument showed (Out) of point 1 and point 2. An empty text is absent.
struct CalibrationPoints {
    std::optional<float> in1;
    std::optional<float> out1;
    std::optional<float> in2;
    std::optional<float> out2;
};

struct PointRuleResult {
    CalibrationCorrection correction;
    // False when neither point is complete: the channel was not entered and
    // gets the identity.
    bool entered = false;
};

// The point rule:
// - all four values: the line through both points; two identical points
//   give a pure shift; Out1 = Out2 with different inputs gives the identity;
//   In1 = In2 with different readings gives gain 0 (correction off);
// - otherwise point 1, then point 2, alone: a pure shift In - Out;
// - otherwise the identity, not entered.
PointRuleResult ApplyPointRule(const CalibrationPoints& points);

// The correction to store when `measured` was found from readings the
// instrument showed while `previous` was already applied. The readings are
// corrected ones, so the two compose: value -> previous -> measured. A
// previous gain of 0 (correction off) counts as the identity.
CalibrationCorrection CombineWithPrevious(CalibrationCorrection previous, CalibrationCorrection measured);

// Whether correction, applied to a channel with this zero adjustment, gives
// a finite reading for every raw code 0..65535 as the decoding paths convert
// it (RawToVolts). One that does not would show inf or NaN; it is no usable
// calibration and counts as missing. A gain of 0 (off) always passes.
bool GivesFiniteReadings(CalibrationCorrection correction, float zeroAdjust);

// The uncorrected reading that `correction` turns into `input`, as the
// calibration file stores it: two decimals ("%.2f"), always with a decimal
// point. `correction.gain` must not be 0.
std::string OutputText(double input, CalibrationCorrection correction);

// A calibration number as typed or stored: optional blanks around an
// optionally signed decimal with a decimal point and optional exponent.
// The user's locale plays no part. Nothing when the text is no number, is
// not finite, or lies outside the float range.
std::optional<double> ParseCalibrationNumber(std::string_view text);
