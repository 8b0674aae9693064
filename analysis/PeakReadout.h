#pragma once

#include <string>
#include <vector>

#include "PeakList.h"
#include "Spectrum.h"

// The six-line peak readout of a channel ("F1: (7.00,  0.50)" .. "F6: --").

// A value rounded to two decimals exactly as "%.2f" would print it, read back
// without regard to the user's locale.
double RoundToTwoDecimals(double value);

// A readout number: rounded to 4 significant digits and at most 2 decimals,
// printed with exactly 2 decimals ("7.00", "0.50", "123.50"); past four
// integer digits in scientific form with up to 4 significant digits and an
// exponent of at least two digits ("1.235E04").
std::string FormatReadoutNumber(double value);

// Bins whose rounded amplitude is strictly above both rounded neighbours
// (the first and last bins need only beat their one neighbour), in bin
// order. A spectrum of a single bin has no neighbours and so no peak.
PeakList FindPeakCandidates(const double* magnitudes, int count);

// Exchange sort of the first n entries, values descending; equal values keep
// their relative order only as far as the exchanges leave it.
void SortPeaks(float* values, int* bins, int n);

// Lines 0..5 become "F1: --" .. "F6: --"; a list of fewer than five lines is
// left alone.
void ResetPeakList(std::vector<std::string>& lines);

// Six "F1: --" .. "F6: --" lines.
std::vector<std::string> EmptyPeakList();

// The readout for count drawn bins whose frequencies are chartX (the X values
// of the channel's spectrum chart, chartPoints of them). Returns no lines
// when the chart holds no points, meaning the readout keeps its old text;
// otherwise six lines. Of the six largest peaks the smallest comes first;
// peaks below 0.1 and at 0 Hz are dropped after that limit of six.
std::vector<std::string> DetectPeaks(const double* magnitudes, int count, const double* chartX,
                                     int chartPoints);

// DetectPeaks on a spectrum whose frequencies are its chart's X values.
std::vector<std::string> DetectPeaks(const Spectrum& spectrum);
