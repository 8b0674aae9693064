#include "CsvNumber.h"

#include <charconv>

namespace {

template <class T>
void Append(std::string& line, T value) {
    // Fixed notation of a float or double is at most a few hundred digits.
    char digits[400];
    const std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    line.append(digits, result.ptr);
}

}  // namespace

void AppendCsvNumber(std::string& line, float value) {
    Append(line, value);
}

void AppendCsvNumber(std::string& line, double value) {
    Append(line, value);
}
