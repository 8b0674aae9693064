// The demo waveforms: two seconds of a sum of sines on the CH0 waveform
// chart, with its spectrum and peak list, and nothing on CH1. Any run stops
// first.

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "AcquisitionSettings.h"
#include "DemoWave.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

constexpr int kDemoBaseRate = 64;

}  // namespace

void TForm1::GenerateDemoWave(int wave, int length) {
    FTriggerLabel.reset();
    const int rate = kDemoBaseRate * gRateMultiple;

    Timer1->stop();
    Timer2->stop();
    FStopRequested = true;
    StopAnalysis();
    // A low-speed block converted before the stop must not land on the demo.
    EndPlotter();
    for (TChart* chart : {Chart2, Chart4}) {
        chart->Series(1).SetVisible(false);
        chart->Series(2).SetVisible(false);
    }
    Panel6->hide();
    gTriggerMode = 0;
    gTriggered = 0;
    Image1->show();
    Image2->hide();
    // The run is over: Hold is unavailable, and the level, free again with
    // trigger mode off, can be edited.
    Image7->hide();
    Image8->show();
    SpinEdit1->setEnabled(true);
    Edit3->setEnabled(true);
    Edit5->clear();
    Edit6->clear();

    for (TChart* chart : {Chart2, Chart1, Chart3, Chart4}) {
        chart->Series(0).Clear();
    }
    const int n = std::max(length, 0);
    std::vector<double> samples(static_cast<std::size_t>(n));
    const bool seconds = AcquisitionSettings::IsSeconds(FTimeBaseIndex0);
    SeriesModel& trace = Chart2->Series(0);
    for (int i = 0; i < n; ++i) {
        samples[static_cast<std::size_t>(i)] = DemoWaveSample(wave, i, rate);
        trace.AddXY(DemoWaveTime(i, rate, seconds), samples[static_cast<std::size_t>(i)],
                    SeriesModel::kWhite);
    }
    ShowSignalFacts(rate, n);
    ComputeSpectrum(samples.data(), n, rate, true);
    Chart3->Series(0).Clear();
    Chart4->Series(0).Clear();
    ResetListedPeaks(Memo5);
}
