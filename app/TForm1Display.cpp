// The display refresh of the main window: each tick of Timer1 (free running)
// or Timer2 (triggered capture) hands the queued blocks to the trace engine,
// then applies what the engine reports to the widgets and pushes the charts
// once.

#include <QChart>
#include <QLabel>
#include <QTimer>

#include "Myconst.h"
#include "PulseWindowSink.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

constexpr int kSampleBufferBytes = 12288;
// The "had been triggered here" label, placed beside the trigger point.
constexpr int kLabelOffsetX = 5;
constexpr int kLabelOffsetY = -20;
constexpr int kLabelWidth = 450;
constexpr int kLabelHeight = 15;

QString Readout(float volts) {
    return QString::asprintf("%.2f", static_cast<double>(volts));
}

}  // namespace

void TForm1::Timer2Timer() {
    ApplyDisplayTick(RunDisplayTick(TraceEngine::Refresh::Triggered));
}

void TForm1::Timer1Timer() {
    if (FStopRequested) {
        Timer1->stop();
        return;
    }
    ApplyDisplayTick(RunDisplayTick(TraceEngine::Refresh::FreeRunning));
}

TraceTickResult TForm1::RunDisplayTick(TraceEngine::Refresh refresh) {
    if (!gSampleBufferAllocated || gSampleBuffer == nullptr) {
        gSampleBuffer = std::make_unique<std::uint8_t[]>(kSampleBufferBytes);
        gSampleBufferAllocated = true;
    }
    if (traceEngine_ == nullptr) {
        traceEngine_ = std::make_unique<TraceEngine>(
            TraceFields{{FWritePos0, FRecordLength0, FTimeBaseIndex0, FZeroAdjust0, FCalGain0, FCalOffset0,
                         FHist0, FJitter0, FOld0, gVolt0, gCapturedTrace0, *LineSeries5, *LineSeries7},
                        {FWritePos1, FRecordLength1, FTimeBaseIndex1, FZeroAdjust1, FCalGain1, FCalOffset1,
                         FHist1, FJitter1, FOld1, gVolt1, gCapturedTrace1, *LineSeries2, *LineSeries4},
                        FStopRequested,
                        FDecimation,
                        gDecimation1,
                        gSampleRate,
                        gChannelMask,
                        FFramesPerRead,
                        FReadoutTicks,
                        gTriggerMode,
                        gTriggerChannel,
                        gTriggerLevel,
                        gTriggerEdge,
                        gTriggerState,
                        gTriggered,
                        gPrevTriggerVolt,
                        FTriggerConfirm,
                        FCandidateA,
                        FCandidateB,
                        FTriggerPos,
                        FTriggerPosShown,
                        FCapturedLength,
                        gSensorVolt,
                        gPulseVolt,
                        FAnalysisStarted});
    }
    // Under the stop flag the queue hands out nothing, so a tick that fires
    // after Stop drains nothing.
    DoubleArray::NodeList batch;
    FBlockQueue.TakeAll(batch);
    std::vector<TraceBlock> blocks;
    blocks.reserve(batch.size());
    for (const std::unique_ptr<DoubleArray::NODE>& node : batch) {
        blocks.push_back(TraceBlock{node->data.get(), node->length});
    }
    return traceEngine_->Tick(refresh, blocks, PulseWindowFeed());
}

void TForm1::ApplyDisplayTick(const TraceTickResult& result) {
    if (result.confirmedChannel) {
        Image4->setEnabled(true);
        (*result.confirmedChannel == 0 ? Chart2 : Chart4)->Series(1).SetVisible(false);
        SpinEdit1->setEnabled(true);
        Edit3->setEnabled(true);
        Image2->hide();
        Image1->show();
        Panel6->setText(Myconst::SpcTriggerComplete.Text());
    }
    if (result.readout0) {
        Edit5->setText(Readout(*result.readout0));
    }
    if (result.readout1) {
        Edit6->setText(Readout(*result.readout1));
    }
    if (result.capture) {
        Timer2->stop();
        if ((gChannelMask & 1) != 0) {
            Series1->Clear();
        }
        if ((gChannelMask & 2) != 0) {
            FastLineSeries1->Clear();
        }
        StartAnalysis(true);
        PlaceTriggerLabel(result.capture->channel, result.capture->triggerX);
    } else if (result.startAnalysis) {
        StartAnalysis(false);
    }
    for (TChart* chart : {Chart2, Chart4, Chart1, Chart3}) {
        chart->Push();
    }
}

void TForm1::PlaceTriggerLabel(int channel, double triggerX) {
    TChart* const chart = channel == 0 ? Chart2 : Chart4;
    FTriggerLabel.reset();
    auto label = std::make_unique<QLabel>(Myconst::SpcTriggerhere.Text(), chart);
    label->setObjectName(QStringLiteral("TriggerLabel"));
    // Its own style wins over the window's grey for labels.
    label->setStyleSheet(QStringLiteral("color: #ffff00; background: transparent;"));
    FTriggerLabel = std::move(label);
    triggerLabelX_ = triggerX;
    triggerLabelLevel_ = gTriggerLevel;
    MoveTriggerLabel(chart);
}

void TForm1::MoveTriggerLabel(TChart* chart) {
    if (FTriggerLabel == nullptr || FTriggerLabel->parent() != chart) {
        return;
    }
    const int x = chart->CalcXPosValue(triggerLabelX_);
    const int y = chart->CalcYPosValue(triggerLabelLevel_);
    FTriggerLabel->setGeometry(x + kLabelOffsetX, y + kLabelOffsetY, kLabelWidth, kLabelHeight);
    // Zoomed in elsewhere, the point it marks is not on the chart.
    FTriggerLabel->setVisible(chart->chart()->plotArea().adjusted(-1, -1, 1, 1).contains(QPointF(x, y)));
}

// The pulse window takes every free-running pair while it is open.
PulseSampleSink* TForm1::PulseWindowFeed() {
    return pulseSink_ != nullptr && pulseSink_->Listening() ? pulseSink_.get() : nullptr;
}
