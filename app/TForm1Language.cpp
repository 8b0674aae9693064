#include <QEvent>

#include "LanguageModuleName.h"
#include "Myconst.h"
#include "TCalibration.h"
#include "TForm1.h"
#include "Unit1Globals.h"

QString TForm1::Caption() {
    return Myconst::SmsgFormname.Text() + QStringLiteral(" ") + QStringLiteral("\tV3.03");
}

void TForm1::SetLanguageModules(LanguageModules modules) {
    languages_ = std::move(modules);
}

void TForm1::Chinese1Click() {
    SwitchLanguage(kChineseLocale);
}

void TForm1::English1Click() {
    SwitchLanguage(kEnglishLocale);
}

void TForm1::SwitchLanguage(int locale) {
    const bool chinese = locale == kChineseLocale;
    Chinese1->setChecked(chinese);
    English1->setChecked(!chinese);
    // Every open window takes the module's texts before the settings below
    // are applied over what its layout reset.
    if (languages_.LoadNewResourceModule(locale)) {
        LanguageModules::RetranslateNow();
    }
    setWindowTitle(Caption());
    LoadPictureSet(chinese ? PictureSet::Chinese : PictureSet::English);
    Edit2->setText(gDeviceFound ? Myconst::SetFindDevice.Text() : Myconst::SetNoDevice.Text());
    FTriggerLabel.reset();
    // Hold: a running acquisition stops here, a recording closes its file.
    Image7Click();

    // The start-up settings again, the sample rate with them, so that the
    // rate in force is the "64" ComboBox3 shows.
    ApplyStartUpSettings();
    Edit5->clear();
    Edit6->clear();
    Image14Click();
    Image13Click();
    Image2Click();
    Image16Click();
    if (Calibration) {
        Calibration->LoadCalibration();
    }
    RegisterDeviceEvents();
}

void TForm1::ApplyStartUpSettings() {
    gSampleRate = 64;
    CheckListBox1->item(0)->setCheckState(Qt::Checked);
    gChannelMask = 1;
    ComboBox3->setCurrentIndex(0);
    gTriggerLevel = Edit3->text().toFloat();
    gTriggerChannel = ComboBox2->currentText().toStdString();
    FRecordLength0 = ComboBox1->currentText().toInt();
    RadioGroup1->SetItemIndex(7);
    RadioGroup2->SetItemIndex(4);
    RadioGroup3->SetItemIndex(4);
    RadioGroup4->SetItemIndex(7);
    gTriggerEdge = 1;
    Memo1->clear();
    // The time bases at 64 S/s set the record lengths, frames per read and
    // timer intervals of that rate.
    RadioGroup1Click();
    RadioGroup2Click();
    RadioGroup3Click();
    RadioGroup4Click();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        RetranslateCode();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::RetranslateCode() {
    setWindowTitle(Caption());
    const QString volts = tr("Voltage  ( V )");
    Chart2->SetTitle(tr("CH0 Waveform"));
    Chart4->SetTitle(tr("CH1 Waveform"));
    for (TChart* chart : {Chart2, Chart4}) {
        chart->SetLeftTitle(volts);
    }
    Chart2->SetBottomTitle(TimeAxisTitle(RadioGroup1->ItemIndex()));
    Chart4->SetBottomTitle(TimeAxisTitle(RadioGroup4->ItemIndex()));
    for (TChart* chart : {Chart1, Chart3}) {
        chart->SetTitle(tr("Spectrum Analysis"));
        chart->SetBottomTitle(tr("Frequency  ( Hz )"));
        chart->SetLeftTitle(tr("Amplitude"));
    }
}
