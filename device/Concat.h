#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Joins message pieces. Used for the error texts instead of chains of
// "literal" + std::string, which GCC 12 misreports as overlapping copies
// (-Wrestrict) at -O2.
inline std::string Concat(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    std::string text;
    text.reserve(size);
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}
