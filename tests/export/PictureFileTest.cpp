#include "PictureFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QImage Sample() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(5, 5, 10, 10, QColor(255, 0, 0));
    painter.fillRect(20, 10, 15, 12, QColor(0, 0, 255));
    return image;
}

QByteArray Head(const QString& fileName, int bytes) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

struct FormatCase {
    const char* name;        // as typed
    const char* written;     // the name the picture lands under
    QByteArray magic;        // the format's own signature
    const char* readFormat;  // forced on the reader: the file is what it claims
    bool lossless;
};

class PictureFileFormatTest : public ::testing::TestWithParam<FormatCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(PictureFileFormatTest, WritesTheFormatTheExtensionNames) {
    const FormatCase& c = GetParam();
    const QString typed = PictureFile::Completed(dir.filePath(QString::fromUtf8(c.name)));
    ASSERT_EQ(typed, dir.filePath(QString::fromUtf8(c.written)));
    ASSERT_EQ(PictureFile::Save(Sample(), typed), QString());
    EXPECT_EQ(Head(typed, c.magic.size()), c.magic);
    QImageReader reader(typed, c.readFormat);
    reader.setDecideFormatFromContent(false);
    const QImage back = reader.read();
    ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(back.size(), Sample().size());
    if (c.lossless) {
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), Sample());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(typed).fileName()})
        << "no temporary file is left beside it";
}

INSTANTIATE_TEST_SUITE_P(Extensions, PictureFileFormatTest,
                         ::testing::Values(FormatCase{"shot", "shot.png", "\x89PNG\r\n\x1a\n", "png", true},
                                           FormatCase{"shot.", "shot.png", "\x89PNG\r\n\x1a\n", "png", true},
                                           FormatCase{"Shot.PNG", "Shot.PNG", "\x89PNG\r\n\x1a\n", "png",
                                                      true},
                                           FormatCase{"shot.bmp", "shot.bmp", "BM", "bmp", true},
                                           FormatCase{"shot.jpg", "shot.jpg", "\xff\xd8\xff", "jpeg", false},
                                           FormatCase{"Bild für Kanal 通道.png", "Bild für Kanal 通道.png",
                                                      "\x89PNG", "png", true}));

struct RefusalCase {
    const char* name;  // relative to the test folder, or absolute
    const char* reason;
};

class PictureFileRefusalTest : public ::testing::TestWithParam<RefusalCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(PictureFileRefusalTest, SaysWhyAndLeavesWhatWasThere) {
    QDir(dir.path()).mkdir(QStringLiteral("folder.png"));
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QFile old(dir.filePath(QStringLiteral("old.xyz")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep");
    old.close();

    const QString name = QDir(dir.path()).filePath(QString::fromUtf8(GetParam().name));
    const QString why = PictureFile::Save(Sample(), name);
    ASSERT_FALSE(why.isEmpty());
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().reason))) << why.toStdString();
    EXPECT_EQ(Head(dir.filePath(QStringLiteral("old.xyz")), 10), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.png"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"old.xyz", "plain"}));
}

INSTANTIATE_TEST_SUITE_P(Names, PictureFileRefusalTest,
                         ::testing::Values(RefusalCase{"old.xyz", "\"xyz\"; use one of: png, "},
                                           RefusalCase{"folder.png", "folder"},
                                           RefusalCase{"/dev/full", "not a regular file"},
                                           RefusalCase{"plain/shot.png", ""},
                                           RefusalCase{"missing/shot.png", ""}));

TEST(PictureFileTest, ReplacesAnOldPictureWhole) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("shot.png"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    ASSERT_EQ(PictureFile::Save(Sample(), name), QString());
    EXPECT_EQ(QImage(name, "png"), Sample());
}

}  // namespace

namespace {

// A full disk: a 64 KB tmpfs where one can be mounted (root on Linux).
TEST(PictureFileTest, AFullDiskIsNamedAsSuch) {
    QTemporaryDir dir;
    const QByteArray mountPoint = dir.path().toLocal8Bit();
    const QByteArray command = "mount -t tmpfs -o size=64k tmpfs '" + mountPoint + "' 2>/dev/null";
    if (std::system(command.constData()) != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    QImage noise(800, 800, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            noise.setPixel(x, y, static_cast<QRgb>((x * 2654435761U) ^ (y * 40503U)));
        }
    }
    const QString name = dir.filePath(QStringLiteral("shot.bmp"));
    const QString why = PictureFile::Save(noise, name);
    std::system(("umount '" + mountPoint + "'").constData());
    EXPECT_TRUE(why.contains(QStringLiteral("No space left"))) << why.toStdString();
    EXPECT_FALSE(QFile::exists(name));
}

}  // namespace
