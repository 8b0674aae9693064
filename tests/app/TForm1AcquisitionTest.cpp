// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <chrono>
#include <functional>
#include <thread>

#include "TChart.h"
#include "TForm1.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

bool WaitUntil(const std::function<bool()>& done) {
    // A limit only so that a broken run fails instead of hanging.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

DeviceLink SimulatedLink(const std::shared_ptr<SimulatedInstrument>& sim) {
    DeviceLink link;
    link.drives = std::make_shared<SimDriveAccess>(sim);
    link.discovery = std::make_shared<SimDeviceDiscovery>(sim);
    link.simulator = sim;
    return link;
}

// Start, Stop and Clear of a window whose instrument is the simulated one,
// found by the window's own detection.
class TForm1AcquisitionTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>();
    TForm1 form{SimulatedLink(sim)};
    QSignalSpy messages{&form, &TForm1::MessageShown};

    void SetUp() override {
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        ASSERT_NE(form.State().FDeviceHandle.load(), nullptr);
    }

    template <typename T>
    T* Find(const char* name) {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    bool TimerActive(const char* name) { return Find<QTimer>(name)->isActive(); }
    int Queued() { return form.State().FBlockQueue.CountA() + form.State().FBlockQueue.CountB(); }
    QStringList Messages() {
        QStringList texts;
        for (const QList<QVariant>& args : messages) {
            texts << args.at(0).toString();
        }
        return texts;
    }
};

TEST_F(TForm1AcquisitionTest, FreeRunningStartRunsOneReaderThatFeedsTheQueue) {
    form.Button1Click();
    EXPECT_EQ(form.Readers().Active(), 1);
    EXPECT_TRUE(TimerActive("Timer1"));
    EXPECT_FALSE(TimerActive("Timer2"));
    EXPECT_FALSE(form.State().FStopRequested.load());
    EXPECT_FALSE(Find<TImage>("Image4")->isEnabled()) << "no Clear while running";
    EXPECT_TRUE(Find<TImage>("Image8")->isHidden());
    EXPECT_FALSE(Find<TImage>("Image7")->isHidden());
    EXPECT_TRUE(WaitUntil([&] { return Queued() > 0; }));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TForm1AcquisitionTest, StartWhileRunningReplacesTheReader) {
    form.Button1Click();
    form.Button1Click();
    EXPECT_EQ(form.Readers().Count(), 1) << "the old reader was joined";
    EXPECT_EQ(form.Readers().Active(), 1);
}

TEST_F(TForm1AcquisitionTest, TriggeredStartArmsTheCapture) {
    gTriggerMode = 1;
    gCapturedTrace0 = {1.0f, 2.0f};
    gCapturedTrace1 = {3.0f};
    form.Button1Click();
    EXPECT_EQ(form.Readers().Active(), 1);
    EXPECT_TRUE(TimerActive("Timer2"));
    EXPECT_FALSE(TimerActive("Timer1"));
    auto* panel = Find<QLabel>("Panel6");
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->text(), QStringLiteral("Wait for trigger"));
    EXPECT_EQ(gTriggerState, 1);
    EXPECT_FLOAT_EQ(gPrevTriggerVolt, 255.0f);
    EXPECT_TRUE(gCapturedTrace0.empty());
    EXPECT_TRUE(gCapturedTrace1.empty());
}

TEST_F(TForm1AcquisitionTest, IncompleteTriggerLevelRefusesAndTheRunGoesOn) {
    form.Button1Click();
    gTriggerMode = 1;
    for (const char* text : {"-", "+", ""}) {
        Find<QLineEdit>("Edit3")->setText(QString::fromLatin1(text));
        form.Button1Click();
        EXPECT_EQ(form.Readers().Active(), 1) << text;
        EXPECT_TRUE(TimerActive("Timer1")) << text;
        EXPECT_FALSE(form.State().FStopRequested.load()) << text;
    }
    EXPECT_EQ(Messages(), QStringList(3, QStringLiteral("Please input valid voltage!")));
}

TEST_F(TForm1AcquisitionTest, StopEndsTheRunAndOffersStartAndClear) {
    form.Button1Click();
    form.Button6Click();
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_EQ(form.Readers().Active(), 0);
    for (const char* timer : {"Timer1", "Timer2", "Timer4"}) {
        EXPECT_FALSE(TimerActive(timer)) << timer;
    }
    EXPECT_TRUE(Find<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(Find<TImage>("Image4")->isEnabled());
}

TEST_F(TForm1AcquisitionTest, CloseWhileRunningJoinsTheReaderAndEmptiesTheQueue) {
    form.Button1Click();
    ASSERT_TRUE(WaitUntil([&] { return Queued() > 0; }));
    form.FormClose();
    EXPECT_EQ(form.Readers().Count(), 0);
    EXPECT_EQ(Queued(), 0);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
    form.FormClose();  // a second close finds nothing left to do
}

struct ClearCase {
    int triggerMode;
    bool overlaysKept;
};

class TForm1ClearTest : public TForm1AcquisitionTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(TForm1ClearTest, ClearEmptiesTheChartsAndKeepsLevelLinesOnlyInTriggerMode) {
    gTriggerMode = GetParam().triggerMode;
    gTriggered = 1;
    gDemoWave = 2;
    for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4"}) {
        Find<TChart>(name)->Series(0).AddXY(0.0, 1.0);
    }
    for (const char* name : {"Chart2", "Chart4"}) {
        Find<TChart>(name)->Series(1).SetVisible(true);
    }
    Find<QLabel>("Panel6")->show();
    Find<QLabel>("Label3")->setText(QStringLiteral("12"));
    Find<QLineEdit>("Edit5")->setText(QStringLiteral("1.00"));

    form.Button7Click();

    for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4"}) {
        EXPECT_EQ(Find<TChart>(name)->Series(0).Count(), 0) << name;
    }
    for (const char* name : {"Chart2", "Chart4"}) {
        EXPECT_EQ(Find<TChart>(name)->Series(1).Visible(), GetParam().overlaysKept) << name;
    }
    EXPECT_EQ(Find<QLabel>("Panel6")->isHidden(), !GetParam().overlaysKept);
    EXPECT_EQ(gTriggered, 0);
    EXPECT_EQ(gDemoWave, 0);
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("0"));
    EXPECT_TRUE(Find<QLineEdit>("Edit5")->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Modes, TForm1ClearTest, ::testing::Values(ClearCase{1, true}, ClearCase{0, false}),
                         [](const ::testing::TestParamInfo<ClearCase>& info) {
                             return std::string(info.param.triggerMode ? "Triggered" : "FreeRunning");
                         });

TEST(TForm1NoDeviceTest, StartRefusesAndLeavesNothingRunning) {
    TForm1 form(nullptr);
    QSignalSpy messages(&form, &TForm1::MessageShown);
    auto* edit5 = form.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    auto* edit6 = form.findChild<QLineEdit*>(QStringLiteral("Edit6"));
    edit5->setText(QStringLiteral("1.00"));
    edit6->setText(QStringLiteral("2.00"));

    form.Button1Click();

    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("No device found, please check it!"));
    EXPECT_EQ(form.Readers().Count(), 0);
    for (const char* timer : {"Timer1", "Timer2"}) {
        EXPECT_FALSE(form.findChild<QTimer*>(QString::fromLatin1(timer))->isActive()) << timer;
    }
    EXPECT_TRUE(edit5->text().isEmpty());
    EXPECT_TRUE(edit6->text().isEmpty());
}

}  // namespace
