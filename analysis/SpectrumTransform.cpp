#include "SpectrumTransform.h"

#include <fftw3.h>

#include <cmath>
#include <vector>

namespace {

// The FFTW planner is global state shared by every instance.
std::mutex& PlannerMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

SpectrumTransform::~SpectrumTransform() {
    const std::lock_guard<std::mutex> planner(PlannerMutex());
    for (auto& [length, plan] : plans_) {
        fftw_destroy_plan(static_cast<fftw_plan>(plan));
    }
}

double SpectrumTransform::BinFrequency(int k, int n, int sampleRate) {
    return static_cast<double>(sampleRate) * static_cast<double>(k) / static_cast<double>(n);
}

std::size_t SpectrumTransform::PlanCount() const {
    const std::lock_guard<std::mutex> lock(plansMutex_);
    return plans_.size();
}

void* SpectrumTransform::PlanFor(int n) {
    const std::lock_guard<std::mutex> lock(plansMutex_);
    const auto found = plans_.find(n);
    if (found != plans_.end()) {
        return found->second;
    }
    fftw_plan plan = nullptr;
    {
        const std::lock_guard<std::mutex> planner(PlannerMutex());
        // FFTW_ESTIMATE leaves the arrays untouched; FFTW_UNALIGNED lets the
        // plan run later on any arrays, whatever their alignment.
        double* in = fftw_alloc_real(static_cast<std::size_t>(n));
        fftw_complex* out = fftw_alloc_complex(static_cast<std::size_t>(n / 2 + 1));
        plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_ESTIMATE | FFTW_UNALIGNED);
        fftw_free(out);
        fftw_free(in);
    }
    plans_.emplace(n, plan);
    return plan;
}

Spectrum SpectrumTransform::ComputeSpectrum(const double* samples, int n, int sampleRate) {
    Spectrum result;
    const int half = n > 0 ? n / 2 : 0;
    if (half == 0) {
        return result;
    }
    std::vector<double> scratch(static_cast<std::size_t>(ScratchSize(n)));
    result.magnitudes.resize(half);
    HalfMagnitudes(samples, n, result.magnitudes.data(), scratch.data());
    result.frequencies.resize(half);
    for (int k = 0; k < half; ++k) {
        result.frequencies[k] = BinFrequency(k, n, sampleRate);
    }
    return result;
}

bool SpectrumTransform::HalfMagnitudes(const double* samples, int n, double* magnitudes, double* scratch,
                                       const StopPoll& stopped) {
    const int half = n > 0 ? n / 2 : 0;
    if (Stopped(stopped)) {
        return false;
    }
    if (half == 0) {
        return true;
    }
    const auto plan = static_cast<fftw_plan>(PlanFor(n));
    // fftw_complex is two doubles, so the scratch serves as the n/2+1
    // complex outputs. A real-input transform leaves its input untouched.
    auto* out = reinterpret_cast<fftw_complex*>(scratch);
    fftw_execute_dft_r2c(plan, const_cast<double*>(samples), out);
    const double scale = 1.0 / n;
    for (int k = 0; k < half; ++k) {
        if (Stopped(stopped)) {
            return false;
        }
        const double re = out[k][0] * scale;
        const double im = out[k][1] * scale;
        magnitudes[k] = 2.0 * std::sqrt(re * re + im * im);
    }
    magnitudes[0] *= 0.5;
    return !Stopped(stopped);
}
