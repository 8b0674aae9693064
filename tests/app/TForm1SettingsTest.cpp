#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QValueAxis>

#include <stdexcept>

#include "RadioGroup.h"
#include "TChart.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

// The acquisition settings handlers on a window without an instrument.
class TForm1SettingsTest : public ::testing::Test {
protected:
    TForm1 form{nullptr};

    template <typename T>
    T* Find(const char* name) {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TChart* Chart(const char* name) { return Find<TChart>(name); }
    const TForm1State& State() { return form.State(); }

    void ChooseRate(int index) {
        Find<QComboBox>("ComboBox3")->setCurrentIndex(index);
        form.ComboBox3Change();
    }
    void ChooseTimeBase0(int index) {
        Find<RadioGroup>("RadioGroup1")->SetItemIndex(index);
        form.RadioGroup1Click();
    }
    void ChooseTimeBase1(int index) {
        Find<RadioGroup>("RadioGroup4")->SetItemIndex(index);
        form.RadioGroup4Click();
    }

    static void ExpectAxis(const QValueAxis* axis, double minimum, double maximum, double increment) {
        EXPECT_DOUBLE_EQ(axis->min(), minimum);
        EXPECT_DOUBLE_EQ(axis->max(), maximum);
        EXPECT_DOUBLE_EQ(axis->tickInterval(), increment);
    }
};

TEST_F(TForm1SettingsTest, SampleRateSetsLengthsTransferAndTimeBaseBeforeTheRun) {
    ChooseRate(4);  // "50k"
    EXPECT_EQ(gSampleRate.load(), 50000);
    EXPECT_EQ(State().FFramesPerRead.load(), 3072);
    EXPECT_EQ(State().FRecordLength0.load(), 3072);
    EXPECT_EQ(State().FRecordLength1.load(), 3072);
    for (const char* group : {"RadioGroup1", "RadioGroup4"}) {
        EXPECT_EQ(Find<RadioGroup>(group)->ItemIndex(), 8) << "20ms";
    }
    for (const char* chart : {"Chart2", "Chart4"}) {
        SCOPED_TRACE(chart);
        ExpectAxis(Chart(chart)->BottomAxis(), 0.0, 3071 * 1000.0 / 50000, 20.0);
        EXPECT_EQ(Chart(chart)->BottomAxis()->titleText(), QStringLiteral("Time  ( ms )"));
    }
}

TEST_F(TForm1SettingsTest, SampleRateClearsTheTracesUnlessACaptureIsShown) {
    for (const int triggered : {0, 1}) {
        gTriggered = triggered;
        for (const char* chart : {"Chart1", "Chart2", "Chart3", "Chart4"}) {
            Chart(chart)->Series(0).AddXY(1.0, 2.0);
        }
        ChooseRate(5);
        for (const char* chart : {"Chart1", "Chart2", "Chart3", "Chart4"}) {
            EXPECT_EQ(Chart(chart)->Series(0).Count(), triggered ? 1 : 0) << chart;
            Chart(chart)->Series(0).Clear();
        }
    }
}

TEST_F(TForm1SettingsTest, SlowestHighRateTimeBaseReadsThirteenBlocks) {
    ChooseRate(1);       // "6.25k"
    ChooseTimeBase0(3);  // "0.1s"
    EXPECT_EQ(State().FRecordLength0.load(), 1592);
    EXPECT_EQ(State().FFramesPerRead.load(), 1664);
    EXPECT_EQ(State().FTimeBaseIndex0.load(), 3);
    ExpectAxis(Chart("Chart2")->BottomAxis(), 0.0, 1591 / 6250.0, 0.1);
    EXPECT_EQ(Chart("Chart2")->BottomAxis()->titleText(), QStringLiteral("Time  ( s )"));
    EXPECT_EQ(Find<QTimer>("Timer1")->interval(), 100);
    EXPECT_EQ(Find<QTimer>("Timer2")->interval(), 100);
}

TEST_F(TForm1SettingsTest, LongestRecordStillReadsOneCommandAtATime) {
    ChooseRate(5);       // "100k"
    ChooseTimeBase0(9);  // "1.0s"
    EXPECT_EQ(State().FRecordLength0.load(), 200704);
    EXPECT_EQ(State().FFramesPerRead.load(), 3072);
}

TEST_F(TForm1SettingsTest, SlowRateReadsOneFrameWhateverTheTimeBase) {
    const std::pair<int, int> lengths[] = {{0, 2}, {9, 256}, {7, 128}};
    for (const auto& [index, length] : lengths) {
        ChooseTimeBase0(index);
        ChooseTimeBase1(index);
        EXPECT_EQ(State().FRecordLength0.load(), length) << index;
        EXPECT_EQ(State().FRecordLength1.load(), length) << index;
        EXPECT_EQ(State().FFramesPerRead.load(), 1) << index;
    }
    EXPECT_EQ(Find<QTimer>("Timer1")->interval(), 90);
    EXPECT_EQ(Find<QTimer>("Timer2")->interval(), 90);
}

TEST_F(TForm1SettingsTest, BothChannelsReadTheLargerNeedWhicheverRanLast) {
    gChannelMask = 3;
    ChooseRate(5);
    ChooseTimeBase0(0);  // "1ms": 512 samples
    ChooseTimeBase1(6);  // "10ms": 3072
    EXPECT_EQ(State().FFramesPerRead.load(), 3072);
    ChooseTimeBase0(0);
    EXPECT_EQ(State().FFramesPerRead.load(), 3072);
    // CH1 alone follows its own need, CH0 alone its own.
    gChannelMask = 1;
    ChooseTimeBase0(0);
    EXPECT_EQ(State().FFramesPerRead.load(), 512);
    gChannelMask = 2;
    ChooseTimeBase0(0);
    EXPECT_EQ(State().FFramesPerRead.load(), 3072);
}

TEST_F(TForm1SettingsTest, VoltsPerDivisionSetTheVerticalAxisAndCaptions) {
    auto* group = Find<RadioGroup>("RadioGroup3");
    group->SetItemCaption(0, QStringLiteral("x"));
    group->SetItemIndex(3);  // "1.0v"
    form.RadioGroup3Click();
    ExpectAxis(Chart("Chart4")->LeftAxis(), -5.0, 5.0, 1.0);
    EXPECT_EQ(group->Items(), QStringList({"0.1v", "0.2v", "0.5v", "1.0v", "2.0v"}));
    // CH0's chart keeps its own scale.
    ExpectAxis(Chart("Chart2")->LeftAxis(), -10.0, 10.0, 2.0);
}

TEST_F(TForm1SettingsTest, FreeRunningTimeBaseClearsTheTraceAndHidesTheOverlays) {
    TChart* chart2 = Chart("Chart2");
    chart2->Series(0).AddXY(0.0, 1.0);
    Chart("Chart1")->Series(0).AddXY(0.0, 1.0);
    Chart("Chart4")->Series(0).AddXY(0.0, 1.0);
    for (const char* name : {"Chart2", "Chart4"}) {
        Chart(name)->Series(1).SetVisible(true);
        Chart(name)->Series(2).SetVisible(true);
    }
    form.RadioGroup1Click();
    EXPECT_EQ(chart2->Series(0).Count(), 0);
    EXPECT_EQ(Chart("Chart1")->Series(0).Count(), 0);
    EXPECT_EQ(Chart("Chart4")->Series(0).Count(), 1) << "CH1's trace is not CH0's business";
    for (const char* name : {"Chart2", "Chart4"}) {
        EXPECT_FALSE(Chart(name)->Series(1).Visible()) << name;
        EXPECT_FALSE(Chart(name)->Series(2).Visible()) << name;
    }
}

TEST_F(TForm1SettingsTest, TriggerModeDrawsTheLevelLineOnTheTriggerChannel) {
    gTriggerMode = 1;
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("1.5"));
    form.RadioGroup1Click();
    form.RadioGroup4Click();
    EXPECT_FLOAT_EQ(gTriggerLevel, 1.5f);
    // 128 samples, a point every 13.
    const SeriesModel& level = Chart("Chart2")->Series(1);
    ASSERT_EQ(level.Count(), 10);
    for (int i = 0; i < level.Count(); ++i) {
        EXPECT_DOUBLE_EQ(level.YValue(i), 1.5);
    }
    EXPECT_EQ(Chart("Chart4")->Series(1).Count(), 0) << "the trigger source is CH0";
    EXPECT_EQ(Chart("Chart2")->Series(2).Count(), 0) << "no capture, no marker";
}

TEST_F(TForm1SettingsTest, ShownCaptureGetsItsTriggerMarker) {
    gTriggered = 1;
    form.RadioGroup4Click();
    const SeriesModel& marker = Chart("Chart4")->Series(2);
    EXPECT_TRUE(marker.Visible());
    EXPECT_TRUE(marker.Dotted());
    ASSERT_EQ(marker.Count(), 21);
    EXPECT_DOUBLE_EQ(marker.YValue(0), -10.0);
    EXPECT_DOUBLE_EQ(marker.YValue(20), 10.0);
    EXPECT_DOUBLE_EQ(marker.XValue(0), 0.0);
}

TEST_F(TForm1SettingsTest, TriggerLevelThatIsNoNumberIsAnError) {
    gTriggerMode = 1;
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("1.2.3"));
    EXPECT_THROW(form.RadioGroup1Click(), std::invalid_argument);
}

}  // namespace
