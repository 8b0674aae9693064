// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

// Unpaced: a 10 Hz sine of 2 V on CH0.
SimOptions SineOnCh0Options() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Sine, 10.0, 2.0, 0.0}, SimSignal{}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "PeakReadout.h"
#include "RadioGroup.h"
#include "TChart.h"
#include "TForm1.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

constexpr int kWaitMs = 20000;

class TForm1AnalysisTest : public ::testing::Test {
protected:
    TForm1 form{DeviceLink{}};

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    SeriesModel& Series(const char* chart) { return Find<TChart>(chart)->Series(0); }
    QStringList Lines(const char* memo) {
        return Find<QPlainTextEdit>(memo)->toPlainText().split(QLatin1Char('\n'));
    }
    static QStringList Expected(std::initializer_list<const char*> listed) {
        QStringList lines;
        for (const char* line : listed) {
            lines.push_back(QString::fromLatin1(line));
        }
        for (qsizetype i = lines.size(); i < 6; ++i) {
            lines.push_back(QStringLiteral("F%1: --").arg(i + 1));
        }
        return lines;
    }
};

TEST_F(TForm1AnalysisTest, DemosDrawTheirWaveSpectrumAndPeaksOnChannelZeroOnly) {
    struct Demo {
        void (TForm1::*click)();
        QStringList lines;
    };
    const Demo demos[] = {
        {&TForm1::Image9Click, Expected({"F1: (7.00,  0.50)"})},
        {&TForm1::Image11Click, Expected({"F1: (10.00,  0.50)", "F2: (20.00,  1.50)"})},
        {&TForm1::Image12Click, Expected({"F1: (5.00,  0.50)", "F2: (10.00,  1.50)", "F3: (15.00,  2.00)"})},
    };
    for (const Demo& demo : demos) {
        (form.*demo.click)();
        EXPECT_EQ(Lines("Memo3"), demo.lines);
        EXPECT_EQ(Series("Chart2").Count(), 128);
        ASSERT_EQ(Series("Chart1").Count(), 64);
        EXPECT_EQ(Series("Chart1").XValue(0), 0.0);
        EXPECT_EQ(Series("Chart1").XValue(63), 31.5);
        EXPECT_EQ(Series("Chart3").Count() + Series("Chart4").Count(), 0);
        EXPECT_TRUE(form.State().FStopRequested);
        EXPECT_TRUE(Find<QLabel>("Panel6")->isHidden());
    }
}

TEST_F(TForm1AnalysisTest, DemoFollowsTheChannelZeroTimeBaseUnit) {
    form.Image11Click();
    auto* timeBase = Find<RadioGroup>("RadioGroup1");
    for (const auto& [index, last] : {std::pair{3, 1.984375}, std::pair{1, 1984.375}}) {
        timeBase->SetItemIndex(index);
        form.RadioGroup1Click();
        const SeriesModel& trace = Series("Chart2");
        ASSERT_EQ(trace.Count(), 128);
        EXPECT_EQ(trace.XValue(0), 0.0);
        EXPECT_DOUBLE_EQ(trace.XValue(127), last);
        EXPECT_EQ(Lines("Memo3")[1], QStringLiteral("F2: (20.00,  1.50)"));
    }
}

// A press of any button writes the values under the pointer; the chart's
// next redraw wipes them.
TEST_F(TForm1AnalysisTest, CursorReadoutShowsTheValuesUnderThePointerUntilTheNextRedraw) {
    form.show();
    form.Image9Click();
    auto* chart = Find<TChart>("Chart2");
    chart->Push();
    const QPoint at(chart->CalcXPosValue(1.0), chart->CalcYPosValue(1.5));
    QTest::mousePress(chart->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(chart->viewport(), Qt::RightButton, {}, at);
    double x = 0.0;
    double y = 0.0;
    chart->GetCursorValues(at.x(), at.y(), x, y);
    EXPECT_NEAR(x, 1.0, 0.05);
    EXPECT_NEAR(y, 1.5, 0.2);
    EXPECT_EQ(chart->OverlayText().toStdString(), CursorReadoutText(x, y));

    chart->Series(0).AddXY(2.0, 0.0);
    chart->Push();
    EXPECT_TRUE(chart->OverlayText().isEmpty());
}

// The analysis thread on the simulated instrument: a 10 Hz sine of 2 V on
// CH0 at 6250 samples/s, CH1 shown as well.
class TForm1LiveAnalysisTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(SineOnCh0Options());
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = nullptr,
                           .simulator = sim}};

    void SetUp() override {
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        form.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(1);
        form.ComboBox3Change();
        form.Image15Click();
        ASSERT_EQ(gChannelMask.load(), 3);
    }
    SeriesModel& Series(const char* chart) {
        return form.findChild<TChart*>(QString::fromLatin1(chart))->Series(0);
    }
    bool Listed() {
        return form.findChild<QPlainTextEdit*>(QStringLiteral("Memo3"))
            ->toPlainText()
            .startsWith(QStringLiteral("F1: ("));
    }
};

TEST_F(TForm1LiveAnalysisTest, TriggeredCaptureIsAnalysedOncePerChannelAndStopsTheRun) {
    form.Image1Click();
    form.Image5Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gTriggered == 1; }, kWaitMs));
    EXPECT_EQ(gAnalysisOnce, 1);
    // The thread's end arrives after its results and clears the request.
    ASSERT_TRUE(QTest::qWaitFor([&] { return gAnalysisOnce == 0; }, kWaitMs));
    EXPECT_FALSE(form.AnalysisRunning());
    EXPECT_TRUE(form.State().FStopRequested);
    EXPECT_EQ(Series("Chart1").Count(), 1536);
    EXPECT_EQ(Series("Chart3").Count(), 1536);
    EXPECT_TRUE(Listed());
}

TEST_F(TForm1LiveAnalysisTest, FreeRunningSpectraFollowUntilCloseJoinsTheSleepingThread) {
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Listed() && Series("Chart3").Count() > 0; }, kWaitMs));
    EXPECT_TRUE(form.AnalysisRunning());
    EXPECT_EQ(Series("Chart1").Count(), 1536);
    form.FormClose();
    EXPECT_FALSE(form.AnalysisRunning());
}

}  // namespace
