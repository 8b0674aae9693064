// Spectra and peak lists of the main window: the demo's spectrum computed on
// this thread, and the background analysis (testT) that follows the
// waveform charts while a run lasts. The thread gets copies of the plotted
// values taken here and sends back finished results; every chart and memo
// change happens on this thread.

#include <QPlainTextEdit>

#include <algorithm>

#include "AnalysisPass.h"
#include "AutoAxis.h"
#include "Measurements.h"
#include "PeakReadout.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "testT.h"

namespace {

// The frequency axis has fewer, wider labels than the amplitude axis.
constexpr int kFrequencyIntervals = 5;

// The spectrum charts scale themselves to what they show: frequency up to
// the last bin, amplitude up to the grid line above the largest value.
void FitSpectrumAxes(TChart* chart) {
    const SeriesModel& series = chart->Series(0);
    if (series.Count() == 0) {
        return;
    }
    double largestX = 0.0;
    double largestY = 0.0;
    for (int i = 0; i < series.Count(); ++i) {
        largestX = std::max(largestX, series.XValue(i));
        largestY = std::max(largestY, series.YValue(i));
    }
    const AxisSpan x = AutoAxisFromZero(largestX, false, kFrequencyIntervals);
    const AxisSpan y = AutoAxisFromZero(largestY, true);
    chart->SetBottomAxis(x.minimum, x.maximum, x.increment);
    chart->SetLeftAxis(y.minimum, y.maximum, y.increment);
}

}  // namespace

void TForm1::ComputeSpectrum(const double* samples, int n, int sampleRate, bool ch0) {
    const Spectrum spectrum = spectrum_.ComputeSpectrum(samples, n, sampleRate);
    // The caller has cleared the chart: peak detection reads its X values
    // back by bin.
    SeriesModel& series = (ch0 ? Chart1 : Chart3)->Series(0);
    const int half = static_cast<int>(spectrum.magnitudes.size());
    for (int k = 0; k < half; ++k) {
        series.AddXY(spectrum.frequencies[k], spectrum.magnitudes[k], SeriesModel::kWhite);
    }
    FitSpectrumAxes(ch0 ? Chart1 : Chart3);
    DetectPeaks(spectrum.magnitudes.data(), half, ch0);
    ShowMeasurements(ch0 ? 0 : 1, Measure({samples, static_cast<std::size_t>(std::max(n, 0))}, sampleRate));
}

void TForm1::DetectPeaks(const double* magnitudes, int count, bool ch0) {
    const SeriesModel& series = (ch0 ? Chart1 : Chart3)->Series(0);
    std::vector<double> chartX(static_cast<std::size_t>(series.Count()));
    for (int i = 0; i < series.Count(); ++i) {
        chartX[static_cast<std::size_t>(i)] = series.XValue(i);
    }
    const std::vector<std::string> lines =
        ::DetectPeaks(magnitudes, count, chartX.data(), static_cast<int>(chartX.size()));
    if (!lines.empty()) {
        WritePeakLines(ch0 ? Memo3 : Memo5, lines);
    }
}

void TForm1::ResetPeakList() {
    ResetPeakList(Memo3);
    ResetPeakList(Memo5);
}

void TForm1::ResetPeakList(QPlainTextEdit* memo) {
    // The measurements go with the peaks: both were read from one screen.
    ResetMeasurements(memo == Memo3 ? 0 : 1);
    std::vector<std::string> lines;
    for (const QString& line : memo->toPlainText().split(QLatin1Char('\n'))) {
        lines.push_back(line.toStdString());
    }
    // A list too short to be the readout is left as it is.
    ::ResetPeakList(lines);
    WritePeakLines(memo, lines);
}

void TForm1::ResetListedPeaks(QPlainTextEdit* memo) {
    ResetMeasurements(memo == Memo3 ? 0 : 1);
    // The six blank lines of a list that never listed anything stay blank.
    if (!memo->toPlainText().trimmed().isEmpty()) {
        ResetPeakList(memo);
    }
}

void TForm1::WritePeakLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text.push_back(QString::fromStdString(line));
    }
    const QString joined = text.join(QLatin1Char('\n'));
    if (memo->toPlainText() != joined) {
        memo->setPlainText(joined);
    }
}

