// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
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

// The front-panel handlers of a window. Without an instrument unless a test
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
    TImage* Image(const char* name) { return Find<TImage>(name); }
    TChart* Chart(const char* name) { return Find<TChart>(name); }
    QLineEdit* Edit3() { return Find<QLineEdit>("Edit3"); }
    QSpinBox* SpinEdit1() { return Find<QSpinBox>("SpinEdit1"); }
    QComboBox* ComboBox2() { return Find<QComboBox>("ComboBox2"); }
    bool Shown(const char* image) { return !Image(image)->isHidden(); }
};

TEST_F(TForm1FrontPanelTest, ArrowsNudgeTheLevelByOneTenth) {
    struct Case {
        const char* level;
        int clicks;  // positive: up arrow, negative: down arrow
        const char* text;
    };
    for (const Case& c : {Case{"1", 2, "1.2"}, Case{"0", -1, "-0.1"}}) {
        Edit3()->setText(QString::fromLatin1(c.level));
        for (int i = 0; i < std::abs(c.clicks); ++i) {
            if (c.clicks > 0) {
                SpinEdit1()->stepUp();
            } else {
                SpinEdit1()->stepDown();
            }
            EXPECT_EQ(SpinEdit1()->value(), 0) << "back to 0 after each click";
        }
        EXPECT_EQ(Edit3()->text(), QString::fromLatin1(c.text));
        EXPECT_FLOAT_EQ(gTriggerLevel, QString::fromLatin1(c.text).toFloat());
    }
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(TForm1FrontPanelTest, UnfinishedLevelIsPassedOverAndABadOneRefused) {
    Edit3()->setText(QStringLiteral("0.5"));
    {
        const QSignalBlocker quiet(SpinEdit1());
        SpinEdit1()->setValue(3);
    }
    for (const char* text : {"-", "+", ""}) {
        Edit3()->setText(QString::fromLatin1(text));
        EXPECT_EQ(SpinEdit1()->value(), 3) << text;
        EXPECT_FLOAT_EQ(gTriggerLevel, 0.5f) << text;
    }
    EXPECT_EQ(messages.count(), 0);

    Edit3()->setText(QStringLiteral("1.2.3"));
    EXPECT_FLOAT_EQ(gTriggerLevel, 0.5f) << "the last good level stays";
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(), kInvalidLevel);

    // The arrows on a bad level say so too and start from 0 again.
    SpinEdit1()->stepUp();
    EXPECT_EQ(Edit3()->text(), QStringLiteral("1.2.3"));
    EXPECT_EQ(SpinEdit1()->value(), 0);
    EXPECT_EQ(messages.count(), 2);
}

TEST_F(TForm1FrontPanelTest, KeyFilterPassesOnlyWhatANumberNeeds) {
    Edit3()->clear();
    QTest::keyClicks(Edit3(), QStringLiteral("1a+2 .5-x"));
    EXPECT_EQ(Edit3()->text(), QStringLiteral("12.5-"));
    QTest::keyClick(Edit3(), Qt::Key_Backspace);
    QTest::keyClick(Edit3(), Qt::Key_Left);
    QTest::keyClick(Edit3(), Qt::Key_Delete);
    EXPECT_EQ(Edit3()->text(), QStringLiteral("12."));
    EXPECT_EQ(messages.count(), 1) << "12.5- is no number";
}

TEST_F(TForm1FrontPanelTest, EdgeButtonsSwapTheirPictures) {
    form.Image17Click();
    EXPECT_EQ(gTriggerEdge, 2);
    EXPECT_TRUE(Shown("Image18") && Shown("Image16"));
    EXPECT_FALSE(Shown("Image3") || Shown("Image17"));
    form.Image16Click();
    EXPECT_EQ(gTriggerEdge, 1);
    EXPECT_TRUE(Shown("Image3") && Shown("Image17"));
    EXPECT_FALSE(Shown("Image18") || Shown("Image16"));
}

