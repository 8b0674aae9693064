#include "ProgressBar.h"

#include <cstdio>

namespace {

constexpr int kBarWidth = 30;

}  // namespace

std::string ProgressLine(std::uint64_t frames, std::uint64_t total, int sampleRate) {
    const double fraction = total == 0 ? 1.0 : static_cast<double>(frames) / static_cast<double>(total);
    const int filled = static_cast<int>(fraction * kBarWidth);
    std::string line = "[";
    for (int i = 0; i < kBarWidth; ++i) {
        line += i < filled ? '#' : '.';
    }
    char text[96];
    std::snprintf(text, sizeof text, "] %3d%%  %.1f s of %.1f s", static_cast<int>(fraction * 100.0),
                  static_cast<double>(frames) / sampleRate, static_cast<double>(total) / sampleRate);
    line += text;
    return line;
}
