#include "SimulatedLink.h"  // before any Qt header

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "TChart.h"
#include "TForm1.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

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
        return form.findChild<T*>(QString::fromLatin1(name));
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
    form.Button1Click();  // the first run's reader is joined, not doubled
    EXPECT_EQ(form.Readers().Count(), 1);
    EXPECT_EQ(form.Readers().Active(), 1);
    EXPECT_TRUE(TimerActive("Timer1"));
    EXPECT_FALSE(TimerActive("Timer2"));
    EXPECT_FALSE(Find<TImage>("Image4")->isEnabled()) << "no Clear while running";
    EXPECT_TRUE(Find<TImage>("Image8")->isHidden());
    EXPECT_FALSE(Find<TImage>("Image7")->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Queued() > 0; }, 20000));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TForm1AcquisitionTest, TriggeredStartArmsTheCapture) {
    gTriggerMode = 1;
    gCapturedTrace0 = {1.0f, 2.0f};
    form.Button1Click();
    EXPECT_EQ(form.Readers().Active(), 1);
    EXPECT_TRUE(TimerActive("Timer2"));
    EXPECT_FALSE(TimerActive("Timer1"));
    EXPECT_EQ(Find<QLabel>("Panel6")->text(), QStringLiteral("Wait for trigger"));
    EXPECT_EQ(gTriggerState, 1);
    EXPECT_TRUE(gCapturedTrace0.empty());
}

TEST_F(TForm1AcquisitionTest, IncompleteTriggerLevelRefusesAndTheRunGoesOn) {
    form.Button1Click();
    gTriggerMode = 1;
    for (const char* text : {"-", "+", "", "1.2.3"}) {
        Find<QLineEdit>("Edit3")->setText(QString::fromLatin1(text));
        form.Button1Click();
        EXPECT_EQ(form.Readers().Active(), 1) << text;
        EXPECT_TRUE(TimerActive("Timer1")) << text;
    }
    // "1.2.3" is refused twice: once as it is typed, once by Start.
    EXPECT_EQ(Messages(), QStringList(5, QStringLiteral("Please input valid voltage!")));
}

TEST_F(TForm1AcquisitionTest, StopAndCloseEndTheReaderBeforeTheStateGoes) {
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Queued() > 0; }, 20000));
    form.Button6Click();
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_EQ(form.Readers().Active(), 0);
    EXPECT_FALSE(TimerActive("Timer1"));
    EXPECT_TRUE(Find<TImage>("Image4")->isEnabled());
    form.FormClose();
    EXPECT_EQ(form.Readers().Count(), 0);
    EXPECT_EQ(Queued(), 0) << "the reader empties the queue on its way out";
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
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
    auto* memo3 = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo3"));
    memo3->setPlainText(QStringLiteral("F1: (7.00,  0.50)\nF2: --\nF3: --\nF4: --\nF5: --\nF6: --"));

    form.Button1Click();

    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("No device found, please check it!"));
    EXPECT_EQ(form.Readers().Count(), 0);
    for (const char* timer : {"Timer1", "Timer2"}) {
        EXPECT_FALSE(form.findChild<QTimer*>(QString::fromLatin1(timer))->isActive()) << timer;
    }
    EXPECT_TRUE(edit5->text().isEmpty());
    EXPECT_TRUE(edit6->text().isEmpty());
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("Image4"))->isEnabled()) << "Clear available";
    EXPECT_TRUE(memo3->toPlainText().startsWith(QStringLiteral("F1: --")))
        << memo3->toPlainText().toStdString();
}

}  // namespace
