#include "SimulatedLink.h"  // before any Qt header

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "DocumentOpener.h"
#include "LanguageModuleName.h"
#include "RadioGroup.h"
#include "TCalibration.h"
#include "TForm1.h"
#include "TForm4.h"
#include "TForm6.h"
#include "TForm8.h"
#include "TFrequencySensorFrom.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

// The modules the build made beside the program.
LanguageModules BuiltModules() {
    return LanguageModules(QStringLiteral(DAQ_LANGUAGE_FOLDER "/daq"), {QStringLiteral(DAQ_LANGUAGE_FOLDER)});
}

QString Chinese(const char* context, const char* source, const char* key = nullptr) {
    QTranslator chinese;
    EXPECT_TRUE(chinese.load(QStringLiteral(DAQ_LANGUAGE_FOLDER "/daq.CHS")));
    return chinese.translate(context, source, key);
}

class TForm1LanguageTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>();
    TForm1 form{SimulatedLink(sim)};
    QSignalSpy messages{&form, &TForm1::MessageShown};

    void SetUp() override {
        form.SetLanguageModules(BuiltModules());
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
    }
    void TearDown() override {
        form.FormClose();
        LanguageModules::Unload();
    }

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    int Index(const char* group) { return Find<RadioGroup>(group)->ItemIndex(); }
    QAction* Action(const char* name) { return Find<QAction>(name); }

    // A run at 6250 S/s on both channels, triggered on the falling edge, at
    // other scales than those of start-up.
    void StartAnUnusualRun() {
        Find<QComboBox>("ComboBox3")->setCurrentIndex(1);
        form.ComboBox3Change();
        for (const char* group : {"RadioGroup1", "RadioGroup2", "RadioGroup3", "RadioGroup4"}) {
            Find<RadioGroup>(group)->SetItemIndex(2);
        }
        form.RadioGroup1Click();
        form.RadioGroup2Click();
        form.RadioGroup3Click();
        form.RadioGroup4Click();
        form.Image15Click();
        form.Image17Click();
        form.Image1Click();
        form.Image5Click();
        ASSERT_EQ(gTriggerMode, 1);
        ASSERT_GT(form.Readers().Active(), 0);
    }

    void ExpectStartUpSettings() {
        EXPECT_TRUE(form.State().FStopRequested.load());
        EXPECT_EQ(form.State().FHoldPressed, 1);
        EXPECT_TRUE(Find<TImage>("Image8")->isVisibleTo(&form)) << "the Hold state shows";
        EXPECT_EQ(Index("RadioGroup1"), 7);
        EXPECT_EQ(Index("RadioGroup2"), 4);
        EXPECT_EQ(Index("RadioGroup3"), 4);
        EXPECT_EQ(Index("RadioGroup4"), 7);
        EXPECT_EQ(gChannelMask.load(), 1);
        EXPECT_EQ(gTriggerMode, 0);
        EXPECT_EQ(gTriggerEdge, 1);
        EXPECT_EQ(Find<QComboBox>("ComboBox3")->currentText(), QStringLiteral("64"));
        EXPECT_EQ(gSampleRate.load(), 64) << "the rate in force is the one shown";
        EXPECT_EQ(form.State().FFramesPerRead.load(), 1);
        EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral(" \tV3.03")))
            << form.windowTitle().toStdString();
    }
};

TEST_F(TForm1LanguageTest, ChineseDuringARunStopsItAndRestoresTheStartUpSettings) {
    StartAnUnusualRun();
    form.Chinese1Click();
    ExpectStartUpSettings();
    EXPECT_TRUE(Action("Chinese1")->isChecked());
    EXPECT_FALSE(Action("English1")->isChecked());
    const QString name = Chinese("Myconst", "Oscilloscope/Spectrum Analyzer", "65504");
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(form.windowTitle(), name + QStringLiteral(" \tV3.03"));
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), Chinese("Myconst", "Device detected", "65520"));
    EXPECT_EQ(Find<TImage>("Image10")->Picture(), QStringLiteral("CH01"));
    EXPECT_EQ(Action("Exit1")->text(), Chinese("TForm1", "Exit"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Readers().Active() == 0; }, 20000));
}

TEST_F(TForm1LanguageTest, StartAfterASwitchDuringARunReadsAtTheRateShown) {
    StartAnUnusualRun();
    form.Chinese1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Readers().Active() == 0; }, 20000));
    form.Image5Click();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form.QueuedBlocks() > 0 || form.State().FWritePos0.load() > 0; }, 20000))
        << "the run reads";
    EXPECT_EQ(gSampleRate.load(), 64);
}

