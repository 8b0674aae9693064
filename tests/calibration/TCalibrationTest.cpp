#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>

#include "TCalibration.h"

namespace fs = std::filesystem;

namespace {

// The main window's calibration fields, as they start: all zero.
struct Fields {
    std::unique_ptr<CSimpleIniA> FIniFile;
    float FCalIn1 = 0, FCalOut1 = 0, FCalIn2 = 0, FCalOut2 = 0;
    std::atomic<float> FCalGain0{0}, FCalOffset0{0}, FCalGain1{0}, FCalOffset1{0};
    std::atomic<float> FZeroAdjust0{0}, FZeroAdjust1{0};

    CalibrationFields Binding() {
        return {FIniFile,    FCalIn1,   FCalOut1,    FCalIn2,      FCalOut2,    FCalGain0,
                FCalOffset0, FCalGain1, FCalOffset1, FZeroAdjust0, FZeroAdjust1};
    }
    CalibrationCorrection Channel(int channel) const {
        return channel == 0 ? CalibrationCorrection{FCalGain0, FCalOffset0}
                            : CalibrationCorrection{FCalGain1, FCalOffset1};
    }
};

class TCalibrationTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tcalibration-test-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "bin");
        Open({dir_ / "bin", dir_ / "config"});
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A window as the program makes it at start-up: bound and loaded.
    void Open(CalibrationLocations where) {
        window_ = std::make_unique<TCalibration>(nullptr, where);
        completed_ = std::make_unique<QSignalSpy>(window_.get(), &TCalibration::Completed);
        invalid_ = std::make_unique<QSignalSpy>(window_.get(), &TCalibration::NoValidVoltage);
        failed_ = std::make_unique<QSignalSpy>(window_.get(), &TCalibration::Failed);
        fields_ = std::make_unique<Fields>();
        window_->Bind(fields_->Binding());
    }
    void Type(const std::array<const char*, 8>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            window_->Edits()[i]->setText(QString::fromLatin1(texts[i]));
        }
    }
    fs::path File() const { return dir_ / "bin" / "calibration.ini"; }

    fs::path dir_;
    std::unique_ptr<TCalibration> window_;
    std::unique_ptr<Fields> fields_;
    std::unique_ptr<QSignalSpy> completed_, invalid_, failed_;
};

TEST_F(TCalibrationTest, TwoPointSetIsInForceAndReloadsWithinTheRounding) {
    EXPECT_EQ(fields_->Channel(0), CalibrationCorrection{});
    Type({"1", "1.1", "3", "3.5", "", "", "", ""});
    window_->SetClick();
    ASSERT_EQ(completed_->count(), 1);
    EXPECT_EQ(failed_->count(), 0);
    EXPECT_TRUE(window_->Edits()[0]->text().isEmpty());
    const CalibrationCorrection set = fields_->Channel(0);
    EXPECT_NEAR(set.gain, 2.0 / 2.4, 1e-6);
    EXPECT_EQ(fields_->Channel(1), CalibrationCorrection{});

    window_->LoadCalibration();
    EXPECT_NEAR(fields_->Channel(0).gain, set.gain, 0.01);
    EXPECT_NEAR(fields_->Channel(0).offset, set.offset, 0.01);
    EXPECT_EQ(LoadCalibrationFile(File()).texts,
              (CalibrationTexts{"1", "1.10", "3", "3.50", "", "", "", ""}));

    // A restart finds it too.
    Open({dir_ / "bin", dir_ / "config"});
    EXPECT_NEAR(fields_->Channel(0).gain, set.gain, 0.01);
}

TEST_F(TCalibrationTest, SetOfCh1AloneLeavesCh0AsItWas) {
    std::ofstream(File(), std::ios::binary) << ReplaceCalibrationSection("", {"0", "-0.25", "4", "1.75"});
    Open({dir_ / "bin", dir_ / "config"});
    const CalibrationCorrection ch0 = fields_->Channel(0);
    ASSERT_FLOAT_EQ(ch0.gain, 2.0f);
    ASSERT_FLOAT_EQ(ch0.offset, 0.5f);

    Type({"", "", "", "", "2", "1.5", "", ""});
    window_->SetClick();
    EXPECT_EQ(completed_->count(), 1);
    EXPECT_EQ(fields_->Channel(0), ch0);
    EXPECT_EQ(fields_->Channel(1), (CalibrationCorrection{1.0f, 0.5f}));
    EXPECT_EQ(LoadCalibrationFile(File()).texts,
              (CalibrationTexts{"0", "-0.25", "4", "1.75", "2", "1.50", "", ""}));
    window_->LoadCalibration();
    EXPECT_EQ(fields_->Channel(0), ch0);
    EXPECT_EQ(fields_->Channel(1), (CalibrationCorrection{1.0f, 0.5f}));
}

