#pragma once

#include <string>
#include <string_view>

// Case changes, comparisons and trimming for identity strings, interface
// names and the lines of text files: ASCII only, so the result never depends
// on the user's locale.
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
bool EqualNoCaseAscii(std::string_view a, std::string_view b);
// Without the blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);
