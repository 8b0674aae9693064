#pragma once

// Checking sigrok sessions with readers other than ours (sigrok-cli) and
// making archives that are not sessions we would write (libzip).

#include <zip.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

inline bool HaveSigrokCli() {
    return std::system("sigrok-cli --version > /dev/null 2>&1") == 0;
}

// A shell command's standard output, and its exit status.
inline std::string CommandOutput(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        *status = -1;
        return output;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, got);
    }
    *status = pclose(pipe);
    return output;
}

inline std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// What sigrok-cli's WAV output holds: IEEE float samples, interleaved.
struct FloatWav {
    int channels = 0;
    std::uint32_t rate = 0;
    std::vector<float> samples;
};

// Reads sigrok-cli's streamed WAV (its data size is left at 0xFFFFFFFF, so
// the samples run to the end of the file).
inline std::optional<FloatWav> ReadFloatWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return std::nullopt;
    }
    auto u16 = [&bytes](std::size_t at) {
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                          static_cast<std::uint8_t>(bytes[at + 1]) << 8);
    };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
    FloatWav wav;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = u32(at + 4);
        at += 8;
        if (id == "fmt ") {
            if (u16(at) != 3 || u16(at + 14) != 32) {
                return std::nullopt;  // not 32-bit IEEE float
            }
            wav.channels = u16(at + 2);
            wav.rate = u32(at + 4);
        } else if (id == "data") {
            const std::size_t count = (bytes.size() - at) / sizeof(float);
            wav.samples.resize(count);
            std::memcpy(wav.samples.data(), bytes.data() + at, count * sizeof(float));
            return wav.channels > 0 ? std::optional<FloatWav>(wav) : std::nullopt;
        }
        at += size;
    }
    return std::nullopt;
}

// An entry of a zip archive made by hand: bytes, or zeros made as they are
// compressed (a zip bomb needs no memory to make).
struct ZipEntry {
    std::string name;
    std::string bytes;
    std::uint64_t zeros = 0;  // when > 0, instead of bytes
};

namespace sigrok_test_detail {

struct Zeros {
    std::uint64_t size;
    std::uint64_t at = 0;
};

inline zip_int64_t MakeZeros(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* zeros = static_cast<Zeros*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN:
            zeros->at = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const zip_uint64_t n = std::min<zip_uint64_t>(length, zeros->size - zeros->at);
            std::memset(data, 0, n);
            zeros->at += n;
            return static_cast<zip_int64_t>(n);
        }
        case ZIP_SOURCE_CLOSE:
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->size = zeros->size;
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_FREE:
            delete zeros;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS, -1);
        default:
            return -1;
    }
}

}  // namespace sigrok_test_detail

// Writes a zip archive of the entries, deflated, in this order.
inline bool WriteZip(const std::string& path, const std::vector<ZipEntry>& entries) {
    std::remove(path.c_str());
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_EXCL, &code);
    if (archive == nullptr) {
        return false;
    }
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = entry.zeros > 0
                                   ? zip_source_function(archive, sigrok_test_detail::MakeZeros,
                                                         new sigrok_test_detail::Zeros{entry.zeros})
                                   : zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        if (source == nullptr || zip_file_add(archive, entry.name.c_str(), source, 0) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

inline std::string Floats(const std::vector<float>& values) {
    return std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(float));
}

// Rewrites the uncompressed size an archive states for entry name, in its
// local header and in its central directory, as a forger would.
inline bool ForgeStatedSize(const std::string& path, const std::string& name, std::uint32_t size) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto u16 = [&bytes](std::size_t at) {
        return static_cast<std::size_t>(static_cast<std::uint8_t>(bytes[at]) |
                                        static_cast<std::uint8_t>(bytes[at + 1]) << 8);
    };
    auto put32 = [&bytes](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xff);
        }
    };
    int forged = 0;
    // Local header: name length at 26, name at 30, size at 22. Central
    // directory entry: name length at 28, name at 46, size at 24.
    for (const auto& [signature, lengthAt, nameAt, sizeAt] :
         {std::tuple{std::string("PK\x03\x04"), 26, 30, 22}, std::tuple{std::string("PK\x01\x02"), 28, 46, 24}}) {
        for (std::size_t at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 4)) {
            const auto base = static_cast<std::size_t>(at);
            if (base + static_cast<std::size_t>(nameAt) + name.size() <= bytes.size() &&
                u16(base + static_cast<std::size_t>(lengthAt)) == name.size() &&
                bytes.compare(base + static_cast<std::size_t>(nameAt), name.size(), name) == 0) {
                put32(base + static_cast<std::size_t>(sizeAt), size);
                ++forged;
            }
        }
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return forged == 2;
}
