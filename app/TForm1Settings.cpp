// The acquisition settings of the main window: sample rate, time base and
// volts per division. The handlers read their controls, take the numbers from
// AcquisitionSettings and apply them to the window's state and charts.

#include <QLabel>

#include "AcquisitionSettings.h"
#include "Myconst.h"
#include "SignalFacts.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

using Settings = AcquisitionSettings;

constexpr std::uint32_t kBlue = 0x0000FF;

}  // namespace

void TForm1::ComboBox3Change() {
    FWritePos0 = 0;
    FWritePos1 = 0;
    const std::optional<Settings::SampleRateChoice> choice =
        Settings::SampleRateAt(ComboBox3->currentIndex());
    if (choice) {
        gSampleRate = choice->sampleRate;
        FFramesPerRead = choice->framesPerRead;
        const int length = Settings::SampleRateRecordLength(*choice, gRateMultiple);
        FRecordLength0 = length;
        FRecordLength1 = length;
        RadioGroup1->SetItemIndex(choice->timeBaseIndex);
        RadioGroup4->SetItemIndex(choice->timeBaseIndex);
        const Settings::AxisRange axis =
            Settings::TimeAxis(length, choice->timeBaseIndex, choice->sampleRate);
        const QString title = TimeAxisTitle(choice->timeBaseIndex);
        for (TChart* chart : {Chart2, Chart4}) {
            chart->SetBottomAxis(axis.minimum, axis.maximum, axis.increment);
            chart->SetBottomTitle(title);
        }
    }
    if (gDemoWave == 0 && gTriggered == 0) {
        for (TChart* chart : {Chart2, Chart1, Chart3, Chart4}) {
            chart->Series(0).Clear();
        }
        // The peaks of the spectra just cleared go with them.
        ResetListedPeaks(Memo3);
        ResetListedPeaks(Memo5);
    }
    if (choice) {
        // The groups now show the rate's own time base. Applying it at once
        // keeps a running acquisition's points, record lengths and spectrum
        // rate in step with the axes, instead of drawing them in the old unit.
        RadioGroup1Click();
        RadioGroup4Click();
    }
}

void TForm1::RadioGroup1Click() {
    TimeBaseClick(0);
}

void TForm1::RadioGroup4Click() {
    TimeBaseClick(1);
}

void TForm1::RadioGroup2Click() {
    VoltsClick(RadioGroup2, Chart2, FVoltsIndex0);
}

void TForm1::RadioGroup3Click() {
    VoltsClick(RadioGroup3, Chart4, FVoltsIndex1);
}

QString TForm1::TimeAxisTitle(int timeBaseIndex) {
    return Settings::IsSeconds(timeBaseIndex) ? Myconst::Scharts.Text() : Myconst::Schartms.Text();
}

void TForm1::TimeBaseClick(int channel) {
    const bool ch0 = channel == 0;
    RadioGroup* const group = ch0 ? RadioGroup1 : RadioGroup4;
    TChart* const chart = ch0 ? Chart2 : Chart4;
    std::atomic<int>& recordLength = ch0 ? FRecordLength0 : FRecordLength1;

    const int index = group->ItemIndex();
    (ch0 ? FTimeBaseIndex0 : FTimeBaseIndex1) = index;
    const bool slow = ComboBox3->currentIndex() == 0;
    const int interval = Settings::TimerInterval(slow);
    Timer1->setInterval(interval);
    if (slow) {
        gRateMultiple = Settings::RateMultiple(gSampleRate);
    }
    const int rate = gSampleRate;
    if (const std::optional<int> length = Settings::RecordLength(slow, rate, gRateMultiple, index)) {
        recordLength = *length;
        const Settings::AxisRange axis = Settings::TimeAxis(*length, index, rate);
        chart->SetBottomAxis(axis.minimum, axis.maximum, axis.increment);
    }
    if (slow) {
        FFramesPerRead = 1;
    } else {
        const int need = Settings::TransferNeed(recordLength);
        const int mask = gChannelMask;
        if (ch0) {
            FFramesPerRead = Settings::FramesPerReadForCh0(mask, need, FFramesPerRead1);
        } else {
            FFramesPerRead1 = need;
            FFramesPerRead = Settings::FramesPerReadForCh1(mask, FFramesPerRead, need);
        }
    }
    Timer2->setInterval(interval);
    chart->SetBottomTitle(TimeAxisTitle(index));

    // What is on the chart is drawn again under the new scale.
    if (ch0 && gDemoWave != 0) {
        if (slow) {
            GenerateDemoWave(gDemoWave, 128);
        }
    } else if (gTriggered == 0) {
        chart->Series(0).Clear();
        (ch0 ? Chart1 : Chart3)->Series(0).Clear();
        ResetListedPeaks(ch0 ? Memo3 : Memo5);
    } else if ((gChannelMask & (ch0 ? 1 : 2)) != 0) {
        DrawCapturedTrace(chart, ch0 ? gCapturedTrace0 : gCapturedTrace1, recordLength, index);
    }
    (ch0 ? FWritePos0 : FWritePos1) = 0;

    if (gTriggerMode != 0 || gTriggered != 0) {
        DrawTriggerOverlays(chart, ch0 ? "CH0" : "CH1", recordLength, index);
    } else {
        for (TChart* waveform : {Chart2, Chart4}) {
            waveform->Series(1).SetVisible(false);
            waveform->Series(2).SetVisible(false);
        }
    }
    if (gDemoWave == 0) {
        ShowSignalFactsInForce();
    }
}

