#include "PictureFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace PictureFile {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("PictureFile", text);
}

}  // namespace

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
    filters.prepend(Tr("All pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
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
        return Tr("there is no picture to save");
    }
    // A link is followed to its file; a folder, device or FIFO under the name
    // is left alone rather than replaced by a picture.
    const QFileInfo target(QFileInfo(fileName).exists() ? QFileInfo(fileName).canonicalFilePath() : fileName);
    if (target.exists() && !target.isFile()) {
        return target.isDir() ? Tr("it is a folder") : Tr("it is not a regular file");
    }
    const QByteArray format = FormatOf(fileName);
    if (format.isEmpty()) {
        return Tr("no picture format is known for the extension \"%1\"; use one of: %2")
            .arg(QFileInfo(fileName).suffix(), WritableExtensions().join(QStringLiteral(", ")));
    }
    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QImageWriter writer(&file, format);
    if (!writer.write(picture)) {
        const QString why = writer.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace PictureFile
