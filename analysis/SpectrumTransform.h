#pragma once

#include <map>
#include <mutex>

#include "Spectrum.h"
#include "StopPoll.h"

// Single-sided amplitude spectra through FFTW's real-input transform. One
// plan is made per block length on first use and kept until destruction.
// Planning and plan destruction are serialised on a process-wide lock, since
// the FFTW planner is not thread-safe; executing a plan on separate arrays
// is, so ComputeSpectrum may run on several threads at once.
class SpectrumTransform {
public:
    SpectrumTransform() = default;
    ~SpectrumTransform();
    SpectrumTransform(const SpectrumTransform&) = delete;
    SpectrumTransform& operator=(const SpectrumTransform&) = delete;

    // Bins 0 .. n/2-1 of the block of n samples taken at sampleRate Hz.
    // Every bin k >= 1 holds 2*|X[k]|/n (the peak amplitude of a sine on the
    // bin), bin 0 holds |X[0]|/n (the absolute mean). n <= 1 gives nothing.
    Spectrum ComputeSpectrum(const double* samples, int n, int sampleRate);

    // The same magnitudes of bins 0 .. n/2-1 into magnitudes, using the
    // caller's scratch of ScratchSize(n) doubles for the transform, so a
    // caller that keeps its arrays allocates nothing. Returns false as soon
    // as stopped answers true (it is asked before the transform and before
    // every bin); magnitudes is then incomplete.
    bool HalfMagnitudes(const double* samples, int n, double* magnitudes, double* scratch,
                        const StopPoll& stopped = {});
    static int ScratchSize(int n) { return 2 * (n / 2 + 1); }

    // sampleRate * k / n in double, safe for any rate and length.
    static double BinFrequency(int k, int n, int sampleRate);

    // Plans made so far (one per distinct length).
    std::size_t PlanCount() const;

private:
    void* PlanFor(int n);

    mutable std::mutex plansMutex_;
    std::map<int, void*> plans_;
};