TEST_F(TForm1FrontPanelTest, TriggerOnRefusesAnUnusableLevel) {
    for (const char* text : {"-", "1.2.3"}) {
        Edit3()->setText(QString::fromLatin1(text));
        messages.clear();
        form.Image1Click();
        EXPECT_EQ(gTriggerMode, 0) << text;
        EXPECT_TRUE(Shown("Image1") && !Shown("Image2")) << text;
        EXPECT_TRUE(Edit3()->isEnabled()) << text;
        ASSERT_EQ(messages.count(), 1) << text;
        EXPECT_EQ(messages.at(0).at(0).toString(), kInvalidLevel);
    }
}

TEST_F(TForm1FrontPanelTest, TriggerOnDrawsTheLevelAndLocksIt) {
    Edit3()->setText(QStringLiteral("1.5"));
    form.Image1Click();
    EXPECT_EQ(gTriggerMode, 1);
    EXPECT_TRUE(Shown("Image2") && !Shown("Image1"));
    EXPECT_TRUE(Shown("Image8") && !Shown("Image7")) << "Hold only once started";
    EXPECT_FALSE(Edit3()->isEnabled());
    EXPECT_FALSE(SpinEdit1()->isEnabled());
    const SeriesModel& line = Chart("Chart2")->Series(1);
    EXPECT_TRUE(line.Visible());
    // 128 samples: the channel drawer (X = i) and the trigger-on one
    // (X = i * 1000), 10 points each.
    ASSERT_EQ(line.Count(), 20);
    EXPECT_DOUBLE_EQ(line.XValue(9), 117.0);
    EXPECT_DOUBLE_EQ(line.XValue(19), 117000.0);
    EXPECT_DOUBLE_EQ(line.YValue(19), 1.5);
    EXPECT_FALSE(Chart("Chart4")->Series(1).Visible());

    form.Image2Click();
    EXPECT_EQ(gTriggerMode, 0);
    EXPECT_FALSE(line.Visible());
    EXPECT_TRUE(Edit3()->isEnabled() && SpinEdit1()->isEnabled());
    EXPECT_TRUE(Shown("Image1") && !Shown("Image2"));
}

TEST_F(TForm1FrontPanelTest, TriggerOnSelectsTheOneShownChannelOnly) {
    struct Case {
        bool ch0;
        bool ch1;
        int comboBefore;
        int comboAfter;
    };
    for (const Case& c : {Case{true, true, 1, 1}, Case{false, true, 0, 1}, Case{true, false, 1, 0}}) {
        form.Image2Click();
        if (c.ch1)
            form.Image15Click();
        else
            form.Image13Click();
        if (c.ch0)
            form.Image14Click();
        else
            form.Image10Click();
        ComboBox2()->setCurrentIndex(c.comboBefore);
        form.Image1Click();
        EXPECT_EQ(ComboBox2()->currentIndex(), c.comboAfter) << c.ch0 << c.ch1;
        EXPECT_EQ(gTriggerChannel, c.comboAfter == 0 ? "CH0" : "CH1");
    }
}

TEST_F(TForm1FrontPanelTest, HidingAChannelMovesTheTriggerToTheOtherOne) {
    form.Image15Click();  // CH1 on beside CH0
    EXPECT_EQ(gChannelMask.load(), 3);
    form.Image1Click();
    ASSERT_EQ(gTriggerChannel, "CH0");

    form.Image10Click();  // CH0 off

    EXPECT_EQ(gChannelMask.load(), 2);
    EXPECT_EQ(ComboBox2()->currentText(), QStringLiteral("CH1"));
    EXPECT_EQ(gTriggerChannel, "CH1");
    EXPECT_TRUE(Chart("Chart4")->Series(1).Visible());
    EXPECT_GT(Chart("Chart4")->Series(1).Count(), 0);
    EXPECT_FALSE(Chart("Chart2")->Series(1).Visible());
}