TEST_F(TCalibrationTest, NothingEnteredOrNoNumberStoresNothing) {
    window_->SetClick();
    EXPECT_EQ(invalid_->count(), 1);
    EXPECT_FALSE(fs::exists(File()));

    // CH0 is done when CH1 turns out to be no number; the file stays as it was.
    for (const char* bad : {"-", "1.2.3"}) {
        Type({"1", "0.5", "", "", bad, "1", "", ""});
        window_->SetClick();
        ASSERT_EQ(failed_->count(), 1);
        EXPECT_TRUE(failed_->takeFirst().at(0).toString().contains(QString::fromLatin1(bad)));
        EXPECT_EQ(fields_->Channel(0), (CalibrationCorrection{1.0f, 0.5f}));
        EXPECT_EQ(fields_->Channel(1), CalibrationCorrection{});
        EXPECT_EQ(completed_->count(), 0);
        EXPECT_FALSE(fs::exists(File()));
        EXPECT_EQ(window_->Edits()[4]->text(), QString::fromLatin1(bad));
    }
}

TEST_F(TCalibrationTest, WriteFailureIsReportedNeverCompleted) {
    std::ofstream(dir_ / "file") << "x";
    Open({dir_ / "file", dir_ / "file" / "config"});
    Type({"1", "0.5", "", "", "", "", "", ""});
    window_->SetClick();
    EXPECT_EQ(completed_->count(), 0);
    ASSERT_EQ(failed_->count(), 1);
    EXPECT_TRUE(failed_->takeFirst().at(0).toString().contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(window_->Edits()[0]->text(), QStringLiteral("1"));
}

TEST_F(TCalibrationTest, DamagedFileLoadsAndSaysSo) {
    std::ofstream(File(), std::ios::binary)
        << "[Calibration Settings(V)]\r\nCH1 Input1=x\r\nCH1 Output1=1\r\n";
    Open({dir_ / "bin", dir_ / "config"});
    ASSERT_EQ(failed_->count(), 1);
    EXPECT_TRUE(failed_->takeFirst().at(0).toString().contains(QStringLiteral("CH1 Input1=\"x\"")));
    EXPECT_EQ(fields_->Channel(1), CalibrationCorrection{});
    // A Set of CH0 is not held up by the bad value, which is dropped.
    Type({"1", "0.5", "", "", "", "", "", ""});
    window_->SetClick();
    EXPECT_EQ(completed_->count(), 1);
    EXPECT_EQ(LoadCalibrationFile(File()).texts, (CalibrationTexts{"1", "0.50", "", "", "", "", "", ""}));
}

TEST_F(TCalibrationTest, ACorrectionWithoutFiniteReadingsIsNeitherLoadedNorSet) {
    std::ofstream(File(), std::ios::binary) << ReplaceCalibrationSection("", {"0", "0", "3e38", "1"});
    Open({dir_ / "bin", dir_ / "config"});
    ASSERT_EQ(failed_->count(), 1);
    const QString warning = failed_->takeFirst().at(0).toString();
    EXPECT_TRUE(warning.contains(QStringLiteral("CH0")) && warning.contains(QStringLiteral("gain 3e+38")))
        << warning.toStdString();
    EXPECT_EQ(fields_->Channel(0), CalibrationCorrection{});

    // What loading drops, Set does not store.
    Type({"0", "0", "3e38", "1", "", "", "", ""});
    window_->SetClick();
    EXPECT_EQ(completed_->count(), 0);
    ASSERT_EQ(failed_->count(), 1);
    EXPECT_TRUE(failed_->takeFirst().at(0).toString().contains(QStringLiteral("CH0")));
    EXPECT_EQ(fields_->Channel(0), CalibrationCorrection{});
}

TEST_F(TCalibrationTest, KeyFilterLetsNumbersThrough) {
    const auto swallowed = [&](Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        return window_->EditKeyPress(&event);
    };
    EXPECT_FALSE(swallowed(Qt::Key_5, QStringLiteral("5")));
    EXPECT_FALSE(swallowed(Qt::Key_Period, QStringLiteral(".")));
    EXPECT_FALSE(swallowed(Qt::Key_Minus, QStringLiteral("-")));
    EXPECT_FALSE(swallowed(Qt::Key_Backspace, QStringLiteral("\b")));
    EXPECT_FALSE(swallowed(Qt::Key_Left, QString()));
    EXPECT_TRUE(swallowed(Qt::Key_A, QStringLiteral("a")));
    EXPECT_TRUE(swallowed(Qt::Key_Comma, QStringLiteral(",")));
    EXPECT_TRUE(swallowed(Qt::Key_Space, QStringLiteral(" ")));
    // Select all, copy, paste, cut and undo edit as everywhere else.
    for (Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z}) {
        EXPECT_FALSE(swallowed(key, QString(QChar(key - Qt::Key_A + 1)), Qt::ControlModifier)) << key;
    }
}

}  // namespace
