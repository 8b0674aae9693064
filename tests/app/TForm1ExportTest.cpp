// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimHotplugMonitor.h"
#include "device/sim/SimulatedInstrument.h"

namespace {

constexpr float kCh0Volts = 0.25f;
constexpr float kCh1Volts = -0.5f;

// Unpaced, so a run delivers its frames as fast as they are read; a steady
// voltage on each channel.
SimOptions SteadyChannels() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Dc, 0.0, kCh0Volts, 0.0},
                                SimSignal{SimShape::Dc, 0.0, kCh1Volts, 0.0}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <tuple>
#include <vector>

#include "SigrokSession.h"
#include "TChart.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "WavSample.h"

namespace {

class TForm1ExportTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(SteadyChannels());
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = SimHotplugMonitor::Create(sim),
                           .simulator = sim}};
    QSignalSpy messages{&form, &TForm1::MessageShown};
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();

    void SetUp() override {
        // The file dialog keeps its last folder in the user's settings; the
        // test mode keeps tests out of them.
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        // "out.wav" goes to the current directory.
        QDir::setCurrent(dir.path());
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
    }
    void TearDown() override {
        form.FormClose();
        QDir::setCurrent(previousDir);
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(false);
    }

    TChart* Chart(const char* name) { return form.findChild<TChart*>(QString::fromLatin1(name)); }

    // Runs Save Data As, answering its dialog with fileName, under the
    // filter given (the first, text files, when none).
    void SaveDataAs(const QString& fileName, const QString& filter = {}) {
        QTimer::singleShot(0, &form, [this, fileName, filter] {
            auto* dialog = form.findChild<QFileDialog*>(QStringLiteral("SaveDialog1"));
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save as"));
            EXPECT_EQ(dialog->nameFilters(), QStringList({QStringLiteral("Text files(*.txt)"),
                                                          QStringLiteral("sigrok session (*.sr)")}));
            EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Text files(*.txt)"));
            EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("txt"));
            // Chosen as a user chooses it: the arrow keys on the file type box.
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            while (!filter.isEmpty() && types->currentText() != filter &&
                   types->currentIndex() + 1 < types->count()) {
                QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->selectFile(fileName);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog's, through the public slot
        });
        form.SaveData1Click();
    }

    QByteArray Contents(const QString& fileName) {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }

    // Starts a sound-sensor run at 6250 S/s.
    void StartSoundRun(std::uint8_t channelMask) {
        form.findChild<QAction*>(QStringLiteral("SoundSensor1"))->trigger();
        form.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(1);
        form.ComboBox3Change();
        gChannelMask = channelMask;
        form.Button1Click();
    }

    // A sound-sensor run until a screen has been drawn.
    void RecordOneScreen(std::uint8_t channelMask) {
        StartSoundRun(channelMask);
        SeriesModel& trace = Chart(channelMask == 2 ? "Chart4" : "Chart2")->Series(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return trace.PairCount() >= 3072; }, 20000));
        form.Button6Click();
        form.FormClose();
    }

    // Whether this process holds out.wav open.
    static bool OutWavOpen() {
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            if (std::filesystem::read_symlink(fd.path(), error).filename() == "out.wav") {
                return true;
            }
        }
        return false;
    }

    struct Recording {
        SF_INFO info{};
        std::vector<std::uint8_t> samples;
    };
    Recording ReadRecording() {
        Recording r;
        SNDFILE* file = sf_open("out.wav", SFM_READ, &r.info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        if (file != nullptr) {
            r.samples.resize(static_cast<std::size_t>(r.info.frames));
            sf_read_raw(file, r.samples.data(), r.info.frames);
            sf_close(file);
        }
        return r;
    }
};

TEST_F(TForm1ExportTest, SaveDataWritesThePlottedValuesAndReplacesTheFile) {
    const QString fileName = dir.filePath(QStringLiteral("data"));
    SaveDataAs(fileName);
    const QString saved = fileName + QStringLiteral(".txt");
    EXPECT_EQ(Contents(saved), QByteArray("CH0 Data:\r\nCH1 Data:\r\n"));

    SeriesModel& ch0 = Chart("Chart2")->Series(0);
    for (double y : {0.5, -1.0, 2.25}) {
        ch0.AddXY(ch0.Count(), y);
    }
    Chart("Chart4")->Series(0).AddXY(0, static_cast<double>(14.33f));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SaveDataAs(saved);
    EXPECT_EQ(Contents(saved),
              QByteArray("CH0 Data:\r\n0,5\r\n-1\r\n2,25\r\nCH1 Data:\r\n14,3299999237061\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TForm1ExportTest, SaveDataAsASessionWritesBothChartsAtTheRunsRate) {
    const QString sessions = QStringLiteral("sigrok session (*.sr)");
    SaveDataAs(dir.filePath(QStringLiteral("empty")), sessions);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().endsWith(QStringLiteral("there are no samples to save")))
        << messages[0][0].toString().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("empty.sr"))));

    const std::vector<double> ch0{0.5, -1.0, 2.25, static_cast<double>(14.33f)};
    SeriesModel& chart2 = Chart("Chart2")->Series(0);
    for (double y : ch0) {
        chart2.AddXY(chart2.Count(), y);
    }
    Chart("Chart4")->Series(0).AddXY(0, -0.125);
    // Chosen by its filter, or by a name ending in .sr under the first one.
    for (const auto& [typed, filter, written] :
         {std::tuple{"data", sessions, "data.sr"}, std::tuple{"plot.SR", QString(), "plot.SR"}}) {
        SaveDataAs(dir.filePath(QString::fromLatin1(typed)), filter);
        const std::string path = dir.filePath(QString::fromLatin1(written)).toStdString();
        const SigrokChannelRead first = ReadSigrokChannel(path, SigrokChannelChoice{{}, "CH0"});
        ASSERT_TRUE(first.ok) << first.error;
        EXPECT_EQ(first.analogChannels, (std::vector<std::string>{"CH0", "CH1"}));
        EXPECT_EQ(first.sampleRate, static_cast<std::uint64_t>(gSampleRate.load()));
        EXPECT_EQ(first.samples, ch0);
        const SigrokChannelRead second = ReadSigrokChannel(path, SigrokChannelChoice{{}, "CH1"});
        ASSERT_TRUE(second.ok) << second.error;
        EXPECT_EQ(second.samples, std::vector<double>{-0.125});
    }
    EXPECT_EQ(messages.size(), 1);

    SaveDataAs(dir.filePath(QStringLiteral("no/such/folder.sr")));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1][0].toString(),
              QStringLiteral("Cannot write the data file \"%1\": No such file or directory")
                  .arg(dir.filePath(QStringLiteral("no/such/folder.sr"))));
}

