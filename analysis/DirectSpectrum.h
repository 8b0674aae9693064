#pragma once

#include <vector>

#include "Spectrum.h"

// The discrete Fourier transform evaluated term by term, as the reference for
// the fast path: N^2 sines and cosines, the angle 2*pi*n*k/N formed in
// extended precision and rounded to a double before the trigonometric calls.
// Returns the N magnitudes of every bin (bin 0 halved, so it reads |mean|).
std::vector<double> DirectMagnitudes(const double* samples, int n);

// The drawn half of DirectMagnitudes with the bin frequencies.
Spectrum DirectSpectrum(const double* samples, int n, int sampleRate);
