// Run control of the main window: Start, Stop and Clear, and the readers they
// start. The readers get references to the words they read on every pass;
// they never see a widget and reach the window through queued signals only.

#include <QDeadlineTimer>
#include <QTimer>

#include "Myconst.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "device/ScsiCommands.h"
#include "mainthread.h"
#include "readmsc.h"
#include "showChart.h"

namespace {

// A reader ends after the command it is in; a command ends within its
// timeout. Normally Start finds the old reader gone at once.
constexpr int kReaderJoinMs = (kVendorTimeoutSeconds + 1) * 1000;

}  // namespace

void TForm1::Button1Click() {
    // Without a channel a run would read and show nothing at all.
    if ((gChannelMask & 3) == 0) {
        ShowMessage(Myconst::SmsgPlsChannel.Text());
        return;
    }
    if (gTriggerMode != 0) {
        // Any text that is no number is refused here, before Stop, so a run
        // never stops half way over a mistyped level.
        if (!TriggerLevelOfEdit3()) {
            ShowMessage(Myconst::SmsgCalibInvalid.Text());
            return;
        }
    }
    gAnalysisOnce = 0;
    Button6Click();
    // The previous run's readers are gone (or left aborted in the roster)
    // before this run clears the stop flag.
    readers_.JoinAll(QDeadlineTimer(kReaderJoinMs));
    EndPlotter();
    gDemoWave = 0;
    gTriggered = 0;
    Image4->setEnabled(false);
    RadioGroup1Click();
    RadioGroup2Click();
    RadioGroup3Click();
    RadioGroup4Click();
    Chart2->Series(2).SetVisible(false);
    Chart4->Series(2).SetVisible(false);
    if (gTriggerMode == 0) {
        Chart2->Series(1).SetVisible(false);
        Chart4->Series(1).SetVisible(false);
        Panel6->hide();
    }
    FAnalysisStarted = false;
    FWritePos0 = 0;
    FWritePos1 = 0;
    FStopRequested = false;
    FHoldPressed = 0;
    Edit5->clear();
    Edit6->clear();
    if (!gDeviceFound) {
        Timer1->stop();
        Timer2->stop();
        // Nothing runs: the stop flag stays raised, Clear stays available and
        // the peak lists say nothing about the spectra just cleared.
        FStopRequested = true;
        Image4->setEnabled(true);
        ResetPeakList();
        ShowMessage(Myconst::SmsgNoDevice.Text());
        return;
    }
    if (gTriggerMode != 0) {
        Panel6->setText(Myconst::SpcWaitTrigger.Text());
        Panel6->show();
        Timer1->stop();
        StartMainthread();
        gPrevTriggerVolt = 255.0f;
        FTriggerConfirm = 0;
        Timer2->start();
        gTriggerState = 1;
        gCapturedTrace0 = {};
        gCapturedTrace1 = {};
    } else {
        if (FSoundMode == 0) {
            StartMainthread();
            Timer1->start();
        } else if (FSoundMode == 1) {
            StartRecording();
        }
        Timer2->stop();
        gTriggered = 0;
    }
    Image8->hide();
    Image7->show();
    ResetPeakList();
}

void TForm1::Button6Click() {
    // The low-speed batches that came before the stop are drawn now, as
    // they arrived, not into whatever follows the stop.
    if (plotDrawTimer_ != nullptr && plotDrawTimer_->isActive()) {
        plotDrawTimer_->stop();
        DrawPlotBatches();
    }
    FStopRequested = true;
    readers_.AbortAll();
    if (plotter_ != nullptr) {
        plotter_->RequestAbort();
    }
    StopAnalysis();
    Timer4->stop();
    Timer1->stop();
    Timer2->stop();
    Button1->setEnabled(true);
    Image4->setEnabled(true);
    // Nothing runs any more, however the run ended (unplugging, say): Hold
    // is unavailable until the next Start.
    Image7->hide();
    Image8->show();
    // Nothing waits for a trigger either; a completed capture keeps saying
    // so.
    if (gTriggered == 0) {
        Panel6->hide();
    }
}

void TForm1::Button7Click() {
    // An analysis or a low-speed block ending after a stop must not draw
    // into the cleared charts.
    if (FStopRequested) {
        StopAnalysis();
        EndPlotter();
    }
    for (TChart* chart : {Chart1, Chart2, Chart3, Chart4}) {
        chart->Series(0).Clear();
    }
    gTriggered = 0;
    gDemoWave = 0;
    for (QLabel* label : {Label3, Label4, Label5}) {
        label->setText(QStringLiteral("0"));
    }
    if (gTriggerMode != 0) {
        FWritePos0 = 0;
    } else {
        for (TChart* chart : {Chart2, Chart4}) {
            chart->Series(1).SetVisible(false);
            chart->Series(2).SetVisible(false);
        }
        Panel6->hide();
    }
    Edit5->clear();
    Edit6->clear();
    ResetPeakList();
}

void TForm1::StartMainthread() {
    readers_.Start(std::make_unique<mainthread>(FStopRequested, gSampleRate, FFramesPerRead, FDeviceHandle,
                                                FBlockQueue));
}

void TForm1::StartRecording() {
    auto reader = std::make_unique<readmsc>(
        FStopRequested, gSampleRate, FFramesPerRead, gChannelMask, FDeviceHandle,
        ChannelCorrectionSource{FZeroAdjust0, FCalGain0, FCalOffset0},
        ChannelCorrectionSource{FZeroAdjust1, FCalGain1, FCalOffset1}, RecordingSink());
    connect(
        reader.get(), &readmsc::ChartClearRequested, this, [this] { Chart2->Series(0).Clear(); },
        Qt::QueuedConnection);
    connect(
        reader.get(), &readmsc::ReconnectPollWanted, this,
        [this](bool wanted) {
            if (wanted) {
                Timer3->start();
            } else {
                Timer3->stop();
            }
        },
        Qt::QueuedConnection);
    StartPlotter(*reader);
    readers_.Start(std::move(reader));
}

void TForm1::JoinReaders() {
    FStopRequested = true;
    readers_.AbortAll();
    readers_.JoinAll(QDeadlineTimer(QDeadlineTimer::Forever));
    EndPlotter();
}
