#include "device/sim/SimDeviceDiscovery.h"
#include "device/sim/SimDriveAccess.h"
#include "device/sim/SimHotplugMonitor.h"
#include "device/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "TForm1.h"
#include "TForm4.h"

namespace {

class TForm1PictureTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedInstrument> sim = std::make_shared<SimulatedInstrument>(SimOptions{});
    TForm1 form{DeviceLink{.drives = std::make_shared<SimDriveAccess>(sim),
                           .discovery = std::make_shared<SimDeviceDiscovery>(sim),
                           .hotplug = SimHotplugMonitor::Create(sim),
                           .simulator = sim}};
    TForm4 editor;
    QSignalSpy messages{&form, &TForm1::MessageShown};
    QTemporaryDir dir;

    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        form.AttachWindows(nullptr, nullptr, &editor, nullptr, nullptr);
        form.resize(800, 500);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override {
        // Closing would ask whether to save; these tests only look.
        editor.hide();
        form.FormClose();
        QStandardPaths::setTestModeEnabled(false);
    }

    // Runs the command, answering its dialog (which opens after the wait)
    // with fileName, or cancelling it when fileName is empty.
    void AnswerDialog(QAction* command, const QString& fileName) {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = form.findChild<QFileDialog*>(QStringLiteral("SavePictureDialog1"));
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            poll.stop();
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Picture As"));
            EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("png"));
            EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("PNG (*.png)"));
            if (fileName.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed as a user types it: selectFile() races with the dialog
            // reading the folder it moves to, and the dialog may then refuse.
            auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(typed, nullptr);
            typed->setText(fileName);
            static_cast<QDialog*>(dialog)->accept();
        });
        poll.start();
        command->trigger();
    }
    QAction* Action(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }
};

class SaveCommandTest : public TForm1PictureTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SaveCommandTest, NameWithoutExtensionGetsARealPng) {
    AnswerDialog(Action(GetParam()), dir.filePath(QStringLiteral("shot")));
    const QString saved = dir.filePath(QStringLiteral("shot.png"));
    EXPECT_EQ(form.State().FPictureFileName, saved.toStdString());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QImageReader reader(saved, "png");
    reader.setDecideFormatFromContent(false);
    const QImage picture = reader.read();
    EXPECT_EQ(picture.size(), form.frameGeometry().size());
    // The window's own rendering on this platform: never one flat colour.
    EXPECT_GT(picture.convertToFormat(QImage::Format_Indexed8).colorCount(), 4);
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, SaveCommandTest, ::testing::Values("saveas1", "SaveCapture1"));

TEST_F(TForm1PictureTest, CancelledSaveWritesNothingAndForgetsTheName) {
    AnswerDialog(Action("saveas1"), dir.filePath(QStringLiteral("first.bmp")));
    EXPECT_EQ(QImageReader(dir.filePath(QStringLiteral("first.bmp"))).format(), QByteArray("bmp"));
    AnswerDialog(Action("saveas1"), QString());
    EXPECT_TRUE(form.State().FPictureFileName.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.bmp"});
}

TEST_F(TForm1PictureTest, UnknownExtensionIsRefusedWithTheName) {
    const QString name = dir.filePath(QStringLiteral("shot.xyz"));
    AnswerDialog(Action("saveas1"), name);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(
        messages[0][0].toString().startsWith(QStringLiteral("Cannot save the picture \"%1\"").arg(name)))
        << messages[0][0].toString().toStdString();
    EXPECT_FALSE(QFile::exists(name));
}

TEST_F(TForm1PictureTest, EditCaptureTwiceReplacesThePictureAndClearsTheAnnotations) {
    Action("Screenshot1")->trigger();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.Canvas().Picture().size(), form.frameGeometry().size());
    QWidget* overlay = editor.findChild<QWidget*>(QStringLiteral("Image1"));
    QTest::mousePress(overlay, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(overlay, QPoint(120, 80));
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, QPoint(120, 80));
    ASSERT_NE(editor.Canvas().Overlay().pixel(70, 50), 0xffffffffu);
    EXPECT_EQ(editor.History().HistoryCount(), 2);

    form.resize(700, 450);
    Action("Screenshot1")->trigger();
    EXPECT_EQ(editor.Canvas().Picture().size(), form.frameGeometry().size());
    QImage white(editor.Canvas().Overlay().size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(editor.Canvas().Overlay(), white);
    EXPECT_EQ(editor.History().HistoryCount(), 2) << "an open editor keeps its history";
}

}  // namespace
