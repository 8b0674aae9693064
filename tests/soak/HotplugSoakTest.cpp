// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimHotplugMonitor.h"
#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "TForm1.h"
#include "Unit1Globals.h"

// Unplugging and plugging the simulated instrument back in, again and
// again, during each kind of run, through the window's own device events.
// Not part of the normal suite (label "soak"); scripts/soak-hotplug runs it
// under the sanitizers. DAQ_SOAK_CYCLES sets the number of cycles (100).

namespace {

constexpr int kWaitMs = 20000;

int Cycles() {
    const char* text = std::getenv("DAQ_SOAK_CYCLES");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 100;
}

SimOptions Unpaced() {
    SimOptions options;
    options.paced = false;
    return options;
}

enum class Run { FreeRunning, Triggered, Recording };

class HotplugSoakTest : public ::testing::TestWithParam<Run> {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(Unpaced());
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = SimHotplugMonitor::Create(sim),
                           .simulator = sim}};
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();

    void SetUp() override {
        QDir::setCurrent(dir.path());  // out.wav goes here
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        form.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(1);  // 6250 S/s
        form.ComboBox3Change();
        if (GetParam() == Run::Recording) {
            form.findChild<QAction*>(QStringLiteral("SoundSensor1"))->trigger();
        }
        if (GetParam() == Run::Triggered) {
            form.Image1Click();
        }
    }
    void TearDown() override {
        form.FormClose();
        QDir::setCurrent(previousDir);
    }

    QString Edit2() { return form.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(); }
    bool Running() { return !form.State().FStopRequested.load() && form.Readers().Active() > 0; }
    static std::uintmax_t WavSize() {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size("out.wav", error);
        return error ? 0 : size;
    }
    // A WAV that libsndfile reads whole: its sizes agree with the file's.
    static bool WholeWav() {
        SF_INFO info{};
        SNDFILE* file = sf_open("out.wav", SFM_READ, &info);
        if (file == nullptr) {
            return false;
        }
        sf_close(file);
        const auto frames = static_cast<std::uintmax_t>(info.frames);
        return info.frames > 0 && WavSize() == 44 + frames + frames % 2;
    }
};

TEST_P(HotplugSoakTest, EveryUnplugStopsTheRunAndEveryReplugFindsTheInstrument) {
    const int cycles = Cycles();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        SCOPED_TRACE(cycle);
        QFile::remove(QStringLiteral("out.wav"));  // each run's own recording
        form.Image5Click();                        // START
        ASSERT_TRUE(Running());
        if (GetParam() == Run::Recording) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return WavSize() > 44; }, kWaitMs));
        } else {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return form.State().FBlockQueue.CountA() + form.State().FBlockQueue.CountB() > 0; },
                kWaitMs));
        }
        sim->Unplug();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.State().FStopRequested.load(); }, kWaitMs));
        EXPECT_EQ(Edit2(), QStringLiteral("No device found!"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.Readers().Active() == 0; }, kWaitMs))
            << "a reader runs on";
        if (GetParam() == Run::Recording) {
            // Whole once the recording has closed it.
            ASSERT_TRUE(QTest::qWaitFor([&] { return WholeWav(); }, kWaitMs))
                << "out.wav: " << WavSize() << " bytes, " << sf_strerror(nullptr);
        }
        sim->Replug();
        ASSERT_TRUE(QTest::qWaitFor([&] { return gDeviceFound; }, kWaitMs));
        EXPECT_EQ(Edit2(), QStringLiteral("Device detected"));
    }
    form.FormClose();
    EXPECT_EQ(form.Readers().Count(), 0) << "every thread joined";
}

INSTANTIATE_TEST_SUITE_P(Runs, HotplugSoakTest,
                         ::testing::Values(Run::FreeRunning, Run::Triggered, Run::Recording),
                         [](const ::testing::TestParamInfo<Run>& info) {
                             switch (info.param) {
                                 case Run::FreeRunning:
                                     return "FreeRunning";
                                 case Run::Triggered:
                                     return "Triggered";
                                 case Run::Recording:
                                     return "Recording";
                             }
                             return "Unknown";
                         });

}  // namespace