void TForm1::ShowSignalFacts(int sampleRate, int samplesPerScreen) {
    const SignalFacts facts = SignalFacts::For(sampleRate, samplesPerScreen);
    Label3->setText(QString::fromStdString(facts.sampleRate));
    Label4->setText(QString::fromStdString(facts.signalLength));
    Label5->setText(QString::fromStdString(facts.sampleTime));
}

void TForm1::ShowSignalFactsInForce() {
    const bool ch1Only = (gChannelMask & 1) == 0 && (gChannelMask & 2) != 0;
    ShowSignalFacts(gSampleRate, ch1Only ? FRecordLength1 : FRecordLength0);
}

void TForm1::DrawCapturedTrace(TChart* chart, const std::vector<float>& trace, int recordLength,
                               int timeBaseIndex) {
    SeriesModel& series = chart->Series(0);
    series.Clear();
    const Settings::CaptureView view{.capturedLength = FCapturedLength,
                                     .decimation = FDecimation,
                                     .triggerPosShown = FTriggerPosShown,
                                     .recordLength = recordLength,
                                     .timeBaseIndex = timeBaseIndex,
                                     .sampleRate = gSampleRate};
    for (const Settings::TracePoint& point : Settings::CapturedTracePoints(trace, view)) {
        series.AddXY(point.x, point.y, SeriesModel::kWhite);
    }
}

void TForm1::DrawTriggerOverlays(TChart* chart, const char* channelName, int recordLength,
                                 int timeBaseIndex) {
    SeriesModel& level = chart->Series(1);
    level.Clear();
    // A level that is no number keeps the last good one: the user was told
    // where it was typed, and a redraw must not fail half way.
    if (const std::optional<float> typed = TriggerLevelOfEdit3()) {
        gTriggerLevel = *typed;
    }
    if (ComboBox2->currentText() == QLatin1String(channelName)) {
        // The points run past the screen's end, so the clipped line always
        // spans the whole chart.
        const double scale = Settings::IsSeconds(timeBaseIndex) ? 1.0 : 1000.0;
        const int step = recordLength / 10 + 1;
        for (int p = 0; p < recordLength; p += step) {
            level.AddXY(p * scale, gTriggerLevel, kBlue);
        }
    }
    if (gTriggered != 0) {
        SeriesModel& marker = chart->Series(2);
        marker.Clear();
        marker.SetVisible(true);
        marker.SetDotted(true);
        const int position = FTriggerPosShown < recordLength ? FTriggerPosShown : recordLength / 2;
        const double x = Settings::TimeOf(position, timeBaseIndex, gSampleRate);
        for (int k = -10; k <= 10; ++k) {
            marker.AddXY(x, k, kBlue);
        }
        // The label beside it, in the time unit of the new time base.
        if (FTriggerLabel != nullptr && FTriggerLabel->parent() == chart) {
            triggerLabelX_ = x;
            MoveTriggerLabel(chart);
        }
    }
}

void TForm1::VoltsClick(RadioGroup* group, TChart* chart, int& voltsIndex) {
    voltsIndex = group->ItemIndex();
    const Settings::VoltsChoice& volts = Settings::VoltsAt(voltsIndex);
    chart->SetLeftAxis(volts.minimum, volts.maximum, volts.increment);
    MoveTriggerLabel(chart);
    const auto& choices = Settings::VoltsChoices();
    for (int i = 0; i < group->Count() && i < Settings::kVoltsCount; ++i) {
        group->SetItemCaption(
            i, QString::number(choices[static_cast<std::size_t>(i)].increment, 'f', 1) + QLatin1Char('v'));
    }
}