TEST_F(TForm1FrontPanelTest, ChannelOffClearsItsTraceAndHidesItsOverlays) {
    struct Case {
        const char* waveform;
        const char* spectrum;
        void (TForm1::*on)();
        void (TForm1::*off)();
        const char* litImage;
        const char* dimImage;
        int bit;
    };
    const Case cases[] = {
        {"Chart2", "Chart1", &TForm1::Image14Click, &TForm1::Image10Click, "Image10", "Image14", 1},
        {"Chart4", "Chart3", &TForm1::Image15Click, &TForm1::Image13Click, "Image13", "Image15", 2},
    };
    for (const Case& c : cases) {
        (form.*c.on)();
        EXPECT_TRUE(Shown(c.litImage) && !Shown(c.dimImage)) << c.waveform;
        EXPECT_NE(gChannelMask & c.bit, 0) << c.waveform;
        Chart(c.waveform)->Series(0).AddXY(0.0, 1.0);
        Chart(c.spectrum)->Series(0).AddXY(0.0, 1.0);
        Chart(c.waveform)->Series(1).SetVisible(true);
        Chart(c.waveform)->Series(2).SetVisible(true);
        Find<QLabel>("Panel6")->show();

        (form.*c.off)();

        EXPECT_TRUE(Shown(c.dimImage) && !Shown(c.litImage)) << c.waveform;
        EXPECT_EQ(gChannelMask & c.bit, 0) << c.waveform;
        EXPECT_EQ(Chart(c.waveform)->Series(0).Count(), 0) << c.waveform;
        EXPECT_EQ(Chart(c.spectrum)->Series(0).Count(), 0) << c.waveform;
        EXPECT_FALSE(Chart(c.waveform)->Series(1).Visible()) << c.waveform;
        EXPECT_FALSE(Chart(c.waveform)->Series(2).Visible()) << c.waveform;
        EXPECT_TRUE(Find<QLabel>("Panel6")->isHidden());
    }
}

TEST_F(TForm1FrontPanelTest, DemoButtonSetsTheDemoScalesAndEnablesClear) {
    Image("Image4")->setEnabled(false);
    Find<RadioGroup>("RadioGroup2")->SetItemIndex(0);
    form.Image11Click();
    EXPECT_EQ(gDemoWave, 2);
    // 64 samples/s brings its own time base, 0.5 s, and the demo is drawn
    // in the unit that the groups and the axis show.
    for (const char* group : {"RadioGroup1", "RadioGroup4"}) {
        EXPECT_EQ(Find<RadioGroup>(group)->ItemIndex(), 7) << group;
    }
    EXPECT_EQ(form.State().FTimeBaseIndex0.load(), 7);
    EXPECT_EQ(form.State().FTimeBaseIndex1.load(), 7);
    EXPECT_EQ(Chart("Chart2")->BottomAxis()->titleText(), QStringLiteral("Time  ( s )"));
    EXPECT_EQ(Find<RadioGroup>("RadioGroup2")->ItemIndex(), 4);
    EXPECT_EQ(form.State().FVoltsIndex0, 4);
    EXPECT_EQ(Find<QComboBox>("ComboBox3")->currentIndex(), 0);
    EXPECT_EQ(gSampleRate.load(), 64);
    EXPECT_TRUE(Image("Image4")->isEnabled());
}

DeviceLink SimulatedLink() {
    auto sim = std::make_shared<SimulatedInstrument>();
    DeviceLink link;
    link.drives = std::make_shared<SimDriveAccess>(sim);
    link.discovery = std::make_shared<SimDeviceDiscovery>(sim);
    link.simulator = sim;
    return link;
}

// Trigger mode off during a run: only a run still waiting for its trigger
// goes on, free running.
struct TriggerOffCase {
    const char* name;
    int triggerState;  // what the run reached before trigger mode goes off
    bool hold;         // Hold pressed first
    bool restarts;
};

void PrintTo(const TriggerOffCase& c, std::ostream* os) {
    *os << c.name;
}

class TForm1TriggerOffTest : public TForm1FrontPanelTest,
                             public ::testing::WithParamInterface<TriggerOffCase> {
protected:
    TForm1TriggerOffTest() : TForm1FrontPanelTest(SimulatedLink()) {}
    bool TimerActive(const char* name) { return Find<QTimer>(name)->isActive(); }
};

