#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The naming rule of the language modules. A module is named after the
// program: its file name with the extension replaced by the locale's
// abbreviated language name (daq.exe -> daq.CHS), or followed by it when the
// name has none (daq -> daq.CHS); when no such file exists, the first two
// letters of the abbreviation are tried (daq.CH). Plain C++.

// The locale identifiers of the two languages the program ships.
inline constexpr int kEnglishLocale = 1033;
inline constexpr int kChineseLocale = 2052;

// The abbreviated language name of a locale identifier ("ENU" for 1033,
// "CHS" for 2052), or empty for a locale the table does not know.
std::string_view LocaleAbbreviation(int locale);

// The locale identifier of a language given as ISO 639 language, ISO 3166
// territory and ISO 15924 script codes ("zh", "CN", "Hans"), or 0 when the
// table does not know it. An unknown territory falls back to the
// language's main locale (zh_SG -> 2052, en_IE -> 1033).
int LocaleOfLanguage(std::string_view language, std::string_view territory, std::string_view script);

// The module files to try for a locale abbreviation, in order: the full name
// in each folder, then the two-letter name in each folder.
std::vector<std::filesystem::path> LanguageModuleCandidates(
    const std::filesystem::path& programFile, std::string_view abbreviation,
    const std::vector<std::filesystem::path>& folders);
