#pragma once

#include <functional>
#include <string>
#include <vector>

#include "PeakList.h"
#include "ReadoutNumber.h"
#include "Spectrum.h"
#include "StopPoll.h"

// The six-line peak readout of a channel ("F1: (7.00,  0.50)" .. "F6: --").

constexpr int kPeakLines = 6;

// A value rounded to two decimals exactly as "%.2f" would print it, read back
// without regard to the user's locale.
double RoundToTwoDecimals(double value);

// Bins whose rounded amplitude is strictly above both rounded neighbours
// (the first and last bins need only beat their one neighbour), in bin
// order. A spectrum of a single bin has no neighbours and so no peak.
PeakList FindPeakCandidates(const double* magnitudes, int count);
// The same into peaks (emptied first, its storage kept). Returns false when
// stopped answers true before a bin; peaks is then incomplete.
bool FindPeakCandidates(const double* magnitudes, int count, PeakList& peaks, const StopPoll& stopped);

// Exchange sort of the first n entries, values descending; equal values keep
// their relative order only as far as the exchanges leave it.
void SortPeaks(float* values, int* bins, int n);
// The same, asking stopped now and then; false when it stopped.
bool SortPeaks(float* values, int* bins, int n, const StopPoll& stopped);
// Only the first k entries of that sort, exactly as the whole sort leaves
// them, in O(k n); the rest are left in some order. The readout needs six.
bool SortLargestPeaks(float* values, int* bins, int n, int k, const StopPoll& stopped = {});

// Lines 0..5 become "F1: --" .. "F6: --"; a list of fewer than five lines is
// left alone.
void ResetPeakList(std::vector<std::string>& lines);

// Six "F1: --" .. "F6: --" lines.
std::vector<std::string> EmptyPeakList();

// The readout for count drawn bins whose frequencies are chartX (the X values
// of the channel's spectrum chart, chartPoints of them). Returns no lines
// when the chart holds no points, meaning the readout keeps its old text;
// otherwise six lines. Of the six largest peaks the smallest comes first;
// peaks below 0.1 and at 0 Hz are dropped after that limit of six. A
// stopped readout returns no lines.
std::vector<std::string> DetectPeaks(const double* magnitudes, int count, const double* chartX,
                                     int chartPoints, const StopPoll& stopped = {});

// DetectPeaks on a spectrum whose frequencies are its chart's X values.
std::vector<std::string> DetectPeaks(const Spectrum& spectrum, const StopPoll& stopped = {});

// The frequency of a peak in a bin; NaN when the bin has none.
using PeakFrequency = std::function<double(int bin)>;

// Writes the six lines for found peaks sorted descending: of the six largest
// the smallest first, skipping amplitudes below 0.1 and frequencies not
// above 0, the rest "--". lines must hold six entries. Returns false when
// stopped answers true before a line; lines are then incomplete.
bool WritePeakLines(const float* values, const int* bins, int found, const PeakFrequency& frequencyOf,
                    std::vector<std::string>& lines, const StopPoll& stopped = {});

// The cursor readout "( x, y )", each number as a readout number.
std::string CursorReadoutText(double x, double y);
