#include "JsonText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string String(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string Number(std::optional<double> value) {
    std::string out;
    AppendJsonNumber(out, value);
    return out;
}

}  // namespace

TEST(JsonTextTest, StringsAreEscapedAndAlwaysValidUtf8) {
    const struct {
        std::string text;
        const char* json;
    } rows[] = {
        {"run.csv", R"("run.csv")"},
        {"", R"("")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"a\nb\tc\rd\be\f", R"("a\nb\tc\rd\be\f")"},
        {std::string("\x01\x1f\0x", 4), R"("\u0001\u001F\u0000x")"},
        {"\x7f", "\"\x7f\""},
        {"caf\xc3\xa9 \xe6\xb3\xa2 \xf0\x9f\x93\x88", "\"caf\xc3\xa9 \xe6\xb3\xa2 \xf0\x9f\x93\x88\""},
        {"\xff", R"("\ufffd")"},                                // never a UTF-8 byte
        {"a\xc3", R"("a\ufffd")"},                              // cut short
        {"\xc0\xaf", R"("\ufffd\ufffd")"},                      // overlong '/'
        {"\xe0\x80\xaf", R"("\ufffd\ufffd\ufffd")"},            // overlong '/'
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},            // a surrogate
        {"\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // past U+10FFFF
        {"\xe6\xb3x", R"("\ufffd\ufffdx")"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(String(row.text), row.json) << row.text;
    }
}

TEST(JsonTextTest, NumbersReadBackExactlyAndMissingOnesAreNull) {
    const struct {
        std::optional<double> value;
        const char* json;
    } rows[] = {
        {50.0, "50"},
        {0.02, "0.02"},
        {-2.0021994, "-2.0021994"},
        {1e-5, "1e-05"},
        {1e308, "1e+308"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::nullopt, "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Number(row.value), row.json);
    }
}