TEST_F(TForm1LanguageTest, EnglishAfterChineseComesBackAndASecondSwitchRepeatsEveryStep) {
    form.Chinese1Click();
    form.English1Click();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Oscilloscope/Spectrum Analyzer \tV3.03"));
    EXPECT_EQ(Action("Exit1")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(Find<TImage>("Image10")->Picture(), QStringLiteral("CH0"));
    EXPECT_TRUE(LanguageModules::ModuleInForce().endsWith(QStringLiteral("/daq.ENU")));
    StartAnUnusualRun();
    form.English1Click();
    ExpectStartUpSettings();
    EXPECT_TRUE(Action("English1")->isChecked());
    EXPECT_FALSE(Action("Chinese1")->isChecked());
}

TEST_F(TForm1LanguageTest, AMessageAfterTheSwitchComesInTheNewLanguage) {
    form.Chinese1Click();
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("-"));
    form.Image1Click();  // a trigger level that is no number
    ASSERT_FALSE(messages.isEmpty());
    const QString expected = Chinese("Myconst", "Please input valid voltage!", "65529");
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(messages.last().at(0).toString(), expected);
}

TEST_F(TForm1LanguageTest, WithoutAModuleTheTextsStayButPicturesAndSettingsFollow) {
    form.SetLanguageModules(
        LanguageModules(QStringLiteral("/nonexistent/daq"), {QStringLiteral("/nonexistent")}));
    StartAnUnusualRun();
    form.Chinese1Click();
    ExpectStartUpSettings();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Oscilloscope/Spectrum Analyzer \tV3.03"));
    EXPECT_EQ(Find<TImage>("Image10")->Picture(), QStringLiteral("CH01"));
    EXPECT_TRUE(messages.isEmpty()) << "a missing module is not reported";
}

TEST_F(TForm1LanguageTest, EveryOpenWindowSwitchesAndKeepsItsState) {
    TCalibration calibration;
    TForm6 about;
    TForm4 editor;
    TFrequencySensorFrom pulse;
    TForm8 distance;
    form.AttachWindows(&calibration, &about, &editor, &pulse, &distance);
    form.show();
    form.About1Click();
    distance.show();
    distance.Timer2Timer();  // one reading
    const QString reading = distance.findChild<QLineEdit*>(QStringLiteral("Edit9"))->text();
    ASSERT_EQ(reading, QStringLiteral("35.000"));
    form.Chinese1Click();
    EXPECT_EQ(about.windowTitle(), Chinese("TForm6", "About"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(), TForm6::VersionLine());
    EXPECT_EQ(calibration.windowTitle(), Chinese("TCalibration", "Calibration"));
    EXPECT_EQ(editor.windowTitle(), Chinese("TForm4", "Screen Capture"));
    EXPECT_EQ(pulse.windowTitle(), Chinese("TFrequencySensorFrom", "Pulse Sensor"));
    EXPECT_EQ(distance.windowTitle(), Chinese("TForm8", "Distance Sensor"));
    // The read-out shows the last reading, not the layout's text.
    EXPECT_EQ(distance.findChild<QLineEdit*>(QStringLiteral("Edit9"))->text(), reading);
    form.About1Click();
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(), TForm6::VersionLine());
}

// The manual as the desktop would open it, without a desktop.
class RecordingOpener : public DocumentOpener {
public:
    RecordingOpener(QStringList* opened, bool works) : opened_(opened), works_(works) {}
    bool Open(const QString& file) override {
        opened_->push_back(file);
        return works_;
    }

private:
    QStringList* opened_;
    bool works_;
};

struct ManualCase {
    bool present;
    bool opens;
    bool message;
};

class TForm1ManualTest : public TForm1LanguageTest, public ::testing::WithParamInterface<ManualCase> {};

TEST_P(TForm1ManualTest, OpensTheManualOrSaysWhyNot) {
    const ManualCase& c = GetParam();
    QTemporaryDir here;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(here.path());
    const QString manual = here.filePath(QStringLiteral("Oscilloscope Spectrum Analyzer User's Manual.docx"));
    if (c.present) {
        QFile file(manual);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList opened;
    form.SetDocumentOpener(std::make_unique<RecordingOpener>(&opened, c.opens));
    form.USBADManual1Click();
    QDir::setCurrent(previous);
    EXPECT_EQ(opened, c.present ? QStringList{manual} : QStringList{});
    ASSERT_EQ(messages.size(), c.message ? 1 : 0);
    if (c.message) {
        EXPECT_TRUE(messages[0][0].toString().contains(QStringLiteral("User's Manual.docx")));
    }
}

INSTANTIATE_TEST_SUITE_P(Manual, TForm1ManualTest,
                         ::testing::Values(ManualCase{true, true, false}, ManualCase{true, false, true},
                                           ManualCase{false, true, true}));

}  // namespace
