#pragma once

#include <string>
#include <string_view>

// Case changes for identity strings and interface names: ASCII only, so the
// result never depends on the user's locale.
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
