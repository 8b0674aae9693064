#include "TForm8.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "TChart.h"

namespace {

class TForm8Test : public ::testing::Test {
protected:
    TForm8 form;
    float volts = 0.0f;

    void SetUp() override {
        form.SetSource([this] { return volts; }, [] { return QStringLiteral("Out of Range"); });
    }
    QString Readout() { return form.findChild<QLineEdit*>(QStringLiteral("Edit9"))->text(); }
    SeriesModel& Plot() { return form.findChild<TChart*>(QStringLiteral("Chart2"))->Series(0); }
    void Read(float v) {
        volts = v;
        form.Timer2Timer();
    }
};

TEST_F(TForm8Test, ShowsAndPlotsEachReading) {
    const struct {
        float volts;
        const char* text;
        double plotted;
    } readings[] = {{5.0f, "25.000", 25.0}, {5.01f, "Out of Range", 40.0}, {-2.0f, "39.000", 39.0}};
    EXPECT_EQ(Readout(), QStringLiteral("out of range"));
    form.Button1Click();
    EXPECT_TRUE(form.Reading());
    for (int i = 0; i < 3; ++i) {
        Read(readings[i].volts);
        EXPECT_EQ(Readout(), QString::fromLatin1(readings[i].text));
        ASSERT_EQ(Plot().PairCount(), i + 1);
        EXPECT_EQ(Plot().XValue(i), i);
        EXPECT_EQ(Plot().YValue(i), readings[i].plotted);
    }
}

TEST_F(TForm8Test, KeepsThirtyPositionsAndScrollsOntoTheLast) {
    form.Button1Click();
    for (int i = 0; i < 31; ++i) {
        Read(static_cast<float>(i) * 0.1f);
    }
    ASSERT_EQ(Plot().PairCount(), 30);
    EXPECT_EQ(Plot().XValue(29), 29.0);
    EXPECT_NEAR(Plot().YValue(29), 35.0 - 2.0 * 3.0, 1e-5);  // the 31st reading
    EXPECT_NEAR(Plot().YValue(0), 35.0 - 2.0 * 0.1, 1e-5);   // the first has gone
}

TEST_F(TForm8Test, StopAndCloseEndTheReadingsAndKeepThePlot) {
    for (void (TForm8::*end)() : {&TForm8::Button2Click, &TForm8::FormClose}) {
        form.Button1Click();
        Read(1.0f);
        (form.*end)();
        EXPECT_FALSE(form.Reading());
        EXPECT_EQ(Plot().PairCount(), 1);
    }
    form.show();
    form.Button1Click();
    form.close();
    EXPECT_FALSE(form.Reading());
    form.Button1Click();  // Start begins a new plot
    EXPECT_EQ(Plot().PairCount(), 0);
}

}  // namespace
