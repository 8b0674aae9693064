// The low-speed plotting of the sound sensor mode: the recording reader's
// blocks go to the plotting thread showChart, and each block comes back as
// one converted batch that is drawn here, on the user-interface thread, with
// the others that came in the same 50 ms.

#include <QTimer>

#include "LowSpeedPlot.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "readmsc.h"
#include "showChart.h"

namespace {

constexpr int kPlotDrawMs = 50;

}  // namespace

void TForm1::StartPlotter(readmsc& reader) {
    EndPlotter();
    if (plotDrawTimer_ == nullptr) {
        plotDrawTimer_ = new QTimer(this);
        plotDrawTimer_->setObjectName(QStringLiteral("PlotDrawTimer"));
        plotDrawTimer_->setSingleShot(true);
        plotDrawTimer_->setInterval(kPlotDrawMs);
        connect(plotDrawTimer_, &QTimer::timeout, this, &TForm1::DrawPlotBatches);
    }
    lowSpeedPlot_ = std::make_unique<LowSpeedPlot>(
        LowSpeedPlot::Channel{FWritePos0, FRecordLength0, FTimeBaseIndex0, *LineSeries5},
        LowSpeedPlot::Channel{FWritePos1, FRecordLength1, FTimeBaseIndex1, *LineSeries2}, gSampleRate);
    plotter_ = std::make_unique<showChart>(FStopRequested, FFramesPerRead, gChannelMask, [this](int channel) {
        return channel == 0 ? ChannelCorrection{FZeroAdjust0.load(), FCalGain0.load(), FCalOffset0.load()}
                            : ChannelCorrection{FZeroAdjust1.load(), FCalGain1.load(), FCalOffset1.load()};
    });
    showChart* const plotter = plotter_.get();
    // Both hops go through this thread with the plotter as context: once the
    // plotter is gone, blocks and batches of its run still queued are dropped
    // instead of reaching the next run.
    connect(
        &reader, &readmsc::BlockRead, plotter,
        [plotter](const QByteArray& frames) { plotter->HandOver(frames); }, Qt::QueuedConnection);
    connect(
        plotter, &showChart::BatchReady, plotter,
        [this](const std::shared_ptr<const PlotBatch>& batch) { QueuePlotBatch(batch); },
        Qt::QueuedConnection);
    plotter_->start();
}

void TForm1::EndPlotter() {
    if (plotter_ != nullptr) {
        plotter_->RequestAbort();
        plotter_->wait();
        plotter_.reset();
    }
    if (plotDrawTimer_ != nullptr) {
        plotDrawTimer_->stop();
    }
    plotBatches_.clear();
    lowSpeedPlot_.reset();
}

void TForm1::QueuePlotBatch(std::shared_ptr<const PlotBatch> batch) {
    plotBatches_.push_back(std::move(batch));
    if (!plotDrawTimer_->isActive()) {
        plotDrawTimer_->start();
    }
}

void TForm1::DrawPlotBatches() {
    // The charts push the points once this pass of the event loop is over.
    bool screenFull = false;
    for (const std::shared_ptr<const PlotBatch>& batch : plotBatches_) {
        if (lowSpeedPlot_ != nullptr && lowSpeedPlot_->Draw(*batch)) {
            screenFull = true;
        }
    }
    plotBatches_.clear();
    if (screenFull) {
        StartAnalysis(false);
    }
}

int TForm1::QueuedBlocks() const {
    return FBlockQueue.CountA() + FBlockQueue.CountB() + (plotter_ != nullptr ? plotter_->Pending() : 0) +
           static_cast<int>(plotBatches_.size());
}
