#pragma once

#include <QString>

// Whether the desktop has a program for a file's type. On Linux xdg-open
// runs in the background and tells nobody when it finds no program, so the
// question is put to xdg-mime first, which names the program xdg-open would
// start (found on PATH, answered within a few seconds).
enum class DesktopProgram {
    kFound,    // xdg-mime named one
    kNone,     // xdg-mime answered, naming none
    kUnknown,  // no xdg-mime, or it failed or did not answer (and on other systems)
};

DesktopProgram DesktopProgramFor(const QString& file);
