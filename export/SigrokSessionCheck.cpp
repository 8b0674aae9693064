#include "SigrokSessionCheck.h"

#include <glib.h>
#include <zip.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

#include "MessageQuote.h"

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

struct KeyFileFree {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};

// A whole decimal number without sign or leading zeros, at most max.
std::optional<std::uint64_t> Count(std::string_view text, std::uint64_t max) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > max ||
        (text.size() > 1 && text.front() == '0')) {
        return std::nullopt;
    }
    return value;
}

// The whole of one small entry, or why it cannot be read.
std::string ReadEntry(zip_t* archive, zip_uint64_t index, std::uint64_t size, std::string* text) {
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr) {
        return zip_strerror(archive);
    }
    // One byte more than stated: an entry that holds more is damaged too.
    text->resize(size + 1);
    const zip_int64_t got = zip_fread(file, text->data(), text->size());
    std::string why = got < 0 ? zip_file_strerror(file) : "";
    zip_fclose(file);
    if (why.empty() && static_cast<std::uint64_t>(got) != size) {
        why = "it holds other than the " + std::to_string(size) + " bytes its directory states";
    }
    text->resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    return why;
}

// A metadata key of "device 1" as a count; empty text when it is absent.
std::string KeyCount(GKeyFile* metadata, const char* key, std::uint64_t max, std::uint64_t* value) {
    *value = 0;
    gchar* raw = g_key_file_get_value(metadata, "device 1", key, nullptr);
    if (raw == nullptr) {
        return {};
    }
    const std::string text = raw;
    g_free(raw);
    const std::optional<std::uint64_t> count = Count(text, max);
    if (!count) {
        return "its metadata gives \"" + std::string(key) + "\" as " + QuoteForMessage(text) +
               ", not a number from 0 to " + std::to_string(max);
    }
    *value = *count;
    return {};
}

struct Chunks {
    std::set<std::uint64_t> numbers;  // of "base-N"
    bool whole = false;               // an unchunked "base" entry
    std::uint64_t bytes = 0;
};

// Chunks must run 1, 2, ... without a gap: libsigrok stops at the first one
// missing and never reads the rest.
std::string CheckRun(const std::string& base, const Chunks& chunks) {
    std::uint64_t expected = 1;
    for (const std::uint64_t number : chunks.numbers) {
        if (number != expected) {
            return "chunk " + base + "-" + std::to_string(expected) + " is missing, yet " + base + "-" +
                   std::to_string(number) + " is there";
        }
        ++expected;
    }
    if (chunks.whole && !chunks.numbers.empty()) {
        return "it holds both " + base + " and " + base + "-1";
    }
    return {};
}

}  // namespace

