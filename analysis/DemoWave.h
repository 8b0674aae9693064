#pragma once

#include <vector>

// The three demo waveforms: sums of sines on a DC level, whose spectra show
// one peak per sine at its exact amplitude.
//   1: 1.0 + 0.5 sin(2 pi 7 t)
//   2: 2.0 + 0.5 sin(2 pi 10 t) + 1.5 sin(2 pi 20 t)
//   3: 4.0 + 0.5 sin(2 pi 5 t) + 1.5 sin(2 pi 10 t) + 2.0 sin(2 pi 15 t)
// Each angle is formed as n * c / rate with c the sine's 2 pi f, so every
// caller gets bit-identical samples.

inline constexpr int kDemoWaveCount = 3;
inline constexpr int kDemoRate = 64;
inline constexpr int kDemoLength = 128;

// Sample n of waveform wave (1..3) at rate samples per second; 0 for any
// other waveform.
double DemoWaveSample(int wave, int n, int rate);

// Where sample n is drawn on the time axis: n / rate in seconds, or
// n * 1000 / rate in milliseconds.
double DemoWaveTime(int n, int rate, bool seconds);

// Samples 0..length-1 of the waveform.
std::vector<double> DemoWave(int wave, int length, int rate);
