#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "PulseOrder.h"

inline constexpr int kPulseBeats = 4;
inline constexpr int kPulseExamined = 255;   // the highest samples searched for beats
inline constexpr int kPulseSeparation = 32;  // samples between beats, 0.5 s at 64 S/s

using PulseBeatSamples = std::array<std::int64_t, kPulseBeats>;

// Where the beats of a pulse window are. A beat is a peak of a wave that
// rises above the window's middle level (halfway between its lowest and
// highest value): a sample above that level, higher than the one before it
// (for the oldest, the one that just left the window) and not lower than the
// one after it (the newest has none after it yet). So a shoulder on a flank, or a dicrotic wave that stays
// below the middle, is never taken for a beat, and a flat window has none.
class PulseBeats {
public:
    explicit PulseBeats(const PulseOrder& order);

    bool IsBeat(std::int64_t sample) const;

    // The highest beat first, then each beat among the kPulseExamined
    // highest samples that lies kPulseSeparation samples or more from every
    // one chosen so far. Nothing when fewer than four are found.
    std::optional<PulseBeatSamples> Find() const;

    // The waves that begin after first and by last: how often the signal
    // rises through the middle level. An estimate that counts fewer beats
    // than this skipped real ones, as when every other beat of a fast pulse
    // is chosen, or it was made of noise.
    int WavesBetween(std::int64_t first, std::int64_t last) const;

private:
    const PulseOrder& order_;
    std::optional<float> middle_;
};
