// The Measurements box of the main window: the seven measurements of each
// channel's screen, in the CH0 and CH1 columns. They are shown when the
// channel's spectrum is (the analysis pass measures the points it analyses;
// a demo is measured with its spectrum on this thread) and go when the
// spectrum and its peaks go, so the box never speaks of a screen no longer
// shown. The captions are the form's and retranslate with it.

#include <QLabel>

#include <string>
#include <utility>

#include "MeasurementText.h"
#include "Measurements.h"
#include "TForm1.h"

void TForm1::ShowMeasurements(int channel, const Measurements& measurements) {
    const MeasurementText text = FormatMeasurements(measurements);
    const bool ch0 = channel == 0;
    const std::pair<QLabel*, const std::string*> rows[] = {
        {ch0 ? MeasureCH0Frequency : MeasureCH1Frequency, &text.frequency},
        {ch0 ? MeasureCH0Period : MeasureCH1Period, &text.period},
        {ch0 ? MeasureCH0Vpp : MeasureCH1Vpp, &text.peakToPeak},
        {ch0 ? MeasureCH0Max : MeasureCH1Max, &text.maximum},
        {ch0 ? MeasureCH0Min : MeasureCH1Min, &text.minimum},
        {ch0 ? MeasureCH0Mean : MeasureCH1Mean, &text.mean},
        {ch0 ? MeasureCH0RMS : MeasureCH1RMS, &text.rms},
    };
    for (const auto& [label, value] : rows) {
        const QString shown = QString::fromStdString(*value);
        // Once a second per channel: an unchanged value costs no relayout.
        if (label->text() != shown) {
            label->setText(shown);
        }
    }
}

void TForm1::ResetMeasurements(int channel) {
    ShowMeasurements(channel, Measurements{});
}
