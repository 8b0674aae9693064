#include "LanguageModuleName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct Locale {
    int id;
    std::string_view abbreviation;
    std::string_view language;
    std::string_view territory;  // empty: the language's main locale
    std::string_view script;     // empty: any script
};

// Windows locale identifiers and their abbreviated language names.
constexpr std::array kLocales{
    Locale{1033, "ENU", "en", "US", ""},   Locale{2057, "ENG", "en", "GB", ""},
    Locale{3081, "ENA", "en", "AU", ""},   Locale{4105, "ENC", "en", "CA", ""},
    Locale{1033, "ENU", "en", "", ""},     Locale{2052, "CHS", "zh", "CN", ""},
    Locale{4100, "ZHI", "zh", "SG", ""},   Locale{1028, "CHT", "zh", "TW", ""},
    Locale{3076, "ZHH", "zh", "HK", ""},   Locale{5124, "ZHM", "zh", "MO", ""},
    Locale{1028, "CHT", "zh", "", "Hant"}, Locale{2052, "CHS", "zh", "", ""},
    Locale{1031, "DEU", "de", "", ""},     Locale{1036, "FRA", "fr", "", ""},
    Locale{1034, "ESP", "es", "", ""},     Locale{1040, "ITA", "it", "", ""},
    Locale{1041, "JPN", "ja", "", ""},     Locale{1042, "KOR", "ko", "", ""},
    Locale{1049, "RUS", "ru", "", ""},     Locale{1046, "PTB", "pt", "BR", ""},
    Locale{2070, "PTG", "pt", "", ""},     Locale{1043, "NLD", "nl", "", ""},
};

}  // namespace

std::string_view LocaleAbbreviation(int locale) {
    const auto* found =
        std::find_if(kLocales.begin(), kLocales.end(), [locale](const Locale& l) { return l.id == locale; });
    return found == kLocales.end() ? std::string_view() : found->abbreviation;
}

int LocaleOfLanguage(std::string_view language, std::string_view territory, std::string_view script) {
    // An exact territory first, then the script's main locale, then the
    // language's.
    for (const Locale& l : kLocales) {
        if (l.language == language && !l.territory.empty() && l.territory == territory) {
            return l.id;
        }
    }
    for (const Locale& l : kLocales) {
        if (l.language == language && l.territory.empty() && (l.script.empty() || l.script == script)) {
            return l.id;
        }
    }
    return 0;
}

std::vector<std::filesystem::path> LanguageModuleCandidates(
    const std::filesystem::path& programFile, std::string_view abbreviation,
    const std::vector<std::filesystem::path>& folders) {
    std::vector<std::filesystem::path> candidates;
    if (abbreviation.size() < 2 || programFile.filename().empty()) {
        return candidates;
    }
    const std::string stem = programFile.stem().string();
    for (const std::string_view name : {abbreviation, abbreviation.substr(0, 2)}) {
        for (const std::filesystem::path& folder : folders) {
            candidates.push_back(folder / (stem + "." + std::string(name)));
        }
    }
    return candidates;
}
