// The front panel of the main window: channel buttons, trigger mode, edge,
// channel and level, Start, Hold, Clear and the demo buttons. Each picture
// button is a pair of images at one place; a click swaps which one shows and
// runs the action. The decisions without widgets are FrontPanel's.

#include <QKeyEvent>
#include <QSignalBlocker>

#include "FrontPanel.h"
#include "Myconst.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;

}  // namespace

// ---- Channel buttons -------------------------------------------------------

void TForm1::Image10Click() {
    CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
    Image14->show();
    Image10->hide();
    CheckListBox1ClickCheck();
    ChannelTurnedOff(0);
}

void TForm1::Image14Click() {
    CheckListBox1->item(0)->setCheckState(Qt::Checked);
    Image10->show();
    Image14->hide();
    CheckListBox1ClickCheck();
}

void TForm1::Image15Click() {
    CheckListBox1->item(1)->setCheckState(Qt::Checked);
    Image13->show();
    Image15->hide();
    CheckListBox1ClickCheck();
}

void TForm1::Image13Click() {
    CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    Image15->show();
    Image13->hide();
    CheckListBox1ClickCheck();
    ChannelTurnedOff(1);
}

void TForm1::ChannelTurnedOff(int channel) {
    TChart* const waveform = channel == 0 ? Chart2 : Chart4;
    (channel == 0 ? Chart1 : Chart3)->Series(0).Clear();
    // The peaks go with the spectrum they were read from.
    ResetPeakList(channel == 0 ? Memo3 : Memo5);
    waveform->Series(0).Clear();
    waveform->Series(2).SetVisible(false);
    if (gTriggerMode == 0) {
        waveform->Series(1).SetVisible(false);
    }
    Panel6->hide();
}

void TForm1::CheckListBox1ClickCheck() {
    const bool ch0 = CheckListBox1->item(0)->checkState() == Qt::Checked;
    const bool ch1 = CheckListBox1->item(1)->checkState() == Qt::Checked;
    const FrontPanel::ChannelChange change = FrontPanel::SelectChannels(
        {.mask = gChannelMask, .framesPerRead = FFramesPerRead, .framesPerRead1 = FFramesPerRead1}, ch0, ch1);
    if (change.clearCh1) {
        Chart4->Series(0).Clear();
        Chart3->Series(0).Clear();
    }
    if (change.clearCh0) {
        Chart2->Series(0).Clear();
        Chart1->Series(0).Clear();
    }
    gChannelMask = change.after.mask;
    FFramesPerRead = change.after.framesPerRead;
    FFramesPerRead1 = change.after.framesPerRead1;
    if (ch0) {
        RadioGroup1Click();
    }
    if (ch1) {
        RadioGroup4Click();
    }
    if (gDemoWave == 0) {
        ShowSignalFactsInForce();
    }
    if (gTriggerMode != 0) {
        // The trigger follows the one channel left on the screen.
        if (const std::optional<int> sole = FrontPanel::SoleChannel(gChannelMask)) {
            ComboBox2->setCurrentIndex(*sole);
        }
        ComboBox2Change();
    }
}

// ---- Trigger mode, edge and channel ------------------------------------------

void TForm1::Image1Click() {
    // A level that is no number would fail every drawer below half way
    // through; refuse it here like an unfinished one, before anything moves.
    const std::optional<float> level = TriggerLevelOfEdit3();
    if (!level) {
        ShowMessage(Myconst::SmsgCalibInvalid.Text());
        return;
    }
    if (gTriggerMode == 0 && !FStopRequested) {
        Image7Click();
    }
    gTriggerMode = 1;
    FTriggerLabel.reset();
    Panel6->hide();
    Image4->setEnabled(true);
    Image2->show();
    Image1->hide();
    Image6->hide();
    Image5->show();
    Image7->hide();
    Image8->show();
    for (TChart* chart : {Chart2, Chart4}) {
        chart->Series(1).Clear();
        chart->Series(2).SetVisible(false);
    }
    if (const std::optional<int> sole = FrontPanel::SoleChannel(gChannelMask)) {
        ComboBox2->setCurrentIndex(*sole);
    }
    ComboBox2Change();
    DrawLevelLine(FrontPanel::LevelDrawer::TriggerOn, *level);
    gTriggerLevel = *level;
    // The level stays as it is while the capture waits for it.
    SpinEdit1->setEnabled(false);
    Edit3->setEnabled(false);
}

void TForm1::Image2Click() {
    gTriggerMode = 0;
    Panel6->hide();
    Image1->show();
    Image2->hide();
    Image5->show();
    Image6->hide();
    Image8->show();
    Image7->hide();
    for (TChart* chart : {Chart2, Chart4}) {
        chart->Series(1).SetVisible(false);
        chart->Series(2).SetVisible(false);
    }
    // A run still waiting for its trigger goes on free running.
    if (gTriggerState == 1 && !FStopRequested) {
        Image5Click();
    }
    SpinEdit1->setEnabled(true);
    Edit3->setEnabled(true);
}

void TForm1::Image16Click() {
    gTriggerEdge = 1;
    Image3->show();
    Image17->show();
    Image18->hide();
    Image16->hide();
}

void TForm1::Image17Click() {
    gTriggerEdge = 2;
    Image18->show();
    Image16->show();
    Image3->hide();
    Image17->hide();
}

void TForm1::ComboBox2Change() {
    gTriggerChannel = ComboBox2->currentText().toStdString();
    if (gTriggerMode == 0) {
        return;
    }
    if (const std::optional<float> level = TriggerLevelOfEdit3()) {
        DrawLevelLine(FrontPanel::LevelDrawer::TriggerChannel, *level);
        gTriggerLevel = *level;
    } else {
        ShowMessage(Myconst::SmsgCalibInvalid.Text());
    }
}

