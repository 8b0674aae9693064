// daq-cli measure against the window's measurements of the same samples,
// read back from the capture with a reader of its own (split and strtod).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliExit.h"
#include "CliTestSupport.h"
#include "MeasurementText.h"
#include "Measurements.h"

namespace {

std::vector<double> Column(const std::string& path, std::size_t column) {
    std::vector<double> values;
    const auto rows = ReadCsv(path);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        values.push_back(std::strtod(rows[i][column].c_str(), nullptr));
    }
    return values;
}

// The text after "name": up to the next ',' or '}'.
std::string Field(const std::string& json, const std::string& name) {
    const std::size_t at = json.find("\"" + name + "\":");
    if (at == std::string::npos) {
        return "(missing)";
    }
    const std::size_t start = at + name.size() + 3;
    return json.substr(start, json.find_first_of(",}", start) - start);
}

std::optional<double> JsonNumber(const std::string& json, const std::string& name) {
    const std::string text = Field(json, name);
    if (text == "null") {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << name << ": " << text;
    return value;
}

}  // namespace

TEST(MeasureCommandTest, LinesAndJsonAreTheWindowsMeasurementsOfTheSamples) {
    CliRun cli;
    ASSERT_EQ(cli.Run({"capture", "--rate", "6250", "--duration", "0.5", "--csv", cli.Path("s.csv"),
                       "--simulate=dc:0:0.5,sine:250:1.5:0.5"}),
              kExitOk)
        << cli.err.str();
    for (const int channel : {0, 1}) {
        SCOPED_TRACE(channel);
        const std::vector<double> samples = Column(cli.Path("s.csv"), 1 + static_cast<std::size_t>(channel));
        const Measurements m = Measure(samples, 6250);
        const MeasurementText t = FormatMeasurements(m);

        ASSERT_EQ(cli.Run({"measure", cli.Path("s.csv"), "--channel", std::to_string(channel)}), kExitOk)
            << cli.err.str();
        EXPECT_EQ(cli.out.str(), "Frequency: " + t.frequency + "\nPeriod: " + t.period + "\nPeak-to-peak: " +
                                     t.peakToPeak + "\nMaximum: " + t.maximum + "\nMinimum: " + t.minimum +
                                     "\nMean: " + t.mean + "\nRMS: " + t.rms + "\n");
        EXPECT_EQ(cli.err.str(), "");

        ASSERT_EQ(cli.Run({"measure", "--json", cli.Path("s.csv"), "--channel=" + std::to_string(channel)}),
                  kExitOk);
        const std::string json = cli.out.str();
        EXPECT_EQ(json.front(), '{');
        EXPECT_EQ(json.substr(json.size() - 2), "}\n");
        EXPECT_EQ(json.find('\n'), json.size() - 1);
        EXPECT_EQ(Field(json, "channel"), std::to_string(channel));
        EXPECT_EQ(Field(json, "rate"), "6250");
        EXPECT_EQ(Field(json, "samples"), "3125");
        EXPECT_EQ(Field(json, "whole_periods"), std::to_string(m.wholePeriods));
        EXPECT_EQ(JsonNumber(json, "frequency_hz"), m.frequency);
        EXPECT_EQ(JsonNumber(json, "period_s"), m.period);
        EXPECT_EQ(JsonNumber(json, "peak_to_peak_v"), m.peakToPeak);
        EXPECT_EQ(JsonNumber(json, "maximum_v"), m.maximum);
        EXPECT_EQ(JsonNumber(json, "minimum_v"), m.minimum);
        EXPECT_EQ(JsonNumber(json, "mean_v"), m.mean);
        EXPECT_EQ(JsonNumber(json, "rms_v"), m.rms);
    }
    // CH0 is flat, CH1 a 250 Hz sine.
    EXPECT_EQ(cli.Run({"measure", cli.Path("s.csv")}), kExitOk);
    EXPECT_NE(cli.out.str().find("Frequency: --\nPeriod: --\n"), std::string::npos) << cli.out.str();
    EXPECT_EQ(cli.Run({"measure", cli.Path("s.csv"), "--channel", "1"}), kExitOk);
    EXPECT_EQ(cli.out.str().substr(0, 40), "Frequency: 250.00 Hz\nPeriod: 4.00 ms\nPea");
}

TEST(MeasureCommandTest, SavedDataHugeValuesAndAwkwardNames) {
    CliRun cli;
    WriteFile(cli.Path("saved.txt"),
              "CH0 Data:\r\n1\r\n-1\r\n1\r\n-1\r\n1\r\n-1\r\n1\r\nCH1 Data:\r\n2,5\r\n");
    EXPECT_EQ(cli.Run({"measure", cli.Path("saved.txt")}), kExitUsage);
    EXPECT_NE(cli.err.str().find("give --rate"), std::string::npos) << cli.err.str();
    ASSERT_EQ(cli.Run({"measure", cli.Path("saved.txt"), "--rate", "64"}), kExitOk) << cli.err.str();
    EXPECT_EQ(cli.out.str(),
              "Frequency: 32.00 Hz\nPeriod: 31.25 ms\nPeak-to-peak: 2.00 V\nMaximum: 1.00 V\n"
              "Minimum: -1.00 V\nMean: 142.90 mV\nRMS: 1.00 V\n");
    ASSERT_EQ(cli.Run({"measure", cli.Path("saved.txt"), "--rate", "64", "--channel", "1"}), kExitOk);
    EXPECT_EQ(cli.out.str(),
              "Frequency: --\nPeriod: --\nPeak-to-peak: 0.00 mV\nMaximum: 2.50 V\nMinimum: 2.50 V\n"
              "Mean: 2.50 V\nRMS: 2.50 V\n");

    const std::string name = cli.Path("a \"quoted\"\nname.csv");
    WriteFile(name, "ch0_v\n1e308\n-1e308\n");
    ASSERT_EQ(cli.Run({"measure", name, "--rate", "100k", "--json"}), kExitOk) << cli.err.str();
    const std::string json = cli.out.str();
    EXPECT_NE(json.find(R"(a \"quoted\"\nname.csv",)"), std::string::npos) << json;
    EXPECT_EQ(Field(json, "peak_to_peak_v"), "null");
    EXPECT_EQ(Field(json, "frequency_hz"), "null");
    EXPECT_EQ(Field(json, "maximum_v"), "1e+308");
    EXPECT_EQ(Field(json, "mean_v"), "0");
    EXPECT_EQ(Field(json, "rms_v"), "1e+308");

    WriteFile(cli.Path("header.csv"), "time_s,ch0_v,ch1_v\n");
    EXPECT_EQ(cli.Run({"measure", cli.Path("header.csv")}), kExitFile);
    EXPECT_EQ(cli.err.str(), "daq-cli: " + cli.Path("header.csv") + " holds no CH0 samples to measure\n");
}
