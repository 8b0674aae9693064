#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Picture files written in the format their name's extension names, never
// a bitmap posing under a ".png" name. QtGui only, no widgets.
namespace PictureFile {

// The writer format for the name's extension ("png" for "shot.PNG"), or an
// empty array when no image writer of this system takes that extension.
QByteArray FormatOf(const QString& fileName);

// The extensions the image writers take, lower case, "png" first.
QStringList WritableExtensions();

// The save dialog's filters: "All pictures (...)" first, then one entry
// per writable format, PNG second.
QStringList NameFilters();

// The name as typed, with ".png" appended when it has no extension.
QString Completed(const QString& fileName);

// Writes picture to fileName in the format of its extension. The picture
// is written aside and renamed over the name, so a failed write never
// leaves a truncated file there. Returns an empty string on success,
// otherwise why the file was not written.
QString Save(const QImage& picture, const QString& fileName);

}  // namespace PictureFile
