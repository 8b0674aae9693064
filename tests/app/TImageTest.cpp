#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "TImage.h"

namespace {

class TImageTest : public ::testing::Test {
protected:
    TImageTest() {
        image.resize(70, 30);
        image.show();
    }
    TImage image;
    QSignalSpy clicks{&image, &TImage::Clicked};
};

TEST_F(TImageTest, LeftClickReportsAClick) {
    QTest::mouseClick(&image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(TImageTest, OtherButtonsDoNotClick) {
    QTest::mouseClick(&image, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(&image, Qt::MiddleButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(TImageTest, ReleasingOutsideCancelsTheClick) {
    QTest::mousePress(&image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&image, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(TImageTest, ADisabledButtonDoesNotClick) {
    image.setEnabled(false);
    QTest::mouseClick(&image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(TImageTest, FindsPicturesWithoutRegardToCase) {
    for (const char* name : {"MixedCase", "mixedcase", "MIXEDCASE"}) {
        image.SetPicture(QString::fromLatin1(name));
        EXPECT_TRUE(image.HasPicture()) << name;
        EXPECT_EQ(image.Picture(), QString::fromLatin1(name));
    }
    EXPECT_EQ(TImage::FindPicture(QStringLiteral("mixedCASE")), QStringLiteral(":/panel/MixedCase.png"));
}

TEST_F(TImageTest, DrawsThePictureStretchedOverTheButton) {
    image.SetPicture(QStringLiteral("mixedcase"));
    const QImage shot = image.grab().toImage();
    for (const QPoint at : {QPoint(1, 1), QPoint(35, 15), QPoint(68, 28)}) {
        EXPECT_EQ(shot.pixelColor(at), QColor(Qt::red)) << at.x() << "," << at.y();
    }
}

TEST_F(TImageTest, ADisabledPictureFades) {
    image.SetPicture(QStringLiteral("mixedcase"));
    image.setEnabled(false);
    const QColor faded = image.grab().toImage().pixelColor(35, 15);
    EXPECT_NE(faded, QColor(Qt::red));
    EXPECT_GT(faded.green(), 0) << "lighter, towards the background";
}

TEST_F(TImageTest, AMissingPictureLeavesTheCaptionButton) {
    image.SetPicture(QStringLiteral("mixedcase"));
    image.SetPicture(QStringLiteral("no such picture"));
    EXPECT_FALSE(image.HasPicture());
    EXPECT_TRUE(TImage::FindPicture(QStringLiteral("no such picture")).isEmpty());
    image.SetCaption(QStringLiteral("START"));
    const QImage shot = image.grab().toImage();
    EXPECT_NE(shot.pixelColor(35, 15), QColor(Qt::red));
}

TEST_F(TImageTest, LitAndDarkFallbacksLookDifferent) {
    image.SetCaption(QStringLiteral("CH0"));
    image.SetLit(false);
    const QImage dark = image.grab().toImage();
    image.SetLit(true);
    const QImage lit = image.grab().toImage();
    EXPECT_NE(dark, lit);
}

}  // namespace
