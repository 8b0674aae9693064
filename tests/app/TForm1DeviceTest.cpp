// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "device/HotplugEvent.h"
#include "device/ScsiCommands.h"

namespace {

// Generous: these wait for the event loop to deliver, not for a speed.
constexpr int kEventWaitMs = 20000;

// Another vendor's disk: answers INQUIRY, but not as the instrument.
class OtherDisk : public ScsiTransport {
public:
    ScsiResult Execute(const ScsiCommand& command) override {
        ScsiResult result;
        result.ok = true;
        if (command.cdb[0] == kInquiryOpcode && command.data != nullptr) {
            std::memset(command.data, 0, command.dataLength);
            std::memcpy(command.data + 8, "ACME    USB Flash Disk  ", 24);
            result.transferred = command.dataLength;
        }
        return result;
    }
};

// Drives as a test lays them out: each open of another disk makes a new
// handle, as opening a real drive does, and the test can see whether it was
// let go.
class FakeDrives : public DriveAccess {
public:
    std::map<char, std::shared_ptr<ScsiTransport>> instruments;
    std::vector<char> otherDisks;
    std::vector<char> opened;
    std::vector<std::weak_ptr<ScsiTransport>> otherHandles;

    std::shared_ptr<ScsiTransport> Open(char drive) override {
        opened.push_back(drive);
        if (const auto it = instruments.find(drive); it != instruments.end()) {
            return it->second;
        }
        if (std::find(otherDisks.begin(), otherDisks.end(), drive) != otherDisks.end()) {
            auto disk = std::make_shared<OtherDisk>();
            otherHandles.push_back(disk);
            return disk;
        }
        return nullptr;
    }

    int OtherHandlesStillOpen() const {
        return static_cast<int>(std::count_if(otherHandles.begin(), otherHandles.end(),
                                              [](const auto& handle) { return !handle.expired(); }));
    }
};

class FakeDiscovery : public DeviceDiscovery {
public:
    IdentityScan scan;
    int refreshes = 0;

    void RefreshDrives() override { ++refreshes; }
    IdentityScan ScanIdentities() override { return scan; }
};

constexpr const char* kInstrumentPath =
    "\\\\?\\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc13_20&0#{53f56307-b6bf-11d0-94f2-"
    "00a0c91efb8b}";
constexpr const char* kMousePath =
    "\\\\?\\hid#vid_046d&pid_c52b&mi_00#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb}";

std::shared_ptr<SimulatedInstrument> Instrument(const char* window = "OSC80") {
    SimOptions options;
    options.identityWindow = window;
    options.paced = false;
    return std::make_shared<SimulatedInstrument>(options);
}

QString Edit2Text(const TForm1& form) {
    return form.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text();
}

// A window on fake drives and a fake discovery.
class TForm1DeviceTest : public ::testing::Test {
protected:
    TForm1DeviceTest() : form(Link()) {}

    DeviceLink Link() {
        DeviceLink device;
        device.drives = drives;
        device.discovery = discovery;
        return device;
    }

    std::shared_ptr<FakeDrives> drives = std::make_shared<FakeDrives>();
    std::shared_ptr<FakeDiscovery> discovery = std::make_shared<FakeDiscovery>();
    TForm1 form;
};

TEST_F(TForm1DeviceTest, TheInstrumentOnTheFourthDiskIsFoundAndTheOthersReleased) {
    const auto instrument = Instrument();
    drives->otherDisks = {'0', '1', '2', '4'};
    drives->instruments['3'] = instrument;

    form.Button3Click();

    EXPECT_EQ(drives->opened, (std::vector<char>{'0', '1', '2', '3'}));
    EXPECT_EQ(gDeviceDrive, '3');
    EXPECT_TRUE(gDeviceFound);
    EXPECT_EQ(form.State().FDeviceHandle.load(), instrument);
    EXPECT_EQ(drives->otherHandles.size(), 3u);
    EXPECT_EQ(drives->OtherHandlesStillOpen(), 0);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    // Which disk a digit opens is decided afresh before the scan.
    EXPECT_EQ(discovery->refreshes, 1);
}

TEST_F(TForm1DeviceTest, WithoutTheInstrumentNoHandleStaysOpen) {
    drives->otherDisks = {'0', '1', '2'};

    form.Button3Click();

    EXPECT_EQ(drives->opened.size(), 10u);
    EXPECT_EQ(gDeviceDrive, 0);
    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
    EXPECT_EQ(drives->OtherHandlesStillOpen(), 0);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("No device found!"));
}

