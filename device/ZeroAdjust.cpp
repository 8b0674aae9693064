#include "ZeroAdjust.h"

#include <charconv>

#include "AsciiCase.h"
#include "Concat.h"

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<int> DecimalInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads one part of the window into target; "0" leaves the channel alone.
bool ReadPart(std::string_view part, std::string_view window, std::optional<float>& target,
              ZeroAdjustUpdate& update) {
    if (part == "0") {
        return true;
    }
    const std::optional<int> code = DecimalInteger(part);
    if (!code) {
        update.error =
            Concat({"\"", part, "\" is not a valid integer in the zero-adjust window \"", window, "\""});
        update.badCode = std::string(part);
        return false;
    }
    target = ZeroAdjustForCode(*code);
    return true;
}

}  // namespace

float ZeroAdjustForCode(int code) {
    const double volts = code >= 14 ? (3.0 * code - 41.0) * 0.01 : -(3.0 * code + 1.0) * 0.01;
    return static_cast<float>(volts);
}

ZeroAdjustUpdate ParseZeroAdjust(std::string_view window) {
    ZeroAdjustUpdate update;
    if (window.find("OSC80") != std::string_view::npos) {
        return update;
    }
    const std::size_t osc = window.find("OSC");
    if (osc == std::string_view::npos) {
        return update;
    }
    const std::string_view codes = Trimmed(window.substr(osc + 3));
    if (codes.empty() || codes == "0") {
        update.ch0 = 0.0f;
        update.ch1 = 0.0f;
        return update;
    }
    std::size_t separator = codes.find('_');
    if (separator == std::string_view::npos) {
        separator = codes.find(',');
    }
    if (separator == std::string_view::npos) {
        return update;
    }
    if (ReadPart(codes.substr(0, separator), window, update.ch0, update)) {
        ReadPart(codes.substr(separator + 1), window, update.ch1, update);
    }
    return update;
}

std::optional<std::string> ZeroAdjustWindow(std::string_view identity) {
    const std::string upper = UpperAscii(identity);
    static constexpr std::string_view kModel = "OSCILLOSCOPE";
    const std::size_t model = upper.find(kModel);
    if (model == std::string::npos) {
        return std::nullopt;
    }
    const std::string tail = upper.substr(model + kModel.size());
    std::size_t start = tail.find("OSC");
    if (start == std::string::npos) {
        start = 0;
    }
    return tail.substr(start, 8);
}