bool TForm1::AnalysisRunning() const {
    return analysis_ != nullptr && !analysis_->isFinished();
}

void TForm1::StartAnalysis(bool once) {
    if (once) {
        gAnalysisOnce = 1;
    }
    // One analysis at a time: a new start replaces the one running.
    StopAnalysis();
    analysisTriggered_ = once;
    const int generation = analysisGeneration_;
    analysis_ = std::make_unique<testT>(FStopRequested, once);
    connect(
        analysis_.get(), &testT::SnapshotWanted, this,
        [this, generation](quint64 cycle) { SupplyAnalysisSnapshot(generation, cycle); },
        Qt::QueuedConnection);
    connect(
        analysis_.get(), &testT::ChannelAnalysed, this,
        [this, generation](const std::shared_ptr<const ChannelAnalysis>& result) {
            ShowAnalysis(generation, *result);
        },
        Qt::QueuedConnection);
    connect(
        analysis_.get(), &testT::Ended, this,
        [this, generation](bool onceDone) { AnalysisEnded(generation, onceDone); }, Qt::QueuedConnection);
    analysis_->start();
}

void TForm1::StopAnalysis() {
    ++analysisGeneration_;
    if (analysis_ == nullptr) {
        return;
    }
    // The thread never waits on this one without polling its abort, so the
    // join cannot deadlock; it ends within one step of its loops.
    analysis_->Abort();
    analysis_->wait();
    analysis_.reset();
    if (gDemoWave != 0) {
        FastLineSeries1->Clear();
    }
}

void TForm1::SupplyAnalysisSnapshot(int generation, quint64 cycle) {
    if (generation != analysisGeneration_ || analysis_ == nullptr) {
        return;
    }
    AnalysisSnapshot snapshot;
    snapshot.channelMask = gChannelMask;
    snapshot.sampleRate = gSampleRate;
    snapshot.decimation = FDecimation;
    // A triggered capture is FRecordLength0 long on both charts.
    const int lengths[2] = {FRecordLength0,
                            analysisTriggered_ ? FRecordLength0.load() : FRecordLength1.load()};
    TChart* const charts[2] = {Chart2, Chart4};
    for (int channel = 0; channel < 2; ++channel) {
        if ((snapshot.channelMask & (1u << channel)) == 0) {
            continue;
        }
        const SeriesModel& series = charts[channel]->Series(0);
        const int n = std::max(0, std::min({lengths[channel], AnalysisPass::kMaxPoints, series.YCount()}));
        std::vector<double>& samples = snapshot.samples[static_cast<std::size_t>(channel)];
        samples.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            samples[static_cast<std::size_t>(i)] = series.YValue(i);
        }
    }
    analysis_->Supply(cycle, std::move(snapshot));
}

void TForm1::ShowAnalysis(int generation, const ChannelAnalysis& result) {
    const bool ch0 = result.channel == 0;
    // A channel switched off since its snapshot was taken has had its
    // spectrum cleared; a result still on its way must not bring it back.
    if (generation != analysisGeneration_ || (gChannelMask & (ch0 ? 1 : 2)) == 0) {
        return;
    }
    SeriesModel& series = (ch0 ? Chart1 : Chart3)->Series(0);
    series.Clear();
    for (std::size_t k = 0; k < result.x.size(); ++k) {
        series.AddXY(result.x[k], result.y[k], SeriesModel::kWhite);
    }
    FitSpectrumAxes(ch0 ? Chart1 : Chart3);
    ShowMeasurements(result.channel, result.measurements);
    if (!result.lines.empty()) {
        WritePeakLines(ch0 ? Memo3 : Memo5, result.lines);
    }
}

void TForm1::AnalysisEnded(int generation, bool onceDone) {
    // CH1 shows nothing while a demo is on display.
    if (gDemoWave != 0) {
        FastLineSeries1->Clear();
    }
    if (generation == analysisGeneration_ && onceDone) {
        gAnalysisOnce = 0;
        // The analysed capture ended the run: Hold has nothing left to hold.
        Image7->hide();
        Image8->show();
    }
}
