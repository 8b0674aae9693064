#include "Measurements.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Below this magnitude squares lose digits to underflow; such screens, and
// those whose sums overflow, are summed again scaled.
constexpr double kSmallestPlainMagnitude = 1e-100;

std::optional<double> IfFinite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

struct Sums {
    double maximum = -std::numeric_limits<double>::infinity();
    double minimum = std::numeric_limits<double>::infinity();
    double sum = 0.0;
    double sumOfSquares = 0.0;
    std::size_t finite = 0;

    void Add(double v) {
        maximum = std::max(maximum, v);
        minimum = std::min(minimum, v);
        sum += v;
        sumOfSquares += v * v;
    }
    void Add(const Sums& other) {
        maximum = std::max(maximum, other.maximum);
        minimum = std::min(minimum, other.minimum);
        sum += other.sum;
        sumOfSquares += other.sumOfSquares;
    }
};

// Every sample, in four interleaved sums so that no addition waits for the
// one before. A non-finite sample leaves the sums non-finite, as does
// overflow; then SumFinite is needed.
Sums SumAll(std::span<const double> volts) {
    // Four separate objects, not an array: the compiler keeps them in
    // registers.
    Sums a, b, c, d;
    std::size_t i = 0;
    for (; i + 4 <= volts.size(); i += 4) {
        a.Add(volts[i]);
        b.Add(volts[i + 1]);
        c.Add(volts[i + 2]);
        d.Add(volts[i + 3]);
    }
    for (; i < volts.size(); ++i) {
        a.Add(volts[i]);
    }
    a.Add(b);
    c.Add(d);
    a.Add(c);
    a.finite = volts.size();
    return a;
}

Sums SumFinite(std::span<const double> volts) {
    Sums s;
    for (const double v : volts) {
        if (std::isfinite(v)) {
            s.Add(v);
            ++s.finite;
        }
    }
    return s;
}

// The sums of the finite samples divided by scale, a power of two, so the
// division is exact and nothing overflows.
void SumScaled(std::span<const double> volts, double scale, double& sum, double& sumOfSquares) {
    sum = 0.0;
    sumOfSquares = 0.0;
    for (const double v : volts) {
        if (std::isfinite(v)) {
            const double x = v / scale;
            sum += x;
            sumOfSquares += x * x;
        }
    }
}

void Statistics(std::span<const double> volts, Measurements& m) {
    Sums s = SumAll(volts);
    if (!std::isfinite(s.sum) || !std::isfinite(s.sumOfSquares)) {
        s = SumFinite(volts);
    }
    m.samples = s.finite;
    m.nonFinite = volts.size() - s.finite;
    if (s.finite == 0) {
        return;
    }
    m.maximum = s.maximum;
    m.minimum = s.minimum;
    m.peakToPeak = IfFinite(s.maximum - s.minimum);

    const double n = static_cast<double>(s.finite);
    const double largest = std::max(std::fabs(s.maximum), std::fabs(s.minimum));
    double mean = s.sum / n;
    double rms = std::sqrt(s.sumOfSquares / n);
    if (!std::isfinite(s.sum) || !std::isfinite(s.sumOfSquares) ||
        (largest > 0.0 && largest < kSmallestPlainMagnitude)) {
        const double scale = std::ldexp(1.0, std::ilogb(largest));
        double sum = 0.0;
        double sumOfSquares = 0.0;
        SumScaled(volts, scale, sum, sumOfSquares);
        mean = sum / n * scale;
        rms = std::sqrt(sumOfSquares / n) * scale;
    }
    // Rounding must not take them past what they are bounded by: a flat
    // screen's mean and rms are its value exactly.
    m.mean = std::clamp(mean, s.minimum, s.maximum);
    m.rms = std::clamp(rms, std::fabs(*m.mean), largest);
}

// The instant (in samples since the first) where the line from a at i - 1
// to b at i, a < level <= b, reaches level.
double CrossingInstant(std::size_t i, double a, double b, double level) {
    const double rise = b - a;
    const double fraction =
        std::isfinite(rise) ? (level - a) / rise : (0.5 * level - 0.5 * a) / (0.5 * b - 0.5 * a);
    return static_cast<double>(i - 1) + fraction;
}

void Timing(std::span<const double> volts, double sampleRate, Measurements& m) {
    if (m.nonFinite > 0 || m.samples < 2) {
        return;
    }
    // Halves first: the span of a huge screen may not fit in a double.
    const double halfSpan = 0.5 * *m.maximum - 0.5 * *m.minimum;
    if (halfSpan < 0.5 * kFlatPeakToPeak) {
        return;
    }
    const double mid = 0.5 * *m.maximum + 0.5 * *m.minimum;
    const double halfBand = kHysteresisFraction * halfSpan;
    const double low = mid - halfBand;
    const double high = mid + halfBand;

    // -1 low, +1 high, 0 not yet known. The loop branches only on the rare
    // samples that cross mid upwards or complete an edge.
    auto levelAfter = [low, high](double v, int level) { return v <= low ? -1 : (v >= high ? 1 : level); };
    int level = levelAfter(volts[0], 0);
    double lastUpward = 0.0;
    double firstEdge = 0.0;
    double lastEdge = 0.0;
    std::size_t edges = 0;
    for (std::size_t i = 1; i < volts.size(); ++i) {
        const double v = volts[i];
        const bool upward = volts[i - 1] < mid && v >= mid;
        const bool edge = level < 0 && v >= high;
        if (upward || edge) {
            if (upward) {
                lastUpward = CrossingInstant(i, volts[i - 1], v, mid);
            }
            // The last upward crossing lies after the last low sample.
            if (edge) {
                if (edges == 0) {
                    firstEdge = lastUpward;
                }
                lastEdge = lastUpward;
                ++edges;
            }
        }
        level = levelAfter(v, level);
    }
    m.wholePeriods = edges > 0 ? edges - 1 : 0;
    if (m.wholePeriods < static_cast<std::size_t>(kMinWholePeriods) || !std::isfinite(sampleRate) ||
        !(sampleRate > 0.0)) {
        return;
    }
    const double periodInSamples = (lastEdge - firstEdge) / static_cast<double>(m.wholePeriods);
    const double period = periodInSamples / sampleRate;
    const double frequency = sampleRate / periodInSamples;
    if (std::isfinite(period) && period > 0.0 && std::isfinite(frequency) && frequency > 0.0) {
        m.period = period;
        m.frequency = frequency;
    }
}

}  // namespace

Measurements Measure(std::span<const double> volts, double sampleRate) {
    Measurements m;
    Statistics(volts, m);
    Timing(volts, sampleRate, m);
    return m;
}
