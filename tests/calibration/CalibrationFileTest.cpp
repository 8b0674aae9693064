#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CalibrationFile.h"
#include "CalibrationLocation.h"

namespace fs = std::filesystem;

namespace {

class CalibrationFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("calibration-test-" + std::to_string(getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir_)) {
            if (entry.is_directory()) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
            }
        }
        fs::remove_all(dir_);
    }

    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

const CalibrationTexts kTexts{"1", "1.10", "3", "3.50", "", "", "0.5", "0.40"};

TEST_F(CalibrationFileTest, FreshFileIsWhatTheWindowsProfileFunctionsWrite) {
    const fs::path path = dir_ / "calibration.ini";
    ASSERT_EQ(WriteCalibrationFile(path, kTexts), "");
    EXPECT_EQ(Get(path),
              "[Calibration Settings(V)]\r\n"
              "CH0 Input1=1\r\nCH0 Output1=1.10\r\nCH0 Input2=3\r\nCH0 Output2=3.50\r\n"
              "CH1 Input1=\r\nCH1 Output1=\r\nCH1 Input2=0.5\r\nCH1 Output2=0.40\r\n");

    const CalibrationLoad load = LoadCalibrationFile(path);
    EXPECT_TRUE(load.found);
    EXPECT_EQ(load.problem, CalibrationFileProblem::None);
    EXPECT_EQ(load.texts, kTexts);
    EXPECT_FLOAT_EQ(load.channel[0].gain, 2.0f / 2.4f);
    EXPECT_FLOAT_EQ(load.channel[1].gain, 1.0f);
    EXPECT_FLOAT_EQ(load.channel[1].offset, 0.1f);
}

TEST_F(CalibrationFileTest, OtherSectionsStayByteForByteAndTheSectionMovesToTheEnd) {
    const fs::path path = dir_ / "calibration.ini";
    Put(path,
        "; notes\n[Before]\r\nA = 1\r\n\r\n[calibration settings(v)]\r\nCH0 Input1=9\r\nStray=x\r\n"
        "[After]\r\nB=2");
    ASSERT_EQ(WriteCalibrationFile(path, kTexts), "");
    EXPECT_EQ(Get(path),
              "; notes\n[Before]\r\nA = 1\r\n\r\n[After]\r\nB=2\r\n" + ReplaceCalibrationSection("", kTexts));
    EXPECT_EQ(LoadCalibrationFile(path).texts, kTexts);
    EXPECT_EQ(ReplaceCalibrationSection("\xEF\xBB\xBF[Calibration Settings(V)]\r\nCH0 Input1=9\r\n", kTexts),
              "\xEF\xBB\xBF" + ReplaceCalibrationSection("", kTexts));
}

// Files found by fuzz_calibration_file (calibration/fuzz): whatever the file
// held, what is stored in it is what the next load reads.
struct StoredFileCase {
    const char* name;
    std::string before;
};

void PrintTo(const StoredFileCase& c, std::ostream* os) {
    *os << c.name;
}

class CalibrationStoreTest : public CalibrationFileTest,
                             public testing::WithParamInterface<StoredFileCase> {};

TEST_P(CalibrationStoreTest, WhatIsStoredIsReadBack) {
    const fs::path path = dir_ / "calibration.ini";
    Put(path, GetParam().before);
    ASSERT_EQ(WriteCalibrationFile(path, kTexts), "");
    const CalibrationLoad load = LoadCalibrationFile(path);
    EXPECT_TRUE(load.found);
    EXPECT_EQ(load.texts, kTexts);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, CalibrationStoreTest,
    testing::Values(
        // A load reads up to the first NUL byte.
        StoredFileCase{"nul_before_the_section", "; w\0\x0f\n[Calibration Settings(V)]\nCH0 Input1=3.3\n"s},
        StoredFileCase{"nul_inside_a_line", "[Other]\r\nkey=va\0lue\r\n[Calibration Settings(V)]\r\n"s},
        // A line of a lone '[' does not run into the section below it.
        StoredFileCase{"lone_bracket_last", "[Calibration Settings(\xEF\xBB\xEF\n["},
        StoredFileCase{"lone_bracket_after_signature", "\xEF\xBB\xBF[ \t\r\n\r\n"}));

