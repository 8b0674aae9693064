#include "AnalysisPass.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

#include "PeakReadout.h"

AnalysisPass::AnalysisPass()
    : samples_(kMaxPoints),
      magnitudes_(kMaxPoints / 2),
      scratch_(static_cast<std::size_t>(SpectrumTransform::ScratchSize(kMaxPoints))) {
    peaks_.values.reserve(kMaxPoints / 2);
    peaks_.bins.reserve(kMaxPoints / 2);
}

bool AnalysisPass::Run(int channel, const double* samples, int n, int sampleRate, int decimation,
                       ChannelAnalysis& out, const StopPoll& stopped) {
    n = std::clamp(n, 0, kMaxPoints);
    // The display never decimates by less than one; a zero here must not
    // divide.
    decimation = std::max(decimation, 1);
    const int rate = sampleRate / decimation;
    const int half = n / 2;

    out.channel = channel;
    out.x.clear();
    out.y.clear();
    out.lines.clear();
    out.measurements = {};
    for (int i = 0; i < n; ++i) {
        if (Stopped(stopped)) {
            return false;
        }
        samples_[i] = samples[i];
    }
    out.measurements = Measure(std::span<const double>(samples_.data(), static_cast<std::size_t>(n)),
                               static_cast<double>(sampleRate) / decimation);
    if (!transform_.HalfMagnitudes(samples_.data(), n, magnitudes_.data(), scratch_.data(), stopped)) {
        return false;
    }
    const int pointsPerBin = half == 1 ? 2 : 1;
    out.x.reserve(static_cast<std::size_t>(half * pointsPerBin));
    out.y.reserve(static_cast<std::size_t>(half * pointsPerBin));
    for (int k = 0; k < half; ++k) {
        if (Stopped(stopped)) {
            return false;
        }
        out.x.push_back(SpectrumTransform::BinFrequency(k, n, rate));
        out.y.push_back(magnitudes_[k]);
        if (pointsPerBin == 2) {
            out.x.push_back(0.0);
            out.y.push_back(0.0);
        }
    }
    if (!FindPeakCandidates(magnitudes_.data(), half, peaks_, stopped)) {
        return false;
    }
    const int found = static_cast<int>(peaks_.values.size());
    if (!SortLargestPeaks(peaks_.values.data(), peaks_.bins.data(), found, kPeakLines, stopped)) {
        return false;
    }
    if (out.x.empty()) {
        // Nothing drawn: the list keeps its old text.
        return !Stopped(stopped);
    }
    out.lines = EmptyPeakList();
    const auto frequencyOf = [&](int bin) {
        const std::int64_t scaled = static_cast<std::int64_t>(bin) * sampleRate / decimation;
        return n > 0 ? static_cast<double>(scaled) / n : std::numeric_limits<double>::quiet_NaN();
    };
    if (!WritePeakLines(peaks_.values.data(), peaks_.bins.data(), found, frequencyOf, out.lines, stopped)) {
        return false;
    }
    return !Stopped(stopped);
}
