#pragma once

#include <string>
#include <vector>

#include "Measurements.h"
#include "PeakList.h"
#include "SpectrumTransform.h"
#include "StopPoll.h"

// What the analysis draws and lists for one channel: the points of the
// channel's spectrum chart, its six peak lines (none when the chart gets
// no points, so the list keeps its old text) and the measurements of the
// same points.
struct ChannelAnalysis {
    int channel = 0;  // 0: CH0, 1: CH1
    std::vector<double> x;
    std::vector<double> y;
    std::vector<std::string> lines;
    Measurements measurements;
};

// One channel's spectrum and peak list of the background analysis, computed
// from the points a waveform chart shows. The work arrays hold the largest
// block analysed (kMaxPoints samples) and belong to the instance, so passes
// on separate instances never share state. Not thread-safe: one thread per
// instance.
class AnalysisPass {
public:
    static constexpr int kMaxPoints = 3072;

    AnalysisPass();

    // Analyses samples[0 .. n-1] (n is capped at kMaxPoints) taken at
    // sampleRate and shown with every decimation-th sample. The spectrum's
    // bin frequencies use the rate sampleRate / decimation (integer
    // division); a peak's frequency is (bin * sampleRate) / decimation
    // (integer division) divided by n. A drawn half of one bin is padded
    // with a point (0, 0) after its point. The measurements take the points
    // at their exact rate, sampleRate / decimation. stopped is asked before every
    // step of every loop; once it answers true the pass returns false and
    // out must be neither drawn nor listed.
    bool Run(int channel, const double* samples, int n, int sampleRate, int decimation, ChannelAnalysis& out,
             const StopPoll& stopped);

private:
    SpectrumTransform transform_;
    std::vector<double> samples_;
    std::vector<double> magnitudes_;
    std::vector<double> scratch_;
    PeakList peaks_;
};
