// libFuzzer entry for calibration.ini: any bytes as the file load without
// harm, into corrections that give finite readings; storing what was loaded
// and loading it again gives it back unchanged, whatever else the file held.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "CalibrationFile.h"

namespace {

// The file the bytes are written to, removed when the fuzzer ends normally.
struct TemporaryFile {
    std::filesystem::path path;
    ~TemporaryFile() {
        std::error_code error;
        std::filesystem::remove(path, error);
    }
};

const std::filesystem::path& FilePath() {
    static const TemporaryFile file{std::filesystem::temp_directory_path() /
                                    ("daq-fuzz-calibration-" + std::to_string(getpid()) + ".ini")};
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& path = FilePath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const CalibrationLoad load = LoadCalibrationFile(path);
    for (int channel = 0; channel < 2; ++channel) {
        if (!GivesFiniteReadings(load.channel[static_cast<std::size_t>(channel)], 0.0f)) {
            std::abort();
        }
    }
    if (!WriteCalibrationFile(path, load.texts).empty()) {
        std::abort();
    }
    const CalibrationLoad again = LoadCalibrationFile(path);
    if (!again.found || again.texts != load.texts || again.channel != load.channel) {
        std::abort();
    }
    return 0;
}
