#pragma once

#include <sndfile.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "RunCli.h"

// A fresh folder per test, removed afterwards; calibration.ini is looked for
// in its "program" subfolder.
class CliRun {
public:
    CliRun() {
        static int serial = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("daq-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::create_directories(dir_ / "program");
    }
    ~CliRun() { std::filesystem::remove_all(dir_); }

    std::string Path(std::string_view name) const { return (dir_ / name).string(); }

    int Run(std::vector<std::string> args, const std::atomic<bool>* interrupted = nullptr) {
        out.str({});
        err.str({});
        std::vector<std::string_view> views(args.begin(), args.end());
        CliContext context = Context(interrupted);
        return RunCli(views, context);
    }

    CliContext Context(const std::atomic<bool>* interrupted = nullptr) {
        return CliContext{
            out, err, in, interrupted, false, CalibrationLocations{dir_ / "program", dir_ / "user"}, nullptr};
    }

    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;

private:
    std::filesystem::path dir_;
};

inline std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::stringstream fieldStream(line);
        std::string field;
        while (std::getline(fieldStream, field, ',')) {
            fields.push_back(field);
        }
        rows.push_back(fields);
    }
    return rows;
}

struct Wav {
    SF_INFO info{};
    std::vector<std::uint8_t> bytes;
};

// The recording as a reader other than ours sees it.
inline std::optional<Wav> ReadWav(const std::string& path) {
    Wav wav;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &wav.info);
    if (file == nullptr) {
        return std::nullopt;
    }
    wav.bytes.resize(static_cast<std::size_t>(wav.info.frames));
    sf_read_raw(file, wav.bytes.data(), static_cast<sf_count_t>(wav.bytes.size()));
    sf_close(file);
    return wav;
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
