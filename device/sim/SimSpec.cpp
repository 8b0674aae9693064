#include "SimSpec.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "../Concat.h"
#include "../MessageQuote.h"

namespace {

constexpr std::string_view kFormat = "shape:frequency_hz:amplitude_v[:offset_v]";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

// "bad frequency "x" in "sine:x:2"": what is wrong, the field, where it is.
std::string Problem(std::string_view what, std::string_view field, std::string_view description) {
    return Concat({what, " ", QuoteForMessage(field), " in ", QuoteForMessage(description)});
}

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Reads one channel description into signal, or says what is wrong with it.
std::string ParseChannel(std::string_view description, SimSignal& signal) {
    if (description.empty()) {
        return Concat({"empty channel description; expected ", kFormat});
    }
    const std::vector<std::string_view> fields = Split(description, ':');
    if (fields.size() < 3 || fields.size() > 4) {
        return Concat({"expected ", kFormat, ", got ", QuoteForMessage(description)});
    }
    const std::optional<SimShape> shape = SimShapeFromName(fields[0]);
    if (!shape) {
        return Concat({Problem("unknown shape", fields[0], description),
                       " (known: sine, square, triangle, pulse, noise, dc, heart)"});
    }
    const std::optional<double> frequency = Number(fields[1]);
    if (!frequency) {
        return Problem("bad frequency", fields[1], description);
    }
    if (*frequency < 0.0) {
        return Problem("negative frequency", fields[1], description);
    }
    const std::optional<double> amplitude = Number(fields[2]);
    if (!amplitude) {
        return Problem("bad amplitude", fields[2], description);
    }
    std::optional<double> offset = 0.0;
    if (fields.size() == 4) {
        offset = Number(fields[3]);
        if (!offset) {
            return Problem("bad offset", fields[3], description);
        }
    }
    // A heart beats so many times a minute; the signal counts cycles a second.
    const double hertz = *shape == SimShape::Heart ? *frequency / 60.0 : *frequency;
    signal = SimSignal{*shape, hertz, *amplitude, *offset};
    return {};
}

}  // namespace

SimSpecResult ParseSimSpec(std::string_view text) {
    SimSpecResult result;
    if (text.empty()) {
        result.error = Concat({"empty signal description; expected ", kFormat, " per channel, e.g. ",
                               QuoteForMessage(kDefaultSimSpec)});
        return result;
    }
    const std::vector<std::string_view> descriptions = Split(text, ',');
    if (descriptions.size() > kChannelCount) {
        result.error = Concat({"too many channels in ", QuoteForMessage(text), ": the instrument has ",
                               std::to_string(kChannelCount)});
        return result;
    }
    SimSpec spec;
    for (std::size_t channel = 0; channel < descriptions.size(); ++channel) {
        const std::string error = ParseChannel(descriptions[channel], spec.channels[channel]);
        if (!error.empty()) {
            result.error = Concat({"CH", std::to_string(channel), ": ", error});
            return result;
        }
    }
    result.spec = spec;
    return result;
}

SimSpec DefaultSimSpec() {
    return *ParseSimSpec(kDefaultSimSpec).spec;
}