TEST_F(CalibrationFileTest, ALoneBracketIsABlankLine) {
    const fs::path path = dir_ / "calibration.ini";
    Put(path, "[\r\n[Calibration Settings(V)]\r\nCH0 Input1=5\r\nCH0 Output1=4\r\n");
    const CalibrationLoad load = LoadCalibrationFile(path);
    EXPECT_TRUE(load.found);
    EXPECT_EQ(load.channel[0], (CalibrationCorrection{1.0f, 1.0f}));
}

TEST_F(CalibrationFileTest, AFileWithANulByteKeepsWhatFollowsIt) {
    const fs::path path = dir_ / "calibration.ini";
    const std::string rest = "\0junk\r\n[Calibration Settings(V)]\r\nCH1 Input1=7\r\n"s;
    Put(path, "; notes\r\n[Calibration Settings(V)]\r\nCH0 Input1=9\r\n" + rest);
    ASSERT_EQ(WriteCalibrationFile(path, kTexts), "");
    EXPECT_EQ(Get(path), "; notes\r\n" + ReplaceCalibrationSection("", kTexts) + rest);
}

TEST_F(CalibrationFileTest, DamagedFilesLoadWithoutHarm) {
    const fs::path path = dir_ / "calibration.ini";
    // Missing keys read as empty; values that are no numbers are dropped.
    Put(path,
        "[Calibration Settings(V)]\nCH0 Input1 = 2\nCH0 Output1=1.2.3\nCH1 Input1=1.5\nCH1 Output1=1\n");
    CalibrationLoad load = LoadCalibrationFile(path);
    EXPECT_EQ(load.problem, CalibrationFileProblem::BadValues);
    EXPECT_EQ(load.texts[1], "");
    EXPECT_EQ(load.channel[0], (CalibrationCorrection{1.0f, 0.0f}));
    EXPECT_EQ(load.channel[1], (CalibrationCorrection{1.0f, 0.5f}));

    // Binary after a valid start, a NUL in the middle.
    std::string binary = "[Calibration Settings(V)]\r\nCH0 Input1=";
    for (int i = 0; i < 8192; ++i) {
        binary += static_cast<char>(i == 4096 ? 0 : i * 37 % 255 + 1);
    }
    Put(path, binary);
    load = LoadCalibrationFile(path);
    EXPECT_EQ(load.channel[0], CalibrationCorrection{});
    EXPECT_EQ(load.channel[1], CalibrationCorrection{});

    // Up to the limit a file is read whole, one byte more and it is not.
    const std::string section = "[Calibration Settings(V)]\r\nCH0 Input1=5\r\nCH0 Output1=4\r\n";
    Put(path, section + std::string(kMaxCalibrationFileSize - section.size() - 2, ';') + "\r\n");
    load = LoadCalibrationFile(path);
    EXPECT_EQ(load.problem, CalibrationFileProblem::None);
    EXPECT_EQ(load.channel[0], (CalibrationCorrection{1.0f, 1.0f}));
    Put(path, section + std::string(kMaxCalibrationFileSize - section.size() + 1, ';'));
    EXPECT_EQ(LoadCalibrationFile(path).problem, CalibrationFileProblem::TooLarge);
    EXPECT_EQ(LoadCalibrationFile(path).detail, std::to_string(kMaxCalibrationFileSize + 1) + " bytes");

    Put(path, section + std::string(kMaxCalibrationFileSize, ';'));
    load = LoadCalibrationFile(path);
    EXPECT_EQ(load.problem, CalibrationFileProblem::TooLarge);
    EXPECT_FALSE(load.found);
    EXPECT_EQ(load.channel[0], CalibrationCorrection{});
    // Nor is such a file overwritten: its owner decides what it is.
    EXPECT_NE(WriteCalibrationFile(path, kTexts), "");
    EXPECT_GT(fs::file_size(path), kMaxCalibrationFileSize);

    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(LoadCalibrationFile(path).problem, CalibrationFileProblem::Unreadable);
    EXPECT_FALSE(LoadCalibrationFile(dir_ / "absent.ini").found);
    EXPECT_EQ(LoadCalibrationFile(dir_ / "absent.ini").problem, CalibrationFileProblem::None);
}

