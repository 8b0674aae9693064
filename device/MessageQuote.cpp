#include "MessageQuote.h"

#include <cstdio>

std::string QuoteForMessage(std::string_view text, std::size_t maxChars) {
    std::string quoted = "\"";
    const std::size_t shown = text.size() > maxChars ? maxChars : text.size();
    for (std::size_t i = 0; i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7f) {
            quoted += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        }
    }
    quoted += '"';
    if (shown < text.size()) {
        quoted += "... (" + std::to_string(text.size()) + " characters)";
    }
    return quoted;
}