TEST_F(TForm1ExportTest, SaveDataToAnUnwritablePlaceSaysSo) {
    // A folder that is a plain file stops everybody, root included.
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    SaveDataAs(dir.filePath(QStringLiteral("plain/data.txt")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][0].toString().startsWith(QStringLiteral("Cannot write the data file")))
        << messages[0][0].toString().toStdString();
}

struct ChannelCase {
    std::uint8_t mask;
    float recordedVolts;
};

class TForm1SoundTest : public TForm1ExportTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(TForm1SoundTest, RecordsCh0OrCh1AloneAndDrawsTheSameData) {
    RecordOneScreen(GetParam().mask);
    const Recording r = ReadRecording();
    EXPECT_EQ(r.info.samplerate, 6250);
    EXPECT_EQ(r.info.channels, 1);
    ASSERT_GE(r.samples.size(), 3072u);
    const int expected = VoltsToWavSample(GetParam().recordedVolts);
    for (std::uint8_t s : r.samples) {
        ASSERT_NEAR(s, expected, 1);
    }
    if ((GetParam().mask & 1) != 0) {
        EXPECT_NEAR(Chart("Chart2")->Series(0).YValue(0), kCh0Volts, 0.01);
    }
    EXPECT_NEAR(Chart("Chart4")->Series(0).YValue(0), kCh1Volts, 0.01);
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Channels, TForm1SoundTest,
                         ::testing::Values(ChannelCase{3, kCh0Volts}, ChannelCase{2, kCh1Volts}));

TEST_F(TForm1ExportTest, UnwritableRecordingIsReportedOnceAndTheRunGoesOn) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("out.wav/taken")));
    RecordOneScreen(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 20000));
    QTest::qWait(50);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0][0].toString(), QStringLiteral("wav file open error"));
}

TEST_F(TForm1ExportTest, SoundModeSwitchedOffDuringARunClosesTheRecording) {
    StartSoundRun(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return OutWavOpen(); }, 20000));
    form.findChild<QAction*>(QStringLiteral("SoundSensor1"))->trigger();
    EXPECT_EQ(form.State().FSoundMode.load(), 0);
    form.Button6Click();
    form.FormClose();
    EXPECT_FALSE(OutWavOpen());
    EXPECT_GE(ReadRecording().samples.size(), 50000u) << "what was recorded before is kept";
}

TEST_F(TForm1ExportTest, ALanguageSwitchDuringARecordingLeavesAWholeFile) {
    StartSoundRun(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return OutWavOpen(); }, 20000));
    form.Chinese1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !OutWavOpen(); }, 20000));
    const Recording r = ReadRecording();
    EXPECT_EQ(std::filesystem::file_size("out.wav"), r.samples.size() + 44 + r.samples.size() % 2);
    EXPECT_GT(r.samples.size(), 0u);
}

TEST_F(TForm1ExportTest, UnpluggingEndsTheRecordingWithItsSizesRight) {
    StartSoundRun(1);
    // Open once the first block is written.
    ASSERT_TRUE(QTest::qWaitFor([&] { return OutWavOpen(); }, 20000));
    sim->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.State().FStopRequested.load() && !OutWavOpen(); }, 20000));
    const Recording r = ReadRecording();
    // RIFF pads an odd data chunk with one byte.
    EXPECT_EQ(std::filesystem::file_size("out.wav"), r.samples.size() + 44 + r.samples.size() % 2);
    EXPECT_GT(r.samples.size(), 50000u);
}

// A demo pressed during a sound-sensor run: the run's blocks still on their
// way to the chart are dropped instead of being drawn over the demo's wave.
TEST_F(TForm1ExportTest, DemoDuringASoundRunKeepsItsWave) {
    StartSoundRun(1);
    SeriesModel& trace = Chart("Chart2")->Series(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return trace.PairCount() >= 3072; }, 20000));
    form.Image9Click();
    ASSERT_EQ(trace.Count(), 128);
    std::vector<double> demo;
    for (int i = 0; i < trace.Count(); ++i) {
        demo.push_back(trace.YValue(i));
    }
    QTest::qWait(100);
    ASSERT_EQ(trace.Count(), 128);
    for (int i = 0; i < trace.Count(); ++i) {
        EXPECT_EQ(trace.YValue(i), demo[static_cast<std::size_t>(i)]) << i;
    }
}

}  // namespace
