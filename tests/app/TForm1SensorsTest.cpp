// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

constexpr double kBpm = 72.0;

// Unpaced, so the run delivers its frames as fast as they are read.
SimOptions HeartOnCh0() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Heart, kBpm / 60.0, 1.5, 0.0}, SimSignal{}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "TForm1.h"
#include "TForm8.h"
#include "TFrequencySensorFrom.h"
#include "Unit1Globals.h"

namespace {

class TForm1SensorsTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(HeartOnCh0());
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = nullptr,
                           .simulator = sim}};
    TFrequencySensorFrom pulse;
    TForm8 distance;

    void SetUp() override {
        form.AttachWindows(nullptr, nullptr, nullptr, &pulse, &distance);
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
    }
    QAction* Action(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }
    bool Queued() { return form.State().FBlockQueue.CountA() + form.State().FBlockQueue.CountB() > 0; }
};

TEST_F(TForm1SensorsTest, PulseWindowReadsTheHeartRateOfAFreeRunningRun) {
    Action("FrequencySensor1")->trigger();
    ASSERT_TRUE(pulse.Active());
    form.Button1Click();
    form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();  // the test ticks itself
    QLineEdit* bpm = pulse.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    // Six seconds of samples at least, a bounded number of ticks.
    for (int i = 0; i < 2000 && bpm->text().isEmpty(); ++i) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return Queued(); }, 20000));
        form.Timer1Timer();
    }
    ASSERT_FALSE(bpm->text().isEmpty());
    EXPECT_NEAR(bpm->text().toDouble(), kBpm, 1.0) << bpm->text().toStdString();
    form.Button2Click();
}

TEST_F(TForm1SensorsTest, PulseWindowStaysClosedAtAnotherRate) {
    QComboBox* rate = form.findChild<QComboBox*>(QStringLiteral("ComboBox3"));
    rate->setCurrentIndex(1);
    form.ComboBox3Change();
    QSignalSpy messages(&form, &TForm1::MessageShown);
    Action("FrequencySensor1")->trigger();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages[0][0].toString(), QStringLiteral("Please select sample rate lower!"));
    EXPECT_FALSE(pulse.Active());
    EXPECT_TRUE(pulse.isHidden());
}

TEST_F(TForm1SensorsTest, DistanceWindowReadsTheLastConvertedValue) {
    Action("DistanceSensor1")->trigger();
    EXPECT_TRUE(distance.isVisible());
    gSensorVolt = 1.0f;
    distance.Button1Click();
    distance.Timer2Timer();
    EXPECT_EQ(distance.findChild<QLineEdit*>(QStringLiteral("Edit9"))->text(), QStringLiteral("33.000"));
    gSensorVolt = 7.0f;
    distance.Timer2Timer();
    EXPECT_EQ(distance.findChild<QLineEdit*>(QStringLiteral("Edit9"))->text(),
              QStringLiteral("Out of Range"));
    distance.close();
}

}  // namespace