TEST_P(TForm1TriggerOffTest, OnlyAWaitingRunGoesOnFreeRunning) {
    form.FormCreate();
    ASSERT_TRUE(gDeviceFound);
    form.Image1Click();
    form.Image5Click();
    ASSERT_TRUE(TimerActive("Timer2"));
    ASSERT_TRUE(Shown("Image7")) << "Hold is available once started";
    gTriggerState = GetParam().triggerState;
    if (GetParam().hold) {
        form.Image7Click();
        EXPECT_EQ(form.State().FHoldPressed, 1);
        EXPECT_TRUE(Shown("Image8") && !Shown("Image7"));
    }

    form.Image2Click();

    EXPECT_EQ(gTriggerMode, 0);
    EXPECT_EQ(TimerActive("Timer1"), GetParam().restarts);
    EXPECT_EQ(form.Readers().Active(), GetParam().restarts || GetParam().triggerState == 2 ? 1 : 0);
    EXPECT_EQ(Shown("Image7"), GetParam().restarts) << "Hold follows the run";
    EXPECT_TRUE(Edit3()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(States, TForm1TriggerOffTest,
                         ::testing::Values(TriggerOffCase{"Waiting", 1, false, true},
                                           TriggerOffCase{"Triggered", 2, false, false},
                                           TriggerOffCase{"Held", 1, true, false}),
                         [](const ::testing::TestParamInfo<TriggerOffCase>& info) {
                             return std::string(info.param.name);
                         });

// Every picture of both sets and the edge pictures, at the size of the image
// that shows it.
struct Picture {
    const char* name;
    int width;
    int height;
};

constexpr Picture kPictures[] = {
    {"CH0", 70, 30},    {"CH01", 70, 30},     {"CH0_1", 70, 29},     {"CH02", 70, 29},
    {"CH1_1", 72, 30},  {"CH12", 72, 30},     {"CH1", 71, 29},       {"CH11", 71, 29},
    {"off", 70, 25},    {"off1", 70, 25},     {"on", 56, 21},        {"on1", 56, 21},
    {"start", 98, 48},  {"start1_1", 98, 48}, {"start_1", 98, 48},   {"start2_2", 98, 48},
    {"hold", 97, 48},   {"hold1_1", 97, 48},  {"hold_1", 97, 48},    {"hold2_2", 97, 48},
    {"demo1", 55, 35},  {"demo1_1", 55, 35},  {"demo2", 55, 35},     {"demo2_2", 55, 35},
    {"demo3", 55, 35},  {"demo3_3", 55, 35},  {"clear", 55, 35},     {"clear_1", 55, 35},
    {"rising", 34, 26}, {"rising_1", 32, 26}, {"falling_1", 34, 26}, {"falling", 34, 26},
};

TEST(TForm1PicturesTest, EveryPictureExistsAtItsImagesSize) {
    for (const Picture& picture : kPictures) {
        const QString path = TImage::FindPicture(QString::fromLatin1(picture.name));
        ASSERT_FALSE(path.isEmpty()) << picture.name;
        EXPECT_EQ(QImage(path).size(), QSize(picture.width, picture.height)) << picture.name;
    }
}

TEST_F(TForm1FrontPanelTest, LanguageSetsSwapPicturesAndKeepWhichOneShows) {
    const char* const images[] = {"Image1",  "Image2",  "Image3",  "Image4",  "Image5",  "Image6",
                                  "Image7",  "Image8",  "Image9",  "Image10", "Image11", "Image12",
                                  "Image13", "Image14", "Image15", "Image16", "Image17", "Image18"};
    form.Image15Click();
    for (const TForm1::PictureSet set : {TForm1::PictureSet::Chinese, TForm1::PictureSet::English}) {
        form.LoadPictureSet(set);
        for (const char* name : images) {
            TImage* image = Image(name);
            EXPECT_TRUE(image->HasPicture()) << name;
            EXPECT_EQ(image->size(), QImage(TImage::FindPicture(image->Picture())).size()) << name;
        }
        EXPECT_EQ(Image("Image13")->Picture(),
                  set == TForm1::PictureSet::Chinese ? QStringLiteral("CH11") : QStringLiteral("CH1"));
        EXPECT_TRUE(Shown("Image13") && !Shown("Image15"));
    }
}

}  // namespace
