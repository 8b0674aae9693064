#include "SignalFacts.h"

#include <charconv>

namespace {

// Up to six significant digits, trailing zeros dropped ("15.625", "160").
std::string Short(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

}  // namespace

SignalFacts SignalFacts::For(int sampleRate, int samplesPerScreen) {
    SignalFacts facts{"0", "0", "0"};
    if (sampleRate > 0) {
        facts.sampleRate = std::to_string(sampleRate) + " Hz";
        const double seconds = 1.0 / sampleRate;
        if (seconds >= 1.0) {
            facts.sampleTime = Short(seconds) + " s";
        } else if (seconds >= 1e-3) {
            facts.sampleTime = Short(seconds * 1e3) + " ms";
        } else {
            facts.sampleTime = Short(seconds * 1e6) + " \u00b5s";
        }
    }
    if (samplesPerScreen > 0) {
        facts.signalLength = std::to_string(samplesPerScreen);
    }
    return facts;
}