TEST_F(TForm1DeviceTest, AFailedInquiryDoesNotMatchOnTheLastAnswer) {
    const auto instrument = Instrument();
    drives->instruments['0'] = instrument;
    form.Button3Click();
    ASSERT_TRUE(gDeviceFound);

    // The buffer still holds "KRV" / "Osc" from the scan before; this time
    // TEST UNIT READY and INQUIRY both fail.
    instrument->FailNextCommands(2);
    form.Button3Click();

    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(gDeviceDrive, 0);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("No device found!"));
}

TEST_F(TForm1DeviceTest, TheZeroAdjustmentComesFromTheFirstInstrumentIdentity) {
    drives->instruments['0'] = Instrument();
    discovery->scan.identities = {
        "\\\\?\\usbstor#disk&ven_sandisk&prod_cruzer#osc1_1&0#{53f56307}",
        kInstrumentPath,
        "\\\\?\\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc5_5&0#{53f56307}",
    };

    form.Button3Click();

    EXPECT_FLOAT_EQ(form.State().FZeroAdjust0.load(), -0.40f);
    EXPECT_FLOAT_EQ(form.State().FZeroAdjust1.load(), 0.19f);
}

TEST_F(TForm1DeviceTest, AScanThatCannotStartSaysSoOnStandardError) {
    drives->instruments['0'] = Instrument();
    discovery->scan.error = 5;
    discovery->scan.identities = {kInstrumentPath};

    testing::internal::CaptureStderr();
    form.Button3Click();
    const std::string written = testing::internal::GetCapturedStderr();

    EXPECT_EQ(written, "IOCTL_STORAGE_GET_DEVICE_NUMBER Error: 5\n");
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    EXPECT_EQ(form.State().FZeroAdjust0.load(), 0.0f);
    EXPECT_EQ(form.State().FZeroAdjust1.load(), 0.0f);
}

TEST_F(TForm1DeviceTest, OnlyEventsOfTheInstrumentDetect) {
    drives->instruments['0'] = Instrument();
    const HotplugEvent others[] = {
        {HotplugAction::Arrival, kDeviceInterfaceHeader, kMousePath},
        {HotplugAction::RemoveComplete, kDeviceInterfaceHeader, kMousePath},
        {HotplugAction::Other, kDeviceInterfaceHeader, kInstrumentPath},
        {HotplugAction::Arrival, 2, kInstrumentPath},
    };
    for (const HotplugEvent& event : others) {
        form.OnDeviceChange(event);
    }
    EXPECT_TRUE(drives->opened.empty());
    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("No device found!"));

    form.OnDeviceChange({HotplugAction::Arrival, kDeviceInterfaceHeader, kInstrumentPath});
    EXPECT_TRUE(gDeviceFound);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
}

TEST_F(TForm1DeviceTest, TheReconnectPollReopensOnlyTheInstrument) {
    const auto instrument = Instrument();
    drives->instruments['2'] = instrument;
    gDeviceDrive = '2';
    gDeviceFound = true;

    form.Timer3Timer();
    EXPECT_TRUE(gSampleBufferAllocated);
    EXPECT_EQ(form.State().FDeviceHandle.load(), instrument);
    EXPECT_EQ(gDeviceDrive, '2');

    // The drive now opens another disk: that is no reconnection.
    drives->instruments.clear();
    drives->otherDisks = {'2'};
    form.Timer3Timer();
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
    EXPECT_EQ(gDeviceDrive, 0);
    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("No device found!"));
    EXPECT_EQ(drives->OtherHandlesStillOpen(), 0);

    // With no drive remembered the poll scans, without the identity string.
    drives->instruments['5'] = instrument;
    discovery->scan.identities = {kInstrumentPath};
    form.Timer3Timer();
    EXPECT_EQ(gDeviceDrive, '5');
    EXPECT_EQ(form.State().FDeviceHandle.load(), instrument);
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    EXPECT_EQ(form.State().FZeroAdjust0.load(), 0.0f);
}

struct WindowCase {
    const char* window;
    float zero0;
    float zero1;
    bool message;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << '"' << c.window << '"';
}

class TForm1ZeroAdjustTest : public ::testing::TestWithParam<WindowCase> {
protected:
    TForm1 form{nullptr};
};

// Each window is read over the adjustments of "OSC5_5", -0.16 V on both.
TEST_P(TForm1ZeroAdjustTest, SetsWhatTheWindowSaysAndKeepsTheRest) {
    const WindowCase& c = GetParam();
    form.ParseZeroAdjust("OSC5_5");
    QSignalSpy messages(&form, &TForm1::MessageShown);

    form.ParseZeroAdjust(c.window);

    EXPECT_FLOAT_EQ(form.State().FZeroAdjust0.load(), c.zero0);
    EXPECT_FLOAT_EQ(form.State().FZeroAdjust1.load(), c.zero1);
    ASSERT_EQ(messages.count(), c.message ? 1 : 0);
    if (c.message) {
        const QString text = messages.at(0).at(0).toString();
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.window))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("not an integer"))) << text.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, TForm1ZeroAdjustTest, ::testing::Values(
    WindowCase{"OSC13_20", -0.40f, 0.19f, false},
    WindowCase{"OSC0,14", -0.16f, 0.01f, false},
    WindowCase{"OSC80", -0.16f, -0.16f, false},
    WindowCase{"OSC     ", 0.0f, 0.0f, false},
    WindowCase{"OSC1x_20", -0.16f, -0.16f, true},
    // The code before the bad one counts, as it was read first.
    WindowCase{"OSC13_2x", -0.40f, -0.16f, true}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return "Case" + std::to_string(info.index); });