TEST_F(CalibrationFileTest, ACorrectionWithoutFiniteReadingsCountsAsMissing) {
    const fs::path path = dir_ / "calibration.ini";
    // CH0: gain 3e38; CH1: gain 8e35, finite until a zero adjustment of -50 V.
    Put(path,
        "[Calibration Settings(V)]\r\nCH0 Input1=0\r\nCH0 Output1=0\r\nCH0 Input2=3e38\r\nCH0 Output2=1\r\n"
        "CH1 Input1=0\r\nCH1 Output1=0\r\nCH1 Input2=8e35\r\nCH1 Output2=1\r\n");
    CalibrationLoad load = LoadCalibrationFile(path);
    EXPECT_EQ(load.channel[0], CalibrationCorrection{});
    ASSERT_TRUE(load.unusable[0]);
    EXPECT_EQ(load.unusable[0]->gain, 3e38f);
    EXPECT_EQ(load.channel[1].gain, 8e35f);
    EXPECT_FALSE(load.unusable[1]);
    EXPECT_EQ(load.texts, (CalibrationTexts{"", "", "", "", "0", "0", "8e35", "1"}));

    load = LoadCalibrationFile(path, nullptr, {0.0f, -50.0f});
    EXPECT_EQ(load.channel[1], CalibrationCorrection{});
    EXPECT_TRUE(load.unusable[1]);
    EXPECT_EQ(load.problem, CalibrationFileProblem::None);
}

TEST_F(CalibrationFileTest, ProgramFolderWhileWritableElseTheUsersFolder) {
    const CalibrationLocations where{dir_ / "bin", dir_ / "config" / "DAQ"};
    fs::create_directories(where.programDir);
    EXPECT_EQ(CalibrationReadPath(where), where.programDir / "calibration.ini");
    EXPECT_EQ(CalibrationWritePath(where), where.programDir / "calibration.ini");

    // A program folder that is no folder at all cannot take the file.
    const CalibrationLocations nowhere{dir_ / "bin" / "daq", where.userConfigDir};
    Put(nowhere.programDir, "");
    EXPECT_EQ(CalibrationWritePath(nowhere), where.userConfigDir / "calibration.ini");
    EXPECT_EQ(CalibrationReadPath(nowhere), nowhere.programDir / "calibration.ini");
}

TEST_F(CalibrationFileTest, AnInstalledProgramKeepsItInTheUsersFolderEvenWhereItCouldWrite) {
    const CalibrationLocations where{dir_ / "usr" / "bin", dir_ / "config" / "DAQ"};
    fs::create_directories(where.programDir);
    fs::create_directories(dir_ / "usr" / "share" / "daq");
    EXPECT_EQ(CalibrationWritePath(where), where.userConfigDir / "calibration.ini");
    EXPECT_EQ(CalibrationReadPath(where), where.programDir / "calibration.ini") << "no user copy yet";
    ASSERT_EQ(WriteCalibrationFile(CalibrationWritePath(where), kTexts), "");
    EXPECT_EQ(CalibrationReadPath(where), where.userConfigDir / "calibration.ini");
}

TEST_F(CalibrationFileTest, ReadOnlyProgramFolderKeepsTheCalibrationInTheUsersFolder) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const CalibrationLocations where{dir_ / "bin", dir_ / "config" / "DAQ"};
    fs::create_directories(where.programDir);
    Put(where.programDir / "calibration.ini", ReplaceCalibrationSection("", {"1", "0.50"}));
    fs::permissions(where.programDir, fs::perms::owner_read | fs::perms::owner_exec);

    // The installed file is read until the user has one of their own.
    EXPECT_EQ(CalibrationReadPath(where), where.programDir / "calibration.ini");
    const fs::path target = CalibrationWritePath(where);
    ASSERT_EQ(target, where.userConfigDir / "calibration.ini");
    ASSERT_EQ(WriteCalibrationFile(target, kTexts), "");
    EXPECT_EQ(CalibrationReadPath(where), target);
    EXPECT_EQ(LoadCalibrationFile(CalibrationReadPath(where)).texts, kTexts);
    // Writing beside the program really fails there.
    EXPECT_NE(WriteCalibrationFile(where.programDir / "calibration.ini", kTexts), "");
}

}  // namespace
