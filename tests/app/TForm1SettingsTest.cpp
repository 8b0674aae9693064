#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QValueAxis>

#include "RadioGroup.h"
#include "TChart.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

// The settings handlers on a window without an instrument; the arithmetic
// itself is AcquisitionSettings' and tested there.
class TForm1SettingsTest : public ::testing::Test {
protected:
    TForm1 form{nullptr};

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    TChart* Chart(const char* name) { return Find<TChart>(name); }

    static void ExpectAxis(const QValueAxis* axis, double minimum, double maximum, double increment) {
        EXPECT_DOUBLE_EQ(axis->min(), minimum);
        EXPECT_DOUBLE_EQ(axis->max(), maximum);
        EXPECT_DOUBLE_EQ(axis->tickInterval(), increment);
    }
};

TEST_F(TForm1SettingsTest, SampleRateSelectsTheTimeBaseAndFullBlocks) {
    Find<QComboBox>("ComboBox3")->setCurrentIndex(4);  // "50k"
    form.ComboBox3Change();
    EXPECT_EQ(gSampleRate.load(), 50000);
    EXPECT_EQ(form.State().FFramesPerRead.load(), 3072);
    EXPECT_EQ(form.State().FRecordLength1.load(), 3072);
    EXPECT_EQ(Find<RadioGroup>("RadioGroup4")->ItemIndex(), 8) << "20ms";
    EXPECT_EQ(form.State().FTimeBaseIndex0.load(), 8) << "applied at once, for a running acquisition";
    EXPECT_EQ(form.State().FTimeBaseIndex1.load(), 8);
    ExpectAxis(Chart("Chart4")->BottomAxis(), 0.0, 3071 * 1000.0 / 50000, 20.0);
    EXPECT_EQ(Chart("Chart4")->BottomAxis()->titleText(), QStringLiteral("Time  ( ms )"));
}

TEST_F(TForm1SettingsTest, TimeBaseSetsLengthTransferScaleAndTimers) {
    Find<QComboBox>("ComboBox3")->setCurrentIndex(1);  // "6.25k"
    form.ComboBox3Change();
    Find<RadioGroup>("RadioGroup1")->SetItemIndex(3);  // "0.1s"
    form.RadioGroup1Click();
    EXPECT_EQ(form.State().FRecordLength0.load(), 1592);
    EXPECT_EQ(form.State().FFramesPerRead.load(), 1664);
    ExpectAxis(Chart("Chart2")->BottomAxis(), 0.0, 1591 / 6250.0, 0.1);
    EXPECT_EQ(Chart("Chart2")->BottomAxis()->titleText(), QStringLiteral("Time  ( s )"));
    EXPECT_EQ(Find<QTimer>("Timer1")->interval(), 100);
    EXPECT_EQ(Find<QTimer>("Timer2")->interval(), 100);
}

TEST_F(TForm1SettingsTest, ValueLabelsShowTheSignalInForce) {
    auto labels = [&] {
        return Find<QLabel>("Label3")->text() + "|" + Find<QLabel>("Label4")->text() + "|" +
               Find<QLabel>("Label5")->text();
    };
    Find<QComboBox>("ComboBox3")->setCurrentIndex(1);  // "6.25k"
    form.ComboBox3Change();
    Find<RadioGroup>("RadioGroup1")->SetItemIndex(3);  // "0.1s"
    form.RadioGroup1Click();
    EXPECT_EQ(labels(), QStringLiteral("6250 Hz|1592|160 \u00b5s"));
    // CH1 alone: its own screen.
    QListWidget* channels = Find<QListWidget>("CheckListBox1");
    channels->item(1)->setCheckState(Qt::Checked);
    channels->item(0)->setCheckState(Qt::Unchecked);
    form.CheckListBox1ClickCheck();
    EXPECT_EQ(labels(), QStringLiteral("6250 Hz|3072|160 \u00b5s"));
    form.Image9Click();
    EXPECT_EQ(labels(), QStringLiteral("64 Hz|128|15.625 ms")) << "the demo wave";
    form.Button7Click();
    EXPECT_EQ(labels(), QStringLiteral("0|0|0"));
}

TEST_F(TForm1SettingsTest, VoltsPerDivisionSetTheVerticalAxisAndCaptions) {
    auto* group = Find<RadioGroup>("RadioGroup3");
    group->SetItemCaption(0, QStringLiteral("x"));
    group->SetItemIndex(3);  // "1.0v"
    form.RadioGroup3Click();
    ExpectAxis(Chart("Chart4")->LeftAxis(), -5.0, 5.0, 1.0);
    ExpectAxis(Chart("Chart2")->LeftAxis(), -10.0, 10.0, 2.0);
    EXPECT_EQ(group->Items(), QStringList({"0.1v", "0.2v", "0.5v", "1.0v", "2.0v"}));
}

TEST_F(TForm1SettingsTest, FreeRunningTimeBaseClearsItsChannelAndHidesTheOverlays) {
    for (const char* name : {"Chart1", "Chart2", "Chart4"}) {
        Chart(name)->Series(0).AddXY(0.0, 1.0);
    }
    Chart("Chart4")->Series(2).SetVisible(true);
    form.RadioGroup1Click();
    EXPECT_EQ(Chart("Chart1")->Series(0).Count(), 0);
    EXPECT_EQ(Chart("Chart2")->Series(0).Count(), 0);
    EXPECT_EQ(Chart("Chart4")->Series(0).Count(), 1);
    EXPECT_FALSE(Chart("Chart4")->Series(2).Visible());
}

TEST_F(TForm1SettingsTest, TriggerModeDrawsTheLevelOnTheTriggerChannelOnly) {
    gTriggerMode = 1;
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("1.5"));
    form.RadioGroup1Click();
    form.RadioGroup4Click();
    const SeriesModel& level = Chart("Chart2")->Series(1);
    ASSERT_EQ(level.Count(), 10) << "128 samples, a point every 13";
    EXPECT_DOUBLE_EQ(level.YValue(9), 1.5);
    EXPECT_EQ(Chart("Chart4")->Series(1).Count(), 0);
    // A level that is no number keeps the last good one.
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("1.2.3"));
    form.RadioGroup1Click();
    ASSERT_EQ(level.Count(), 10);
    EXPECT_DOUBLE_EQ(level.YValue(9), 1.5);
}

}  // namespace
