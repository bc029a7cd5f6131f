#include "options/Values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string repeated(std::string_view text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string inQuotes(std::string_view text)
{
    std::string out = "\"";
    out += text;
    out += '"';
    return out;
}

TEST(CliValues, ShownQuotesEscapesAndCutsByCharacter)
{
    const struct
    {
        std::string value;
        std::string shown;
        const char* why;
    } cases[] = {
        {"2024-13-01", "\"2024-13-01\"", "quoted"},
        {"a\"b\\c", "\"a\\\"b\\\\c\"", "quotes and backslashes escaped, so the quoting stays whole"},
        {"a\tb\x7f\x1b", "\"a\\x09b\\x7F\\x1B\"", "control characters never reach the terminal"},
        {"", "\"\"", "an empty value is still visible"},
        {repeated("甲", 60), inQuotes(repeated("甲", 60)), "60 characters, 180 bytes: whole"},
        {repeated("甲", 61), inQuotes(repeated("甲", 60)) + "... (61 characters)",
         "one more is cut, never mid-character"},
        {"\xe7\x94", "<invalid UTF-8>", "a cut character"},
        {"ok\xff", "<invalid UTF-8>", "a byte that is never UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(options::shown(c.value), c.shown);
    }
}

TEST(CliValues, EchoedCutsLikeShownButLeavesTheTextAsItIs)
{
    EXPECT_EQ(options::echoed("a\"b\t"), "a\"b\t"); // the JSON writer escapes it
    EXPECT_EQ(options::echoed(repeated("子", 60)), repeated("子", 60));
    EXPECT_EQ(options::echoed(repeated("子", 61)), repeated("子", 60) + "...");
    EXPECT_EQ(options::echoed("\xc0\x80"), "<invalid UTF-8>"); // an overlong NUL
}

TEST(CliValues, ReadNumbersTakesOneNumberPerRange)
{
    const struct
    {
        std::string_view text;
        std::optional<std::vector<int>> numbers;
        const char* why;
    } cases[] = {
        {"10:15", std::vector{10, 15}, "as typed"},
        {"0:5", std::vector{0, 5}, "padding optional"},
        {"23:59", std::vector{23, 59}, "both upper bounds"},
        {"24:00", std::nullopt, "an hour past the range"},
        {"10", std::nullopt, "a number missing"},
        {"10:15:00", std::nullopt, "one number too many"},
        {"10:", std::nullopt, "an empty number"},
        {":15", std::nullopt, "an empty first number"},
        {"10::15", std::nullopt, "two separators"},
        {"10-15", std::nullopt, "another separator"},
        {" 10:15", std::nullopt, "no blanks"},
        {"-1:15", std::nullopt, "no signs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(options::readNumbers(c.text, ':', {{0, 23}, {0, 59}}), c.numbers);
    }
}

} // namespace
