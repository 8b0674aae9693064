#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "TForm6.h"

namespace {

QString VersionText(const TForm6& about) {
    return about.findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

TEST(TForm6, VersionLineNamesProductTabVersionAndMaker) {
    const QString line = TForm6::VersionLine();
    EXPECT_TRUE(line.startsWith(QStringLiteral("Oscilloscope/Spectrum Analyzer\tV3.03 ")))
        << line.toStdString();
    EXPECT_TRUE(line.endsWith(QLatin1Char('.')));
    EXPECT_GT(line.size(), QStringLiteral("Oscilloscope/Spectrum Analyzer\tV3.03 .").size());
}

TEST(TForm6, ReplacesTheOlderVersionTextAtCreation) {
    TForm6 about;
    EXPECT_EQ(VersionText(about), TForm6::VersionLine());
}

TEST(TForm6, WritesTheVersionLineAgainOnEveryActivation) {
    TForm6 about;
    auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
    for (int i = 0; i < 2; ++i) {
        label->setText(QStringLiteral("V3.0"));  // as a language's layout would leave it
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&about, &activate);
        EXPECT_EQ(VersionText(about), TForm6::VersionLine());
    }
}

TEST(TForm6, OkHidesTheWindowWithoutDestroyingIt) {
    TForm6 about;
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    EXPECT_TRUE(about.isVisible());
}

TEST(TForm6, HasTheAboutLayout) {
    TForm6 about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.size(), QSize(375, 216));
    const std::pair<const char*, QRect> places[] = {{"Label2", QRect(8, 8, 329, 24)},
                                                    {"Image1", QRect(64, 50, 129, 112)},
                                                    {"Label1", QRect(8, 168, 225, 40)},
                                                    {"Button1", QRect(280, 175, 75, 25)}};
    for (const auto& [name, place] : places) {
        EXPECT_EQ(about.findChild<QWidget*>(QString::fromLatin1(name))->geometry(), place) << name;
    }
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("Oscilloscope/Spectrum Analyzer"));
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("Label1"))->wordWrap());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
}

}  // namespace
