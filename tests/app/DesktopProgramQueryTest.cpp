#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "DesktopProgramQuery.h"

namespace {

// An xdg-mime on PATH that answers as the script says, after writing its
// arguments down; nullptr: no xdg-mime at all.
struct QueryCase {
    const char* name;
    const char* script;
    DesktopProgram expected;
};

class DesktopProgramQueryTest : public ::testing::TestWithParam<QueryCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
    }
    void TearDown() override { qputenv("PATH", path); }

    QTemporaryDir bin;
    QByteArray path;
};

TEST_P(DesktopProgramQueryTest, AnswersAsXdgMimeDoes) {
    const QueryCase& c = GetParam();
    const QString arguments = bin.filePath(QStringLiteral("arguments"));
    if (c.script != nullptr) {
        QFile xdgMime(bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(xdgMime.open(QIODevice::WriteOnly));
        xdgMime.write(QByteArray("#!/bin/sh\necho \"$@\" > '") + QFile::encodeName(arguments) + "'\n" +
                      c.script + "\n");
        xdgMime.close();
        ASSERT_TRUE(xdgMime.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    EXPECT_EQ(
        DesktopProgramFor(QStringLiteral("/usr/share/daq/Oscilloscope Spectrum Analyzer User's Manual.docx")),
        c.expected);
    if (c.script != nullptr) {
        QFile asked(arguments);
        ASSERT_TRUE(asked.open(QIODevice::ReadOnly));
        // The question is about the type of the file, told by its name.
        EXPECT_EQ(
            asked.readAll().trimmed(),
            QByteArray(
                "query default application/vnd.openxmlformats-officedocument.wordprocessingml.document"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    XdgMime, DesktopProgramQueryTest,
    ::testing::Values(QueryCase{"NamesAProgram", "echo libreoffice-writer.desktop", DesktopProgram::kFound},
                      QueryCase{"NamesNone", "exit 0", DesktopProgram::kNone},
                      QueryCase{"AnswersBlankLines", "printf '\\n  \\n'", DesktopProgram::kNone},
                      QueryCase{"Fails", "echo 'no such type' >&2; exit 1", DesktopProgram::kUnknown},
                      QueryCase{"FailsAfterNaming", "echo writer.desktop; exit 4", DesktopProgram::kUnknown},
                      QueryCase{"IsKilled", "kill -9 $$", DesktopProgram::kUnknown},
                      QueryCase{"IsMissing", nullptr, DesktopProgram::kUnknown}),
    [](const ::testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.name); });

}  // namespace
