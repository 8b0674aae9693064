#include "SimulatedLink.h"  // before any Qt header

namespace {

// Unpaced: CH0 a 10 Hz sine of 2 V, CH1 a 25 Hz square of 1 V. Before any
// Qt header too: Qt's "signals" macro would rewrite the member.
SimOptions Signals() {
    SimOptions options;
    options.signals.channels = {SimSignal{SimShape::Sine, 10.0, 2.0, 0.0},
                                SimSignal{SimShape::Square, 25.0, 1.0, 0.0}};
    options.paced = false;
    return options;
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <map>

#include "TChart.h"
#include "TForm1.h"
#include "Unit1Globals.h"

namespace {

constexpr int kWaitMs = 20000;
const char* const kRows[] = {"Frequency", "Period", "Vpp", "Max", "Min", "Mean", "RMS"};

// The Measurements box during runs at 6250 samples/s on the simulated
// instrument, both channels on.
class TForm1MeasurementsTest : public ::testing::Test {
protected:
    TForm1 form{SimulatedLink(std::make_shared<SimulatedInstrument>(Signals()))};

    void SetUp() override {
        form.FormCreate();
        ASSERT_TRUE(gDeviceFound);
        form.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(1);
        form.ComboBox3Change();
        form.Image15Click();
        ASSERT_EQ(gChannelMask.load(), 3);
    }

    QString Text(int channel, const char* row) {
        const QString name = QStringLiteral("MeasureCH%1%2").arg(channel).arg(QLatin1String(row));
        const auto* label = form.findChild<QLabel*>(name);
        return label != nullptr ? label->text() : QStringLiteral("no label ") + name;
    }
    bool AllMissing(int channel) {
        for (const char* row : kRows) {
            if (Text(channel, row) != QStringLiteral("--")) {
                return false;
            }
        }
        return true;
    }
    // "10.00 Hz" in hertz, "100.00 ms" in seconds; NaN for "--".
    double Value(int channel, const char* row) {
        static const std::map<QString, double> scale{
            {QStringLiteral("mHz"), 1e-3}, {QStringLiteral("Hz"), 1.0},    {QStringLiteral("kHz"), 1e3},
            {QStringLiteral("ms"), 1e-3},  {QStringLiteral("s"), 1.0},     {QStringLiteral("mV"), 1e-3},
            {QStringLiteral("V"), 1.0},    {QString::fromUtf8("µs"), 1e-6}};
        const QStringList parts = Text(channel, row).split(QLatin1Char(' '));
        const auto unit = parts.size() == 2 ? scale.find(parts[1]) : scale.end();
        return unit == scale.end() ? std::nan("") : parts[0].toDouble() * unit->second;
    }
    bool Measured(int channel) { return !std::isnan(Value(channel, "Frequency")); }
    // Waits for the next analysis result of CH0 to be shown.
    bool NextResult() {
        SeriesModel& spectrum = form.findChild<TChart*>(QStringLiteral("Chart1"))->Series(0);
        spectrum.Clear();
        return QTest::qWaitFor([&] { return spectrum.Count() > 0; }, kWaitMs);
    }
};

TEST_F(TForm1MeasurementsTest, FreeRunningRunShowsEachChannelsScreen) {
    EXPECT_TRUE(AllMissing(0) && AllMissing(1)) << "nothing measured before a run";
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Measured(0) && Measured(1); }, kWaitMs));
    const struct {
        int channel;
        const char* row;
        double expected;
        double tolerance;
    } rows[] = {
        {0, "Frequency", 10.0, 0.01},  {0, "Period", 0.1, 1e-4},
        {0, "Vpp", 4.0, 0.04},         {0, "RMS", std::sqrt(2.0), 0.02},
        {1, "Frequency", 25.0, 0.025}, {1, "Period", 0.04, 4e-5},
        {1, "Max", 1.0, 0.01},         {1, "Min", -1.0, 0.01},
        {1, "RMS", 1.0, 0.01},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(Value(row.channel, row.row), row.expected, row.tolerance) << row.channel << row.row;
    }
}

// A channel turned off shows "--" at once, and a result of it still on its
// way does not bring its numbers back.
TEST_F(TForm1MeasurementsTest, HiddenChannelShowsNothing) {
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Measured(0) && Measured(1); }, kWaitMs));
    form.Image13Click();
    EXPECT_TRUE(AllMissing(1));
    ASSERT_TRUE(NextResult());
    ASSERT_TRUE(NextResult());
    EXPECT_TRUE(AllMissing(1));
    EXPECT_TRUE(Measured(0));
    form.Image10Click();
    EXPECT_TRUE(AllMissing(0));
}

TEST_F(TForm1MeasurementsTest, ClearResetsBothColumns) {
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Measured(0) && Measured(1); }, kWaitMs));
    form.Image7Click();  // Hold: Clear is available when nothing runs
    form.Image4Click();
    EXPECT_TRUE(AllMissing(0));
    EXPECT_TRUE(AllMissing(1));
}

// A demo measures its wave on CH0 with its spectrum; CH1 shows nothing, as
// its peak list.
TEST_F(TForm1MeasurementsTest, DemoIsMeasuredOnCh0Only) {
    form.Button1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Measured(1); }, kWaitMs));
    form.Image9Click();  // 1.0 + 0.5 sin(2 pi 7 t) at 64 samples/s
    EXPECT_EQ(Text(0, "Frequency"), QStringLiteral("7.00 Hz"));
    EXPECT_EQ(Text(0, "Vpp"), QStringLiteral("1.00 V"));
    EXPECT_EQ(Text(0, "Mean"), QStringLiteral("1.00 V"));
    EXPECT_TRUE(AllMissing(1));
}

// Chinese captions are taller in the panel's font than English ones; the box
// must still fit under the front panel of a window at its default size.
TEST_F(TForm1MeasurementsTest, ChineseCaptionsFitTheDefaultWindow) {
    form.show();
    const char* const chinese[] = {"频率", "周期", "峰峰值", "最大值", "最小值", "平均值", "有效值"};
    for (std::size_t row = 0; row < std::size(kRows); ++row) {
        form.findChild<QLabel*>(QStringLiteral("MeasureCaption") + QLatin1String(kRows[row]))
            ->setText(QString::fromUtf8(chinese[row]));
    }
    form.findChild<QGroupBox*>(QStringLiteral("GroupBoxMeasurements"))->setTitle(QString::fromUtf8("测量"));
    // The captions' new size reaches the layout once the events are seen.
    QApplication::processEvents();
    EXPECT_LE(form.minimumSizeHint().height(), 860);
}

}  // namespace