// ---- Trigger level -------------------------------------------------------------

std::optional<float> TForm1::TriggerLevelOfEdit3() const {
    const std::string text = Edit3->text().toStdString();
    if (FrontPanel::IsIncompleteLevel(text)) {
        return std::nullopt;
    }
    const std::optional<double> level = FrontPanel::ParseLevel(text);
    if (!level) {
        return std::nullopt;
    }
    return static_cast<float>(*level);
}

void TForm1::DrawLevelLine(FrontPanel::LevelDrawer drawer, float level) {
    const bool ch0 = ComboBox2->currentText() == QLatin1String("CH0");
    TChart* const trigger = ch0 ? Chart2 : Chart4;
    TChart* const other = ch0 ? Chart4 : Chart2;
    switch (drawer) {
        case FrontPanel::LevelDrawer::TriggerOn:
            // Right after the channel drawer, which cleared the line.
            break;
        case FrontPanel::LevelDrawer::TriggerChannel:
            for (TChart* chart : {Chart2, Chart4}) {
                chart->Series(1).Clear();
                chart->Series(2).Clear();
            }
            other->Series(1).SetVisible(false);
            break;
        case FrontPanel::LevelDrawer::LevelEdit:
            Chart2->Series(1).Clear();
            Chart4->Series(1).Clear();
            break;
    }
    SeriesModel& line = trigger->Series(1);
    for (const FrontPanel::Point& point : FrontPanel::LevelLine(drawer, FRecordLength0, level)) {
        line.AddXY(point.x, point.y, kBlue);
    }
    // Dotted after every drawer, as the level line always is.
    line.SetDotted(true);
    // The line is hidden whenever trigger mode goes off; drawing it again
    // means it is wanted.
    line.SetVisible(true);
}

bool TForm1::Edit3KeyPress(QKeyEvent* key) {
    // Keys that type nothing (arrows, Delete, Tab, modifiers) edit or move
    // as usual; typed characters pass the filter.
    // Shortcuts (Ctrl+A, C, V, X, Z) select, copy, paste and undo; what a
    // paste brings is checked like typed text.
    const QString text = key->text();
    if (text.isEmpty() || key->modifiers().testFlag(Qt::ControlModifier) || key->key() == Qt::Key_Delete ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return false;
    }
    for (const char32_t character : text.toUcs4()) {
        if (!FrontPanel::LevelKeyAccepted(character)) {
            return true;
        }
    }
    return false;
}

void TForm1::Edit3Click() {
    // The level takes "." and "-" as well as digits: no digits-only input.
    Edit3->setValidator(nullptr);
}

void TForm1::Edit3Change() {
    const std::string text = Edit3->text().toStdString();
    if (FrontPanel::IsIncompleteLevel(text)) {
        return;
    }
    const std::optional<float> level = TriggerLevelOfEdit3();
    if (!level) {
        // One message, and the level keeps its last good value; the arrows
        // would only say the same again.
        const QSignalBlocker quiet(SpinEdit1);
        SpinEdit1->setValue(0);
        ShowMessage(Myconst::SmsgCalibInvalid.Text());
        return;
    }
    SpinEdit1->setValue(0);
    gTriggerLevel = *level;
    if (gTriggerMode != 0) {
        DrawLevelLine(FrontPanel::LevelDrawer::LevelEdit, *level);
    }
}

void TForm1::SpinEdit1Change() {
    const std::optional<std::string> nudged =
        FrontPanel::NudgeLevel(Edit3->text().toStdString(), SpinEdit1->value());
    if (!nudged) {
        ShowMessage(Myconst::SmsgCalibInvalid.Text());
        // The arrows count from zero again, so the next click is one step.
        const QSignalBlocker quiet(SpinEdit1);
        SpinEdit1->setValue(0);
        return;
    }
    // Setting the text runs Edit3Change, which stores the level and puts
    // the arrows back to 0: each click is one step of 0.1 V.
    Edit3->setText(QString::fromStdString(*nudged));
    if (gTriggerMode != 0) {
        if (const std::optional<float> level = TriggerLevelOfEdit3()) {
            DrawLevelLine(FrontPanel::LevelDrawer::LevelEdit, *level);
        }
    }
}

// ---- Start, Hold, Clear ----------------------------------------------------------

void TForm1::Image5Click() {
    FTriggerLabel.reset();
    Button1Click();
}

void TForm1::Image7Click() {
    FHoldPressed = 1;
    FStopRequested = true;
    Image6->hide();
    Image5->show();
    Image7->hide();
    Image8->show();
    Button6Click();
}

void TForm1::Image4Click() {
    FTriggerLabel.reset();
    Button7Click();
}

// ---- Demo waveforms ------------------------------------------------------------

void TForm1::Image9Click() {
    DemoClick(1);
}

void TForm1::Image11Click() {
    DemoClick(2);
}

void TForm1::Image12Click() {
    DemoClick(3);
}

void TForm1::DemoClick(int wave) {
    // The demo is drawn at 64 samples/s on a 2 V grid.
    gDemoWave = 0;
    RadioGroup1->SetItemIndex(1);
    RadioGroup1Click();
    RadioGroup2->SetItemIndex(4);
    RadioGroup2Click();
    RadioGroup4->SetItemIndex(1);
    RadioGroup4Click();
    ComboBox3->setCurrentIndex(0);
    ComboBox3Change();
    // The rate change has selected its own time base in both groups; apply
    // it, so the wave is drawn in the unit the time axis now shows.
    RadioGroup1Click();
    RadioGroup4Click();
    gDemoWave = wave;
    GenerateDemoWave(wave, 128 * gRateMultiple);
    Image4->setEnabled(true);
}
