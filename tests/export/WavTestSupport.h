#pragma once

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A fresh directory per test for "out.wav" and its neighbours.
class WavFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("daq_export_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        path = dir / "out.wav";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::int64_t FileSize() const {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        return error ? -1 : static_cast<std::int64_t>(size);
    }

    std::filesystem::path dir;
    std::filesystem::path path;
};

// The 44-byte header as it lies in the file, parsed by hand.
struct WavHeader {
    std::string riff, wave, fmt, data;
    std::uint32_t riffSize = 0, fmtSize = 0, sampleRate = 0, byteRate = 0, dataSize = 0;
    std::uint16_t formatTag = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
};

inline WavHeader ReadHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b(44);
    in.read(reinterpret_cast<char*>(b.data()), 44);
    const auto u16 = [&](int at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); };
    const auto u32 = [&](int at) {
        return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
               static_cast<std::uint32_t>(b[at + 3]) << 24;
    };
    const auto tag = [&](int at) { return std::string(b.begin() + at, b.begin() + at + 4); };
    return WavHeader{tag(0),  tag(8),  tag(12), tag(36), u32(4),  u32(16), u32(24),
                     u32(28), u32(40), u16(20), u16(22), u16(32), u16(34)};
}

// What libsndfile's read side makes of the file: its format and the raw
// sample bytes.
struct WavContent {
    SF_INFO info{};
    std::vector<std::uint8_t> samples;
};

inline WavContent ReadBack(const std::filesystem::path& path) {
    WavContent content;
    SNDFILE* file = sf_open(path.string().c_str(), SFM_READ, &content.info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    if (file == nullptr) {
        return content;
    }
    content.samples.resize(static_cast<std::size_t>(content.info.frames));
    EXPECT_EQ(sf_read_raw(file, content.samples.data(), content.info.frames), content.info.frames);
    sf_close(file);
    return content;
}
