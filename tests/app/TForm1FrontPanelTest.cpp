#include "SimulatedLink.h"  // before any Qt header

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include "RadioGroup.h"
#include "TChart.h"
#include "TForm1.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

const QString kInvalidLevel = QStringLiteral("Please input valid voltage!");

// The front-panel handlers of a window, without an instrument unless a test
// needs a run.
class TForm1FrontPanelTest : public ::testing::Test {
protected:
    explicit TForm1FrontPanelTest(DeviceLink link = {}) : form(std::move(link)) {}

    TForm1 form;
    QSignalSpy messages{&form, &TForm1::MessageShown};

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    TChart* Chart(const char* name) { return Find<TChart>(name); }
    QLineEdit* Edit3() { return Find<QLineEdit>("Edit3"); }
    QSpinBox* SpinEdit1() { return Find<QSpinBox>("SpinEdit1"); }
    QComboBox* ComboBox2() { return Find<QComboBox>("ComboBox2"); }
    bool Shown(const char* image) { return !Find<TImage>(image)->isHidden(); }
};

TEST_F(TForm1FrontPanelTest, ArrowsNudgeTheLevelOneTenthPerClick) {
    Edit3()->setText(QStringLiteral("1"));
    SpinEdit1()->stepUp();
    SpinEdit1()->stepUp();
    EXPECT_EQ(Edit3()->text(), QStringLiteral("1.2"));
    EXPECT_FLOAT_EQ(gTriggerLevel, 1.2f);
    Edit3()->setText(QStringLiteral("0"));
    SpinEdit1()->stepDown();
    EXPECT_EQ(Edit3()->text(), QStringLiteral("-0.1"));
    EXPECT_EQ(SpinEdit1()->value(), 0) << "each click counts from 0";
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(TForm1FrontPanelTest, UnfinishedLevelIsPassedOverAndNoNumberRefused) {
    Edit3()->setText(QStringLiteral("0.5"));
    for (const char* text : {"-", "+", ""}) {
        Edit3()->setText(QString::fromLatin1(text));
        EXPECT_FLOAT_EQ(gTriggerLevel, 0.5f) << text;
    }
    EXPECT_EQ(messages.count(), 0);
    Edit3()->setText(QStringLiteral("1.2.3"));
    SpinEdit1()->stepUp();
    EXPECT_FLOAT_EQ(gTriggerLevel, 0.5f) << "the last good level stays";
    EXPECT_EQ(Edit3()->text(), QStringLiteral("1.2.3"));
    EXPECT_EQ(SpinEdit1()->value(), 0);
    ASSERT_EQ(messages.count(), 2) << "one for the text, one for the arrow";
    EXPECT_EQ(messages.at(1).at(0).toString(), kInvalidLevel);
}

TEST_F(TForm1FrontPanelTest, KeyFilterLeavesEditingKeysAlone) {
    Edit3()->clear();
    QTest::keyClicks(Edit3(), QStringLiteral("1a+2 .5x"));
    QTest::keyClick(Edit3(), Qt::Key_Backspace);
    QTest::keyClick(Edit3(), Qt::Key_Left);
    QTest::keyClick(Edit3(), Qt::Key_Delete);
    EXPECT_EQ(Edit3()->text(), QStringLiteral("12"));  // "12.5", less the 5, less the "."
}

TEST_F(TForm1FrontPanelTest, TriggerOnRefusesAnUnusableLevel) {
    for (const char* text : {"-", "1.2.3"}) {
        Edit3()->setText(QString::fromLatin1(text));
        messages.clear();
        form.Image1Click();
        EXPECT_EQ(gTriggerMode, 0) << text;
        EXPECT_TRUE(Shown("Image1") && Edit3()->isEnabled()) << text;
        ASSERT_EQ(messages.count(), 1) << text;
        EXPECT_EQ(messages.at(0).at(0).toString(), kInvalidLevel);
    }
}

TEST_F(TForm1FrontPanelTest, TriggerOnDrawsTheLevelAndLocksIt) {
    Edit3()->setText(QStringLiteral("1.5"));
    form.Image1Click();
    EXPECT_TRUE(Shown("Image2") && Shown("Image8") && !Shown("Image7"));
    EXPECT_FALSE(Edit3()->isEnabled() || SpinEdit1()->isEnabled());
    // 128 samples: the channel drawer's 10 points at X = i, then the
    // trigger-on drawer's at X = i * 1000.
    const SeriesModel& line = Chart("Chart2")->Series(1);
    EXPECT_TRUE(line.Visible());
    ASSERT_EQ(line.Count(), 20);
    EXPECT_EQ(line.XValue(9), 117.0);
    EXPECT_EQ(line.XValue(19), 117000.0);
    EXPECT_EQ(line.YValue(19), 1.5);
    EXPECT_FALSE(Chart("Chart4")->Series(1).Visible());

    form.Image2Click();
    EXPECT_FALSE(line.Visible());
    EXPECT_TRUE(Edit3()->isEnabled() && SpinEdit1()->isEnabled());
}

TEST_F(TForm1FrontPanelTest, LevelLineDrawnAcrossTheTimeAxisAtEveryRate) {
    // 64 S/s in ms, 6.25k and 12.5k in seconds, 100k in ms: the line is the
    // level from one end of the visible axis to the other, dotted.
    Edit3()->setText(QStringLiteral("-3.1"));
    for (int rate : {1, 2, 0, 5}) {
        Find<QComboBox>("ComboBox3")->setCurrentIndex(rate);
        form.ComboBox3Change();
        form.Image1Click();
        TChart* chart = Chart("Chart2");
        chart->Push();
        const QValueAxis* axis = chart->BottomAxis();
        EXPECT_EQ(chart->LineSeries(1)->points(),
                  (QList<QPointF>{QPointF(axis->min(), -3.1f), QPointF(axis->max(), -3.1f)}))
            << rate;
        EXPECT_TRUE(chart->LineSeries(1)->isVisible());
        EXPECT_EQ(chart->LineSeries(1)->pen().style(), Qt::DotLine);
        form.Image2Click();
        Edit3()->setText(QStringLiteral("0.7"));
        form.Image1Click();
        chart->Push();
        EXPECT_EQ(chart->LineSeries(1)->points().at(0).y(), 0.7f) << "not the earlier level";
        form.Image2Click();
        Edit3()->setText(QStringLiteral("-3.1"));
    }
}

TEST_F(TForm1FrontPanelTest, TriggerFollowsTheOneShownChannel) {
    // Trigger on: with both shown ComboBox2 stays, with one it moves there.
    struct Case {
        void (TForm1::*channel)();
        int comboBefore;
        int comboAfter;
    };
    for (const Case& c : {Case{&TForm1::Image15Click, 1, 1}, Case{&TForm1::Image10Click, 0, 1},
                          Case{&TForm1::Image14Click, 0, 0}, Case{&TForm1::Image13Click, 1, 0}}) {
        form.Image2Click();
        (form.*c.channel)();
        ComboBox2()->setCurrentIndex(c.comboBefore);
        form.Image1Click();
        EXPECT_EQ(ComboBox2()->currentIndex(), c.comboAfter) << int(gChannelMask);
    }
    // Hiding one of two shown channels while trigger mode is on.
    form.Image15Click();
    ASSERT_EQ(gTriggerChannel, "CH0");
    form.Image10Click();
    EXPECT_EQ(gChannelMask.load(), 2);
    EXPECT_EQ(gTriggerChannel, "CH1");
    EXPECT_EQ(ComboBox2()->currentText(), QStringLiteral("CH1"));
    EXPECT_TRUE(Chart("Chart4")->Series(1).Visible());
    EXPECT_GT(Chart("Chart4")->Series(1).Count(), 0);
    EXPECT_FALSE(Chart("Chart2")->Series(1).Visible());
}

TEST_F(TForm1FrontPanelTest, ChannelOffClearsItsTraceAndHidesItsOverlays) {
    form.Image15Click();
    for (const auto& [waveform, spectrum, off, dim, memo] :
         {std::tuple{"Chart2", "Chart1", &TForm1::Image10Click, "Image14", "Memo3"},
          std::tuple{"Chart4", "Chart3", &TForm1::Image13Click, "Image15", "Memo5"}}) {
        auto* peaks = Find<QPlainTextEdit>(memo);
        peaks->setPlainText(QStringLiteral("F1: (7.00,  0.50)\nF2: --\nF3: --\nF4: --\nF5: --\nF6: --"));
        Chart(waveform)->Series(0).AddXY(0.0, 1.0);
        Chart(spectrum)->Series(0).AddXY(0.0, 1.0);
        Chart(waveform)->Series(1).SetVisible(true);
        Chart(waveform)->Series(2).SetVisible(true);
        Find<QLabel>("Panel6")->show();
        (form.*off)();
        EXPECT_TRUE(Shown(dim)) << waveform;
        EXPECT_EQ(Chart(waveform)->Series(0).Count() + Chart(spectrum)->Series(0).Count(), 0) << waveform;
        EXPECT_FALSE(Chart(waveform)->Series(1).Visible() || Chart(waveform)->Series(2).Visible())
            << waveform;
        EXPECT_TRUE(Find<QLabel>("Panel6")->isHidden()) << waveform;
        EXPECT_TRUE(peaks->toPlainText().startsWith(QStringLiteral("F1: --"))) << memo;
    }
    EXPECT_EQ(gChannelMask.load(), 0);
}

TEST_F(TForm1FrontPanelTest, DemoDrawsInTheTimeBaseTheWindowShows) {
    Find<TImage>("Image4")->setEnabled(false);
    Find<RadioGroup>("RadioGroup2")->SetItemIndex(0);
    form.Image11Click();
    EXPECT_EQ(gDemoWave, 2);
    EXPECT_EQ(gSampleRate.load(), 64);
    // 64 samples/s selects 0.5 s in both groups, and that is the time base
    // in force, not the 50 ms chosen before the rate.
    EXPECT_EQ(Find<RadioGroup>("RadioGroup1")->ItemIndex(), 7);
    EXPECT_EQ(form.State().FTimeBaseIndex0.load(), 7);
    EXPECT_EQ(form.State().FTimeBaseIndex1.load(), 7);
    EXPECT_EQ(form.State().FVoltsIndex0, 4);
    EXPECT_TRUE(Find<TImage>("Image4")->isEnabled());
}

// Trigger mode off during a run: only a run still waiting for its trigger
// goes on, free running.
struct TriggerOffCase {
    int triggerState;  // what the run reached before trigger mode goes off
    bool hold;         // Hold pressed first
    bool restarts;
};

class TForm1TriggerOffTest : public TForm1FrontPanelTest,
                             public ::testing::WithParamInterface<TriggerOffCase> {
protected:
    TForm1TriggerOffTest() : TForm1FrontPanelTest(SimulatedLink()) {}
};

TEST_P(TForm1TriggerOffTest, OnlyAWaitingRunGoesOnFreeRunning) {
    form.FormCreate();
    form.Image1Click();
    form.Image5Click();
    ASSERT_TRUE(Find<QTimer>("Timer2")->isActive());
    gTriggerState = GetParam().triggerState;
    if (GetParam().hold) {
        form.Image7Click();
        EXPECT_TRUE(Shown("Image8") && !Shown("Image7"));
    }
    form.Image2Click();
    EXPECT_EQ(Find<QTimer>("Timer1")->isActive(), GetParam().restarts);
    EXPECT_EQ(form.Readers().Active(), GetParam().hold ? 0 : 1);
    EXPECT_EQ(Shown("Image7"), GetParam().restarts) << "Hold follows the run";
}

INSTANTIATE_TEST_SUITE_P(States, TForm1TriggerOffTest,
                         ::testing::Values(TriggerOffCase{1, false, true}, TriggerOffCase{2, false, false},
                                           TriggerOffCase{1, true, false}));

TEST(TForm1PicturesTest, EveryPictureExistsAtItsImagesSize) {
    const std::tuple<const char*, const char*, QSize> pictures[] = {
        {"CH0", "CH01", {70, 30}},        {"CH0_1", "CH02", {70, 29}},
        {"CH1_1", "CH12", {72, 30}},      {"CH1", "CH11", {71, 29}},
        {"off", "off1", {70, 25}},        {"on", "on1", {56, 21}},
        {"start", "start1_1", {98, 48}},  {"start_1", "start2_2", {98, 48}},
        {"hold", "hold1_1", {97, 48}},    {"hold_1", "hold2_2", {97, 48}},
        {"demo1", "demo1_1", {55, 35}},   {"demo2", "demo2_2", {55, 35}},
        {"demo3", "demo3_3", {55, 35}},   {"clear", "clear_1", {55, 35}},
        {"rising", "rising", {34, 26}},   {"rising_1", "rising_1", {32, 26}},
        {"falling", "falling", {34, 26}}, {"falling_1", "falling_1", {34, 26}},
    };
    for (const auto& [english, chinese, size] : pictures) {
        for (const char* name : {english, chinese}) {
            EXPECT_EQ(QImage(TImage::FindPicture(QString::fromLatin1(name))).size(), size) << name;
        }
    }
}

TEST_F(TForm1FrontPanelTest, LanguageSetsSwapPicturesAndKeepWhichOneShows) {
    form.Image15Click();
    for (const TForm1::PictureSet set : {TForm1::PictureSet::Chinese, TForm1::PictureSet::English}) {
        form.LoadPictureSet(set);
        for (TImage* image : Find<QWidget>("GroupBox1")->findChildren<TImage*>()) {
            EXPECT_EQ(image->size(), QImage(TImage::FindPicture(image->Picture())).size())
                << image->objectName().toStdString();
        }
        EXPECT_EQ(Find<TImage>("Image13")->Picture(),
                  QLatin1String(set == TForm1::PictureSet::Chinese ? "CH11" : "CH1"));
        EXPECT_TRUE(Shown("Image13") && !Shown("Image15"));
    }
}

}  // namespace