// clang-format on

// The window on the simulated instrument, as the program runs it.
CommandLine Simulated(const char* identity = "--sim-identity=OSC13_20") {
    std::vector<std::string> args = {"daq", "--simulate=dc:0:1,dc:0:2", identity};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    CommandLine line;
    std::string error;
    EXPECT_TRUE(ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &line, &error)) << error;
    return line;
}

TEST(TForm1SimulatorTest, StartUpFindsTheSimulatorAndItsZeroAdjustment) {
    const CommandLine line = Simulated();
    TForm1 form(line.Device());
    form.FormCreate();
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    EXPECT_TRUE(gDeviceFound);
    EXPECT_EQ(gDeviceDrive, '0');
    EXPECT_FLOAT_EQ(form.State().FZeroAdjust0.load(), -0.40f);
    EXPECT_FLOAT_EQ(form.State().FZeroAdjust1.load(), 0.19f);
}

TEST(TForm1SimulatorTest, UnplugDuringARunDetectsFirstThenStops) {
    const CommandLine line = Simulated();
    TForm1 form(line.Device());
    form.FormCreate();
    form.Button1Click();
    auto* timer1 = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer1->isActive());
    ASSERT_FALSE(form.State().FStopRequested.load());

    // What the run looked like when the device state changed.
    struct Seen {
        QString text;
        bool stopRequested;
        bool displayRunning;
    };
    std::vector<Seen> seen;
    QObject::connect(form.findChild<QLineEdit*>(QStringLiteral("Edit2")), &QLineEdit::textChanged, &form,
                     [&](const QString& text) {
                         seen.push_back({text, form.State().FStopRequested.load(), timer1->isActive()});
                     });

    line.simulator->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.State().FStopRequested.load(); }, kEventWaitMs));

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("No device found!"));
    EXPECT_FALSE(seen[0].stopRequested);
    EXPECT_TRUE(seen[0].displayRunning);
    EXPECT_FALSE(timer1->isActive());
    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
    EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("Image7"))->isHidden()) << "Hold unavailable";

    line.simulator->Replug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gDeviceFound; }, kEventWaitMs));
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    EXPECT_EQ(form.State().FDeviceHandle.load(), line.simulator);
}

TEST(TForm1SimulatorTest, NoDeviceEventReopensTheDriveAfterClose) {
    const CommandLine line = Simulated();
    TForm1 form(line.Device());
    form.FormCreate();
    form.FormClose();
    line.simulator->Unplug();
    line.simulator->Replug();
    QTest::qWait(50);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);
}

TEST(TForm1SimulatorTest, KeysUnplugAndReplugTheSimulator) {
    const CommandLine line = Simulated();
    TForm1 form(line.Device());
    form.FormCreate();
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(line.simulator->IsPlugged());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Edit2Text(form) == QStringLiteral("No device found!"); }, kEventWaitMs));

    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(line.simulator->IsPlugged());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Edit2Text(form) == QStringLiteral("Device detected"); }, kEventWaitMs));
}

TEST(TForm1SimulatorTest, OnlyTheSimulatorHasPlugKeys) {
    TForm1 form(nullptr);
    EXPECT_EQ(form.findChild<QShortcut*>(QStringLiteral("UnplugShortcut")), nullptr);
    EXPECT_EQ(form.findChild<QShortcut*>(QStringLiteral("ReplugShortcut")), nullptr);
}

TEST(TForm1SimulatorTest, ABadCodeInTheIdentityIsReportedAndChangesNothing) {
    const CommandLine line = Simulated("--sim-identity=OSC1x_20");
    TForm1 form(line.Device());
    QSignalSpy messages(&form, &TForm1::MessageShown);
    form.FormCreate();
    EXPECT_EQ(Edit2Text(form), QStringLiteral("Device detected"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.at(0).at(0).toString().contains(QStringLiteral("'1X'")));
    EXPECT_EQ(form.State().FZeroAdjust0.load(), 0.0f);
    EXPECT_EQ(form.State().FZeroAdjust1.load(), 0.0f);
}

}  // namespace