std::string CheckSessionArchive(const std::string& path, SessionLayout* layout) {
    *layout = SessionLayout{};
    // A zip archive starts with a local file header; one that does yet
    // cannot be opened is a session cut short or damaged.
    char start[4] = {};
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::string("cannot be read: ") + std::strerror(errno != 0 ? errno : EIO);
    }
    file.read(start, sizeof start);
    if (std::memcmp(start, "PK\x03\x04", sizeof start) != 0) {
        return "not a sigrok session: not a zip archive";
    }
    int code = 0;
    Zip archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        return "damaged or truncated: its zip archive cannot be opened (" + why + ")";
    }
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    if (entries < 0 || static_cast<std::uint64_t>(entries) > kMaxSessionEntries) {
        return "not a sigrok session: it holds " + std::to_string(entries) + " entries, more than " +
               std::to_string(kMaxSessionEntries);
    }

    // Every entry by name: a name twice is a damaged or forged archive,
    // since libsigrok would read one of them only.
    std::map<std::string, zip_stat_t> byName;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 ||
            (stat.valid & (ZIP_STAT_NAME | ZIP_STAT_SIZE)) != (ZIP_STAT_NAME | ZIP_STAT_SIZE)) {
            return "damaged: entry " + std::to_string(i) + " cannot be read (" + zip_strerror(archive.get()) +
                   ")";
        }
        if (!byName.emplace(stat.name, stat).second) {
            return "damaged: it holds two entries named " + QuoteForMessage(stat.name);
        }
    }

    const auto version = byName.find("version");
    const auto meta = byName.find("metadata");
    if (version == byName.end() || meta == byName.end()) {
        return "not a sigrok session: it holds no \"" +
               std::string(version == byName.end() ? "version" : "metadata") + "\" entry";
    }
    std::string text;
    if (version->second.size > 16) {
        return "not a sigrok session: its version entry holds " + std::to_string(version->second.size) +
               " bytes";
    }
    if (std::string why = ReadEntry(archive.get(), version->second.index, version->second.size, &text);
        !why.empty()) {
        return "damaged: its version cannot be read: " + why;
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    if (text != "1" && text != "2") {
        return "not a session libsigrok reads: format version " + QuoteForMessage(text);
    }
    if (meta->second.size > kMaxSessionMetadataBytes) {
        return "its metadata holds " + std::to_string(meta->second.size) + " bytes; a session's is at most " +
               std::to_string(kMaxSessionMetadataBytes) + " here";
    }
    if (std::string why = ReadEntry(archive.get(), meta->second.index, meta->second.size, &text);
        !why.empty()) {
        return "damaged: its metadata cannot be read: " + why;
    }

    std::unique_ptr<GKeyFile, KeyFileFree> metadata(g_key_file_new());
    if (!g_key_file_load_from_data(metadata.get(), text.data(), text.size(), G_KEY_FILE_NONE, nullptr)) {
        return "damaged: its metadata is not a list of keys and values";
    }
    gsize groupCount = 0;
    gchar** groups = g_key_file_get_groups(metadata.get(), &groupCount);
    std::uint64_t devices = 0;
    bool deviceOne = false;
    for (gsize i = 0; i < groupCount; ++i) {
        const std::string_view group = groups[i];
        if (group.starts_with("device ")) {
            ++devices;
            deviceOne = deviceOne || group == "device 1";
        }
    }
    g_strfreev(groups);
    if (devices != 1 || !deviceOne) {
        return devices == 0 ? std::string("not a sigrok session: its metadata names no device")
                            : "it holds " + std::to_string(devices) +
                                  " devices; sessions of one device (\"device 1\") are read here";
    }

    std::uint64_t analog = 0;
    for (const auto& [key, value] :
         {std::pair{"total probes", &layout->logicProbes}, std::pair{"total analog", &analog}}) {
        if (std::string why = KeyCount(metadata.get(), key, kMaxSessionChannels, value); !why.empty()) {
            return why;
        }
    }
    std::uint64_t unitSize = 0;
    if (std::string why = KeyCount(metadata.get(), "unitsize", 8, &unitSize); !why.empty()) {
        return why;
    }
    gchar* captureFile = g_key_file_get_value(metadata.get(), "device 1", "capturefile", nullptr);
    const std::optional<std::string> logicFile =
        captureFile != nullptr ? std::optional<std::string>(captureFile) : std::nullopt;
    g_free(captureFile);
    if (logicFile && *logicFile != "logic-1") {
        return "its metadata names the capture file " + QuoteForMessage(*logicFile) + ", not \"logic-1\"";
    }
    // libsigrok streams logic samples in whole units of the stated size.
    if (logicFile && (layout->logicProbes == 0 || unitSize == 0)) {
        return "damaged: its metadata names logic samples without their " +
               std::string(layout->logicProbes == 0 ? "channels (\"total probes\")"
                                                    : "unit size (\"unitsize\")");
    }
    if (analog == 0) {
        return layout->logicProbes > 0 ? "it holds logic channels only, no analog channel"
                                       : "it holds no analog channel";
    }

    // The data entries: "logic-1[-N]" and "analog-1-K-N".
    Chunks logic;
    std::map<std::uint64_t, Chunks> analogChunks;
    for (const auto& [name, stat] : byName) {
        std::string_view rest = name;
        if (rest == "logic-1") {
            logic.whole = true;
            logic.bytes += stat.size;
            continue;
        }
        Chunks* chunks = nullptr;
        if (rest.starts_with("logic-1-")) {
            rest.remove_prefix(8);
            chunks = &logic;
        } else if (rest.starts_with("analog-1-")) {
            rest.remove_prefix(9);
            const std::size_t dash = rest.find('-');
            const std::optional<std::uint64_t> channel =
                dash == std::string_view::npos ? std::nullopt
                                               : Count(rest.substr(0, dash), 2 * kMaxSessionChannels);
            if (!channel) {
                continue;
            }
            rest.remove_prefix(dash + 1);
            chunks = &analogChunks[*channel];
        } else {
            continue;
        }
        const std::optional<std::uint64_t> number = Count(rest, kMaxSessionEntries);
        if (!number || *number == 0) {
            continue;
        }
        chunks->numbers.insert(*number);
        chunks->bytes += stat.size;
        if (chunks != &logic && stat.size % sizeof(float) != 0) {
            return "damaged: chunk " + name + " holds " + std::to_string(stat.size) +
                   " bytes, not a whole number of samples";
        }
    }
    if (logicFile && layout->logicProbes > 0) {
        if (std::string why = CheckRun("logic-1", logic); !why.empty()) {
            return "damaged: " + why;
        }
        if (!logic.whole && logic.numbers.empty()) {
            return "damaged: its logic samples (logic-1) are missing";
        }
        layout->logicBytes = logic.bytes;
    }
    for (std::uint64_t k = 1; k <= analog; ++k) {
        const std::uint64_t number = layout->logicProbes + k;
        const std::string key = "analog" + std::to_string(number);
        gchar* name = g_key_file_get_value(metadata.get(), "device 1", key.c_str(), nullptr);
        layout->analogNames.emplace_back(name != nullptr ? name : "");
        g_free(name);
        const std::string base = "analog-1-" + std::to_string(number);
        const Chunks& chunks = analogChunks[number];
        if (std::string why = CheckRun(base, chunks); !why.empty()) {
            return "damaged: " + why;
        }
        if (chunks.numbers.empty()) {
            return "damaged: it holds no samples of analog channel " +
                   (layout->analogNames.back().empty() ? std::to_string(k)
                                                       : QuoteForMessage(layout->analogNames.back())) +
                   " (" + base + "-1 is missing)";
        }
        layout->analogSamples.push_back(chunks.bytes / sizeof(float));
    }
    return {};
}
