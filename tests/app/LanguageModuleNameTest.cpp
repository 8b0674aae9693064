#include <gtest/gtest.h>

#include "DataFolders.h"
#include "LanguageModuleName.h"

namespace {

using Paths = std::vector<std::filesystem::path>;

struct LocaleCase {
    const char* language;
    const char* territory;
    const char* script;
    int locale;
    const char* abbreviation;
};

class LocaleOfLanguageTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleOfLanguageTest, NamesTheModule) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(LocaleOfLanguage(c.language, c.territory, c.script), c.locale);
    EXPECT_EQ(LocaleAbbreviation(c.locale), c.abbreviation);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleOfLanguageTest,
    ::testing::Values(
        LocaleCase{"en", "US", "Latn", 1033, "ENU"}, LocaleCase{"en", "GB", "Latn", 2057, "ENG"},
        LocaleCase{"en", "IE", "Latn", 1033, "ENU"},  // no locale of its own here: English's main one
        LocaleCase{"zh", "CN", "Hans", 2052, "CHS"}, LocaleCase{"zh", "TW", "Hant", 1028, "CHT"},
        LocaleCase{"zh", "", "Hant", 1028, "CHT"}, LocaleCase{"zh", "XX", "Hans", 2052, "CHS"},
        LocaleCase{"C", "", "", 0, ""},  // the POSIX locale: built-in English
        LocaleCase{"tlh", "", "", 0, ""}));

struct CandidateCase {
    const char* program;
    const char* abbreviation;
    Paths folders;
    Paths expected;
};

class CandidatesTest : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(CandidatesTest, TriesTheFullNameThenTwoLetters) {
    const CandidateCase& c = GetParam();
    EXPECT_EQ(LanguageModuleCandidates(c.program, c.abbreviation, c.folders), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CandidatesTest,
    ::testing::Values(CandidateCase{"/opt/d/daq", "CHS", {"/opt/d"}, {"/opt/d/daq.CHS", "/opt/d/daq.CH"}},
                      CandidateCase{"C:/p/daq.exe", "ENU", {"C:/p"}, {"C:/p/daq.ENU", "C:/p/daq.EN"}},
                      // Only the last extension goes.
                      CandidateCase{"/x/my.daq.exe", "CHS", {"/x"}, {"/x/my.daq.CHS", "/x/my.daq.CH"}},
                      CandidateCase{"/usr/bin/daq",
                                    "CHS",
                                    {"/usr/bin", "/usr/share/daq"},
                                    {"/usr/bin/daq.CHS", "/usr/share/daq/daq.CHS", "/usr/bin/daq.CH",
                                     "/usr/share/daq/daq.CH"}},
                      // A locale without a name has no module.
                      CandidateCase{"/opt/d/daq", "", {"/opt/d"}, {}}));

TEST(DataFolders, AnInstalledProgramAlsoLooksInItsDataFolder) {
    EXPECT_EQ(ProgramDataFolders("/usr/bin/daq"), (Paths{"/usr/bin", "/usr/share/daq"}));
    EXPECT_EQ(ProgramDataFolders("/home/u/build/app/daq"), (Paths{"/home/u/build/app"}));
    EXPECT_EQ(ManualFolders("/usr/bin/daq", "/tmp"), (Paths{"/usr/bin", "/usr/share/daq", "/tmp"}));
}

}  // namespace
