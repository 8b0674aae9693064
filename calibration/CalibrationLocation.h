#pragma once

#include <filesystem>

// Where calibration.ini lives. It belongs beside the program; but an
// installed program's folder is not writable, and a calibration that
// cannot be stored would be lost, so such an installation keeps it in the
// user's configuration folder instead. So does an installation in
// PREFIX/bin with its data in PREFIX/share/daq, writable or not (root's
// calibration does not go into /usr/bin). The window and daq-cli resolve it
// with the same two functions, so both always use the same file.
struct CalibrationLocations {
    // The folder of the running program.
    std::filesystem::path programDir;
    // The user's configuration folder for this program: on Linux
    // $XDG_CONFIG_HOME/DAQ, or ~/.config/DAQ (Qt's AppConfigLocation for
    // the application "DAQ"); on Windows %LOCALAPPDATA%\DAQ.
    std::filesystem::path userConfigDir;
};

inline constexpr char kCalibrationFileName[] = "calibration.ini";

// The folders of the running program and user.
CalibrationLocations DefaultCalibrationLocations();

// The file to read: beside the program when that folder can take a new
// calibration; otherwise the user's copy when there is one, else the
// (read-only) one beside the program.
std::filesystem::path CalibrationReadPath(const CalibrationLocations& where = DefaultCalibrationLocations());

// The file to write: beside the program when its folder is writable and
// the file there, if any, is too; otherwise in the user's folder.
std::filesystem::path CalibrationWritePath(const CalibrationLocations& where = DefaultCalibrationLocations());
