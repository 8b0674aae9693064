// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

constexpr double kSineHz = 10.0;
constexpr double kSineVolts = 2.0;

// Unpaced, so a run delivers its frames as fast as they are read; a 10 Hz
// sine of 2 V on CH0.
SimOptions SineOnCh0() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Sine, kSineHz, kSineVolts, 0.0}, SimSignal{}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>

#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <numbers>

#include "FrameDecoder.h"
#include "TChart.h"
#include "TForm1.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

constexpr int kRate = 6250;
constexpr int kScreen = 3072;  // 6250 S/s selects "0.2s": 3072 samples

// A window on that simulated instrument, found by the window's own
// detection and set to 6250 S/s.
class TForm1DisplayTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(SineOnCh0());
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = nullptr,
                           .simulator = sim}};

    void SetUp() override {
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        Find<QComboBox>("ComboBox3")->setCurrentIndex(1);
        form.ComboBox3Change();
    }

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }
    SeriesModel& Trace() { return Find<TChart>("Chart2")->Series(0); }
    bool Queued() { return form.State().FBlockQueue.CountA() + form.State().FBlockQueue.CountB() > 0; }

    // Ticks as the timer would, each once the reader has queued something,
    // until done or a bounded number of ticks has passed.
    void TickUntil(void (TForm1::*tick)(), const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return Queued(); }, 20000));
            (form.*tick)();
        }
        ASSERT_TRUE(done());
    }
};

TEST_F(TForm1DisplayTest, TriggeredCaptureFreezesWithTheRisingCrossingAtAFifthOfTheScreen) {
    form.Image1Click();  // trigger on: CH0, rising, 0 V as the form holds them
    form.Image5Click();
    ASSERT_EQ(gTriggerState, 1);
    QTimer* timer2 = Find<QTimer>("Timer2");
    TickUntil(&TForm1::Timer2Timer, [&] { return !timer2->isActive(); });

    EXPECT_EQ(gTriggered, 1);
    EXPECT_EQ(gTriggerMode, 0);
    EXPECT_EQ(gAnalysisOnce, 1);
    EXPECT_EQ(form.State().FTriggerPos, kScreen / 5);
    EXPECT_EQ(form.State().FCapturedLength, kScreen);
    const SeriesModel& trace = Trace();
    ASSERT_EQ(trace.YCount(), kScreen);
    ASSERT_EQ(gCapturedTrace0.size(), static_cast<std::size_t>(kScreen));
    EXPECT_GE(trace.YValue(kScreen / 5), 0.0);
    EXPECT_LT(trace.YValue(kScreen / 5 - 1), 0.0);
    const SeriesModel& marker = Find<TChart>("Chart2")->Series(2);
    EXPECT_TRUE(marker.Visible());
    EXPECT_DOUBLE_EQ(marker.XValue(0), TraceEngine::TimeOf(kScreen / 5, 5, kRate));

    // The screen holds consecutive samples of the sine: at some phase every
    // drawn value is within one raw step of the signal.
    const int period = static_cast<int>(kRate / kSineHz);
    double best = 1e9;
    for (int phase = 0; phase < period; ++phase) {
        double worst = 0.0;
        for (int i = 0; i < kScreen && worst < best; ++i) {
            const double t = static_cast<double>((phase + i) % period) / kRate;
            worst = std::max(worst, std::fabs(trace.YValue(i) -
                                              kSineVolts * std::sin(2 * std::numbers::pi * kSineHz * t)));
        }
        best = std::min(best, worst);
    }
    EXPECT_LE(best, kVoltsPerRawStep);

    EXPECT_EQ(Find<QLabel>("Panel6")->text(), QStringLiteral("Trigger is complete"));
    EXPECT_FALSE(Find<TImage>("Image1")->isHidden());
    EXPECT_TRUE(Find<TImage>("Image2")->isHidden());
    EXPECT_TRUE(Find<QLineEdit>("Edit3")->isEnabled());
    EXPECT_FALSE(Find<TChart>("Chart2")->Series(1).Visible()) << "level line hidden";
    const auto* label = Find<QLabel>("TriggerLabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parent(), Find<TChart>("Chart2"));
    EXPECT_EQ(label->text(), QStringLiteral("had been triggered here"));
    EXPECT_EQ(label->size(), QSize(450, 15));
    EXPECT_EQ(Find<QLineEdit>("Edit5")->text(), QString::asprintf("%.2f", double{gPrevTriggerVolt}));

    // The label follows the point it marks through a zoom away from it and
    // back.
    TChart* chart2 = Find<TChart>("Chart2");
    form.show();  // laid out: the plot area takes its size
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(label->isVisibleTo(chart2));
    QSignalSpy zoomed(chart2, &TChart::ZoomFinished);
    const QRectF plot = chart2->chart()->plotArea();
    chart2->ZoomRect(QRectF(plot.right() - 40, plot.top(), 30, 30));
    ASSERT_TRUE(zoomed.count() == 1 || zoomed.wait());
    EXPECT_FALSE(label->isVisibleTo(chart2));
    chart2->UndoZoom();
    ASSERT_TRUE(zoomed.count() == 2 || zoomed.wait());
    EXPECT_TRUE(label->isVisibleTo(chart2));
    EXPECT_EQ(label->pos(), QPoint(chart2->CalcXPosValue(TraceEngine::TimeOf(kScreen / 5, 5, kRate)) + 5,
                                   chart2->CalcYPosValue(gTriggerLevel) - 20));
}

TEST_F(TForm1DisplayTest, FreeRunningRollsReadsOutAndStopsAtTheFlagWithoutTouchingTheCharts) {
    form.Button1Click();
    // The test drives the ticks itself: a timer tick from the event loop
    // between the readout and the check would move gVolt0 on.
    Find<QTimer>("Timer1")->stop();
    QLineEdit* edit5 = Find<QLineEdit>("Edit5");
    TickUntil(&TForm1::Timer1Timer, [&] { return !edit5->text().isEmpty(); });
    EXPECT_EQ(Trace().Count(), kScreen);
    EXPECT_TRUE(form.State().FAnalysisStarted);
    EXPECT_EQ(gAnalysisOnce, 0) << "free running analyses until stopped";
    EXPECT_EQ(edit5->text(), QString::asprintf("%.2f", double{gVolt0}));

    form.Button6Click();
    QTimer* timer1 = Find<QTimer>("Timer1");
    timer1->start();  // a timeout already on its way when Stop ran
    const std::uint64_t version = Trace().Version();
    const QString readout = edit5->text();
    form.Timer1Timer();
    EXPECT_FALSE(timer1->isActive());
    EXPECT_EQ(Trace().Version(), version);
    EXPECT_EQ(edit5->text(), readout);
}

}  // namespace
