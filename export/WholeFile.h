#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to fileName as one whole file: aside, then renamed over the
// name, so a failed write never leaves a truncated file there and the old
// content stays whole. A write that stops short (a full disk writes what
// fits and only then refuses) is pressed to its end, so the reason given is
// the system's ("No space left on device"), not Qt's "Unknown error".
// Returns an empty string on success, otherwise why nothing was written.
QString WriteWholeFile(const QString& fileName, const QByteArray& bytes);
