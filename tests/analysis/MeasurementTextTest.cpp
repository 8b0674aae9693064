#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "MeasurementText.h"

namespace {

struct Row {
    std::optional<double> value;
    const char* text;
};

void ExpectTexts(const std::function<std::string(std::optional<double>)>& format,
                 std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(format(row.value), row.text) << (row.value ? *row.value : -0.0);
    }
}

}  // namespace

// The unit keeps at most three integer digits as the number is shown, so
// 999.96 mV, which shows as 1000.00, reads 1.00 V.
TEST(MeasurementTextTest, VoltsInMillivoltsBelowOneVolt) {
    ExpectTexts(FormatVolts, {
                                 {std::nullopt, "--"},
                                 {0.0, "0.00 mV"},
                                 {-0.0, "0.00 mV"},
                                 {0.5, "500.00 mV"},
                                 {0.0123456, "12.35 mV"},
                                 {-0.0004, "-0.40 mV"},
                                 {0.0061709, "6.17 mV"},
                                 {0.99994, "999.90 mV"},
                                 {0.99996, "1.00 V"},
                                 {-0.99996, "-1.00 V"},
                                 {1.5, "1.50 V"},
                                 {14.33, "14.33 V"},
                                 {-10.9, "-10.90 V"},
                                 {1234.5, "1235.00 V"},
                                 {12345.0, "1.235E+04 V"},
                                 {1e308, "1.000E+308 V"},
                             });
}

TEST(MeasurementTextTest, FrequencyFromMillihertzToMegahertz) {
    ExpectTexts(FormatFrequency, {
                                     {std::nullopt, "--"},
                                     {0.0417, "41.70 mHz"},
                                     {0.5, "500.00 mHz"},
                                     {1.0, "1.00 Hz"},
                                     {50.0, "50.00 Hz"},
                                     {999.96, "1.00 kHz"},
                                     {12345.0, "12.35 kHz"},
                                     {49999.9, "50.00 kHz"},
                                     {2.5e6, "2.50 MHz"},
                                     {5e8, "500.00 MHz"},
                                     {1e10, "1.000E+04 MHz"},
                                 });
}

TEST(MeasurementTextTest, PeriodFromNanosecondsToSeconds) {
    ExpectTexts(FormatPeriod, {
                                  {std::nullopt, "--"},
                                  {2e-9, "2.00 ns"},
                                  {2e-5, "20.00 \u00b5s"},
                                  {0.00099999, "1.00 ms"},
                                  {0.001, "1.00 ms"},
                                  {0.02, "20.00 ms"},
                                  {1.5, "1.50 s"},
                                  {24.0, "24.00 s"},
                                  {5000.0, "5000.00 s"},
                                  {20000.0, "2.000E+04 s"},
                              });
}

TEST(MeasurementTextTest, SevenTextsInTheirOrder) {
    Measurements m;
    const MeasurementText none = FormatMeasurements(m);
    for (const std::string* text : {&none.frequency, &none.period, &none.peakToPeak, &none.maximum,
                                    &none.minimum, &none.mean, &none.rms}) {
        EXPECT_EQ(*text, "--");
    }
    m.frequency = 50.0;
    m.period = 0.02;
    m.peakToPeak = 4.0;
    m.maximum = 2.5;
    m.minimum = -1.5;
    m.mean = 0.003;
    m.rms = 1.4142;
    const MeasurementText t = FormatMeasurements(m);
    EXPECT_EQ(t.frequency, "50.00 Hz");
    EXPECT_EQ(t.period, "20.00 ms");
    EXPECT_EQ(t.peakToPeak, "4.00 V");
    EXPECT_EQ(t.maximum, "2.50 V");
    EXPECT_EQ(t.minimum, "-1.50 V");
    EXPECT_EQ(t.mean, "3.00 mV");
    EXPECT_EQ(t.rms, "1.41 V");
}
