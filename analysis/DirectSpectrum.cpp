#include "DirectSpectrum.h"

#include <cmath>

#include "SpectrumTransform.h"

std::vector<double> DirectMagnitudes(const double* samples, int n) {
    std::vector<double> magnitudes(n > 0 ? static_cast<std::size_t>(n) : 0);
    for (int k = 0; k < n; ++k) {
        double re = 0.0;
        double im = 0.0;
        for (int i = 0; i < n; ++i) {
            const long double product = static_cast<long double>(i) * 6.283185307179586L * k;
            const double angle = static_cast<double>(product / n);
            re += std::cos(angle) * samples[i];
            im += std::sin(angle) * samples[i];
        }
        const double r = re / n;
        const double m = im / n;
        magnitudes[k] = 2.0 * std::sqrt(r * r + m * m);
    }
    if (n > 0) {
        magnitudes[0] *= 0.5;
    }
    return magnitudes;
}

Spectrum DirectSpectrum(const double* samples, int n, int sampleRate) {
    const std::vector<double> all = DirectMagnitudes(samples, n);
    Spectrum result;
    const int half = n > 0 ? n / 2 : 0;
    result.magnitudes.assign(all.begin(), all.begin() + half);
    result.frequencies.resize(half);
    for (int k = 0; k < half; ++k) {
        result.frequencies[k] = SpectrumTransform::BinFrequency(k, n, sampleRate);
    }
    return result;
}
