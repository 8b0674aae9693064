// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

// Unpaced: a 10 Hz sine of 2 V on CH0, 20 Hz of 1 V on CH1.
SimOptions SineOptions() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Sine, 10.0, 2.0, 0.0},
                                SimSignal{SimShape::Sine, 20.0, 1.0, 0.0}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
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
    explicit TForm1AnalysisTest(DeviceLink link = {}) : form(std::move(link)) {}

    TForm1 form;

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    SeriesModel& Series(const char* chart) { return Find<TChart>(chart)->Series(0); }
    QStringList Lines(const char* memo) {
        return Find<QPlainTextEdit>(memo)->toPlainText().split(QLatin1Char('\n'));
    }
    static QStringList Expected(QStringList lines) {
        while (lines.size() < 6) {
            lines.push_back(QStringLiteral("F%1: --").arg(lines.size() + 1));
        }
        return lines;
    }
    bool Listed() { return Lines("Memo3")[0].startsWith(QStringLiteral("F1: (")); }
};

// Each demo: its wave on CH0, the drawn half of its spectrum and its peaks;
// nothing on CH1. A CH0 time base in seconds or milliseconds redraws it in
// that unit.
TEST_F(TForm1AnalysisTest, DemosDrawTheirWaveSpectrumAndPeaksInTheTimeBasesUnit) {
    const std::pair<void (TForm1::*)(), QStringList> demos[] = {
        {&TForm1::Image9Click, Expected({"F1: (7.00,  0.50)"})},
        {&TForm1::Image11Click, Expected({"F1: (10.00,  0.50)", "F2: (20.00,  1.50)"})},
        {&TForm1::Image12Click, Expected({"F1: (5.00,  0.50)", "F2: (10.00,  1.50)", "F3: (15.00,  2.00)"})},
    };
    for (const auto& [click, lines] : demos) {
        (form.*click)();
        for (const auto& [timeBase, last] :
             {std::pair{-1, 1.984375}, std::pair{3, 1.984375}, std::pair{1, 1984.375}}) {
            if (timeBase >= 0) {
                Find<RadioGroup>("RadioGroup1")->SetItemIndex(timeBase);
                form.RadioGroup1Click();
            }
            EXPECT_EQ(Lines("Memo3"), lines);
            ASSERT_EQ(Series("Chart2").Count(), 128);
            EXPECT_EQ(Series("Chart2").XValue(0), 0.0);
            EXPECT_DOUBLE_EQ(Series("Chart2").XValue(127), last);
            ASSERT_EQ(Series("Chart1").Count(), 64);
            EXPECT_EQ(Series("Chart1").XValue(63), 31.5);
            EXPECT_EQ(Series("Chart3").Count() + Series("Chart4").Count(), 0);
        }
        EXPECT_TRUE(form.State().FStopRequested);
        EXPECT_TRUE(Find<QLabel>("Panel6")->isHidden());
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
// CH0 and CH1 at 6250 samples/s.
class TForm1LiveAnalysisTest : public TForm1AnalysisTest {
protected:
    static DeviceLink Link(const std::shared_ptr<SimulatedInstrument>& sim) {
        return {.drives = std::make_shared<SimDriveAccess>(sim),
                .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                .hotplug = nullptr,
                .simulator = sim};
    }
    TForm1LiveAnalysisTest()
        : TForm1AnalysisTest(Link(std::make_shared<SimulatedInstrument>(SineOptions()))) {}

    void SetUp() override {
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        Find<QComboBox>("ComboBox3")->setCurrentIndex(1);
        form.ComboBox3Change();
        form.Image15Click();
        ASSERT_EQ(gChannelMask.load(), 3);
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

TEST_F(TForm1LiveAnalysisTest, WhatTheWindowShowsIsTheStateInForce) {
    const QStringList empty = Expected({});
    auto shown = [&](const char* name) { return !Find<QWidget>(name)->isHidden(); };
    auto readouts = [&] { return Find<QLineEdit>("Edit5")->text() + Find<QLineEdit>("Edit6")->text(); };
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Listed() && !readouts().isEmpty(); }, kWaitMs));
    // A new rate clears the spectra, and their peaks with them.
    Find<QComboBox>("ComboBox3")->setCurrentIndex(2);
    form.ComboBox3Change();
    EXPECT_EQ(Lines("Memo3"), empty);
    EXPECT_EQ(Lines("Memo5"), empty);
    // A demo during a run: the run's readouts, CH1 peaks and Hold go.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lines("Memo5") != empty; }, kWaitMs));
    ASSERT_TRUE(shown("Image7"));
    form.Image9Click();
    EXPECT_EQ(Lines("Memo5"), empty);
    EXPECT_TRUE(readouts().isEmpty());
    EXPECT_TRUE(!shown("Image7") && shown("Image8"));
    // Hold while waiting for a trigger that never comes: nothing waits.
    Find<QLineEdit>("Edit3")->setText(QStringLiteral("9"));
    form.Image1Click();
    form.Image5Click();
    ASSERT_TRUE(shown("Panel6"));
    form.Image7Click();
    EXPECT_FALSE(shown("Panel6"));
    // A demo while waiting turns trigger mode off and frees the level.
    form.Image5Click();
    ASSERT_FALSE(Find<QLineEdit>("Edit3")->isEnabled());
    form.Image11Click();
    EXPECT_TRUE(shown("Image1") && !shown("Image2"));
    EXPECT_TRUE(Find<QLineEdit>("Edit3")->isEnabled() && Find<QSpinBox>("SpinEdit1")->isEnabled());
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
