#pragma once

#include <QString>

#include <memory>

// Opens a document with the desktop's program for its type, as the shell
// does on a double click: xdg-open and the desktop portals on Linux, the
// shell's default action on Windows (both through QDesktopServices).
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Returns false when nothing could open the file, also when the desktop
    // says it has no program for its type (DesktopProgramQuery).
    virtual bool Open(const QString& file) = 0;
};

std::unique_ptr<DocumentOpener> MakeDesktopDocumentOpener();
