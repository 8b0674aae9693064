#include "PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

#include "WholeFile.h"

namespace PictureFile {

QByteArray FormatOf(const QString& fileName) {
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toUtf8();
    if (suffix.isEmpty()) {
        return {};
    }
    const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    if (formats.contains(suffix)) {
        return suffix;
    }
    // ".jpeg" and ".jpg", ".tif" and ".tiff" name the same writers.
    if (suffix == "jpeg" && formats.contains("jpg")) {
        return "jpg";
    }
    if (suffix == "tif" && formats.contains("tiff")) {
        return "tiff";
    }
    return {};
}

QStringList WritableExtensions() {
    QStringList extensions;
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        extensions << QString::fromLatin1(format).toLower();
    }
    extensions.removeDuplicates();
    extensions.removeAll(QStringLiteral("png"));
    extensions.prepend(QStringLiteral("png"));
    return extensions;
}

QStringList NameFilters() {
    QStringList patterns;
    QStringList filters;
    for (const QString& extension : WritableExtensions()) {
        patterns << QStringLiteral("*.") + extension;
        filters << QStringLiteral("%1 (*.%2)").arg(extension.toUpper(), extension);
    }
    filters.prepend(
        QCoreApplication::translate("PictureFile", "All pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    return filters;
}

QString Completed(const QString& fileName) {
    if (!QFileInfo(fileName).suffix().isEmpty()) {
        return fileName;
    }
    // "shot." has an empty suffix too; it becomes "shot.png", not "shot..png".
    return fileName.endsWith(QLatin1Char('.')) ? fileName + QStringLiteral("png")
                                               : fileName + QStringLiteral(".png");
}

QString Save(const QImage& picture, const QString& fileName) {
    if (picture.isNull()) {
        return QCoreApplication::translate("PictureFile", "there is no picture to save");
    }
    // A link is followed to its file; a folder, device or FIFO under the name
    // is left alone rather than replaced by a picture.
    const QFileInfo target(QFileInfo(fileName).exists() ? QFileInfo(fileName).canonicalFilePath() : fileName);
    if (target.exists() && !target.isFile()) {
        return target.isDir() ? QCoreApplication::translate("PictureFile", "it is a folder")
                              : QCoreApplication::translate("PictureFile", "it is not a regular file");
    }
    const QByteArray format = FormatOf(fileName);
    if (format.isEmpty()) {
        return QCoreApplication::translate(
                   "PictureFile", "no picture format is known for the extension \"%1\"; use one of: %2")
            .arg(QFileInfo(fileName).suffix(), WritableExtensions().join(QStringLiteral(", ")));
    }
    // Made in memory first: the writer does not tell a full disk from any
    // other failure, the file does.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture)) {
        return writer.errorString();
    }
    return WriteWholeFile(target.filePath(), bytes);
}

}  // namespace PictureFile
