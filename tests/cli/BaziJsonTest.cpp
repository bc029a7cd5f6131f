#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// How the tool's JSON writes every character that JSON makes special: a refused line of `lunar --json -` echoes its
// input as a JSON string, so each character goes in as one line and comes back escaped.
namespace {

using namespace std::string_view_literals;

struct Escape
{
    std::string_view raw;
    const char* json;
};

// Quote, backslash, CR and tab have a letter; every other control character is \u00XX in lower-case hex (LF ends a
// line of input, so it comes from the month's almanac text below).
// clang-format off
const Escape kEscapes[] = {
    {"\0"sv, R"(\u0000)"}, // a NUL inside the line
    {"\x01", R"(\u0001)"},
    {"\x02", R"(\u0002)"},
    {"\x03", R"(\u0003)"},
    {"\x04", R"(\u0004)"},
    {"\x05", R"(\u0005)"},
    {"\x06", R"(\u0006)"},
    {"\x07", R"(\u0007)"},
    {"\b", R"(\u0008)"}, // no short form for backspace
    {"\t", R"(\t)"},
    {"\v", R"(\u000b)"},
    {"\f", R"(\u000c)"}, // nor for form feed
    {"\r", R"(\r)"},     // inside the line: only a CR ending it is dropped
    {"\x0e", R"(\u000e)"},
    {"\x0f", R"(\u000f)"},
    {"\x10", R"(\u0010)"},
    {"\x11", R"(\u0011)"},
    {"\x12", R"(\u0012)"},
    {"\x13", R"(\u0013)"},
    {"\x14", R"(\u0014)"},
    {"\x15", R"(\u0015)"},
    {"\x16", R"(\u0016)"},
    {"\x17", R"(\u0017)"},
    {"\x18", R"(\u0018)"},
    {"\x19", R"(\u0019)"},
    {"\x1a", R"(\u001a)"},
    {"\x1b", R"(\u001b)"},
    {"\x1c", R"(\u001c)"},
    {"\x1d", R"(\u001d)"},
    {"\x1e", R"(\u001e)"},
    {"\x1f", R"(\u001f)"}, // the last control character
    {"\"", R"(\")"},
    {"\\", R"(\\)"},
    {" ", " "},       // the first character JSON leaves alone
    {"/", "/"},       // may be escaped, is not
    {"\x7f", "\x7f"}, // DEL is no control character to JSON
    {"中", "中"},     // UTF-8 passes through
};
// clang-format on

TEST(BaziJson, EscapesEveryControlCharacterOfARefusedLine)
{
    std::string input;
    for (const auto& c : kEscapes)
        input += "[" + std::string(c.raw) + "]\n";
    const BaziRun run = runBazi({"lunar", "--json", "-"}, input);
    EXPECT_EQ(run.status, 1);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), std::size(kEscapes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(kEscapes[i].json);
        EXPECT_TRUE(lines[i].starts_with(R"({"input":"[)" + std::string(kEscapes[i].json) + R"(]","error":")"))
            << lines[i];
    }
}

struct WholeLine
{
    std::string_view input;
    const char* json;
};

// clang-format off
const WholeLine kWholeLines[] = {
    // The message quotes the value with \x escapes of its own, whose backslashes and quotes JSON escapes again.
    {"[\x01]", R"json({"input":"[\u0001]","error":"not a date: \"[\\x01]\" (expected YYYY-MM-DD)"})json"},
    // Bytes that are no UTF-8 are never written, escaped or not.
    {"[\xff]", R"json({"input":"<invalid UTF-8>","error":"not a date: <invalid UTF-8> (expected YYYY-MM-DD)"})json"},
};
// clang-format on

TEST(BaziJson, RefusedLinesAsWholeObjects)
{
    for (const auto& c : kWholeLines) {
        SCOPED_TRACE(c.json);
        const BaziRun run = runBazi({"lunar", "--json", "-"}, std::string(c.input) + "\n");
        expectPrinted(run, std::string(c.json) + "\n", 1);
    }
}

// 2024-01-01 is a 甲子 day in the 子 month: officer 建, whose two lines are joined by CR LF.
TEST(BaziJson, EscapesTheLineBreakOfTheAlmanacText)
{
    const BaziRun run = runBazi({"month", "--json", "2024", "1"});
    EXPECT_EQ(run.status, 0);
    const auto lines = splitLines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0].ends_with(R"("YiJiText":"宜：出行,上任,会友,上书,见工\r\n忌：动土,开仓,嫁娶,纳采"},)"))
        << lines[0];
}

} // namespace
