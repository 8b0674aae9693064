#include "CalibrationLocation.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

bool Writable(const fs::path& path) {
#ifdef _WIN32
    return _waccess(path.c_str(), 2) == 0;
#else
    return access(path.c_str(), W_OK) == 0;
#endif
}

// An installed program: PREFIX/bin beside the program's data in
// PREFIX/share/daq. Its folder is the system's, even to an administrator who
// could write there.
bool Installed(const fs::path& programDir) {
    std::error_code error;
    return programDir.filename() == "bin" &&
           fs::is_directory(programDir.parent_path() / "share" / "daq", error);
}

// Whether a new calibration could be stored beside the program.
bool ProgramDirTakesCalibration(const CalibrationLocations& where) {
    std::error_code error;
    if (where.programDir.empty() || !fs::is_directory(where.programDir, error) ||
        !Writable(where.programDir) || Installed(where.programDir)) {
        return false;
    }
    const fs::path file = where.programDir / kCalibrationFileName;
    // A file made read-only on purpose is not replaced behind its owner's
    // back.
    return !fs::exists(file, error) || Writable(file);
}

fs::path ProgramDir() {
    std::error_code error;
#ifdef _WIN32
    wchar_t name[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, name, sizeof name / sizeof name[0]);
    if (length == 0 || length >= sizeof name / sizeof name[0]) {
        return {};
    }
    return fs::path(name).parent_path();
#else
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
#endif
}

fs::path UserConfigDir() {
#ifdef _WIN32
    if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local && *local) {
        return fs::path(local) / "DAQ";
    }
    return {};
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute()) {
        return fs::path(xdg) / "DAQ";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".config" / "DAQ";
    }
    return {};
#endif
}

}  // namespace

CalibrationLocations DefaultCalibrationLocations() {
    return {ProgramDir(), UserConfigDir()};
}

fs::path CalibrationReadPath(const CalibrationLocations& where) {
    const fs::path besideProgram = where.programDir / kCalibrationFileName;
    if (ProgramDirTakesCalibration(where) || where.userConfigDir.empty()) {
        return besideProgram;
    }
    const fs::path user = where.userConfigDir / kCalibrationFileName;
    std::error_code error;
    return fs::exists(user, error) ? user : besideProgram;
}

fs::path CalibrationWritePath(const CalibrationLocations& where) {
    if (ProgramDirTakesCalibration(where) || where.userConfigDir.empty()) {
        return where.programDir / kCalibrationFileName;
    }
    return where.userConfigDir / kCalibrationFileName;
}
