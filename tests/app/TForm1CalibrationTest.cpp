#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CalibrationFile.h"
#include "Myconst.h"
#include "TCalibration.h"
#include "TForm1.h"

namespace fs = std::filesystem;

namespace {

class TForm1CalibrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "bin");
        std::ofstream(dir_ / "bin" / "calibration.ini", std::ios::binary)
            << ReplaceCalibrationSection("", {"", "", "", "", "1", "0.75", "", ""});
    }
    void TearDown() override { fs::remove_all(dir_); }

    const fs::path dir_ = fs::temp_directory_path() / ("tform1-calibration-" + std::to_string(getpid()));
};

TEST_F(TForm1CalibrationTest, WindowLoadsIntoTheFieldsAndSpeaksThroughTheMainWindow) {
    TForm1 form(nullptr);
    TCalibration calibration(nullptr, {dir_ / "bin", dir_ / "config"});
    QSignalSpy messages(&form, &TForm1::MessageShown);
    form.AttachWindows(&calibration, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FLOAT_EQ(form.State().FCalGain0.load(), 1.0f);
    EXPECT_FLOAT_EQ(form.State().FCalOffset1.load(), 0.25f);
    ASSERT_NE(form.State().FIniFile, nullptr);

    form.Calibration1Click();
    EXPECT_TRUE(calibration.isVisible());
    calibration.SetClick();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.takeFirst().at(0).toString(), Myconst::SmsgCalibInvalid.Text());

    calibration.Edits()[0]->setText(QStringLiteral("2"));
    calibration.Edits()[1]->setText(QStringLiteral("1.5"));
    calibration.SetClick();
    EXPECT_FLOAT_EQ(form.State().FCalOffset0.load(), 0.5f);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.takeFirst().at(0).toString(), Myconst::SmsgCalib.Text());
    EXPECT_FALSE(calibration.isVisible());
}

}  // namespace
