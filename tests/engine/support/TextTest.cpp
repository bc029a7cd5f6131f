#include "engine/support/Text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

TEST(Text, TrimBlanksDropsSpacesAndTabsAtBothEndsOnly)
{
    const struct
    {
        std::string_view text;
        std::string_view trimmed;
        const char* why;
    } cases[] = {
        {" \t甲 子\t ", "甲 子", "blanks inside stay"},
        {"甲子", "甲子", "nothing to drop"},
        {" \t \t", "", "only blanks"},
        {"", "", "empty"},
        {"\u3000甲\u3000", "\u3000甲\u3000", "the ideographic space is no blank here"},
        {"\n甲\r", "\n甲\r", "line ends are no blanks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(engine::trimBlanks(c.text), c.trimmed);
    }
}

TEST(Text, TrimNameDropsBlanksAndIdeographicSpacesAtBothEnds)
{
    const struct
    {
        std::string_view name;
        std::string_view trimmed;
        const char* why;
    } cases[] = {
        {"\u3000 \t\u3000张三\u3000\t \u3000", "张三", "the two kinds mixed, several deep"},
        {"张\u3000三", "张\u3000三", "an ideographic space inside stays"},
        {"\u3000\u3000", "", "only ideographic spaces"},
        {"\xE3\x80", "\xE3\x80", "a cut-off ideographic space is not one"},
        {"\n张三\r", "\n张三\r", "line ends are no blanks"},
        {"\xC2\xA0张三", "\xC2\xA0张三", "nor is the no-break space"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(engine::trimName(c.name), c.trimmed);
    }
    static_assert(engine::trimName(" \u3000甲 ") == "甲");
}

// Every text of up to six pieces, each a blank, an ideographic space or a letter: the name keeps exactly the part
// from its first letter to its last.
TEST(Text, TrimNameKeepsEverythingFromTheFirstLetterToTheLast)
{
    constexpr std::string_view kPieces[] = {" ", "\t", "\u3000", "甲", "a"};
    constexpr auto isBlank = [](std::size_t piece) { return piece < 3; };
    std::size_t total = 1;
    for (int length = 0; length <= 6; ++length, total *= std::size(kPieces)) {
        for (std::size_t code = 0; code < total; ++code) {
            std::string text, kept;
            std::string pending; // blanks after the last letter so far
            for (std::size_t rest = code, i = 0; i < static_cast<std::size_t>(length);
                 ++i, rest /= std::size(kPieces)) {
                const std::size_t piece = rest % std::size(kPieces);
                text += kPieces[piece];
                if (isBlank(piece)) {
                    pending += kPieces[piece];
                } else {
                    kept += (kept.empty() ? "" : pending) + std::string(kPieces[piece]);
                    pending.clear();
                }
            }
            ASSERT_EQ(engine::trimName(text), kept) << '"' << text << '"';
        }
    }
}

TEST(Text, TrimsOneEndWithTheCharactersGiven)
{
    EXPECT_EQ(engine::trimLeading(" \t2024 "), "2024 ");
    EXPECT_EQ(engine::trimTrailing(" 2024 \t"), " 2024");
    EXPECT_EQ(engine::trimTrailing("2024-01-01\r\n", " \t\r\n"), "2024-01-01"); // a line end left on a line
    EXPECT_EQ(engine::trimTrailing("日  \t", " "), "日  \t");                   // the tab ends it, not a space
    EXPECT_EQ(engine::trimBlanks("--2024--", "-"), "2024");
}

TEST(Text, ReadNumberTakesOneToNineDigitsAndNothingElse)
{
    const struct
    {
        std::string_view text;
        std::optional<int> number;
        const char* why;
    } cases[] = {
        {"0", 0, "the smallest"},
        {"007", 7, "leading zeros are padding"},
        {"999999999", 999999999, "nine digits, the most that always fit an int"},
        {"1000000000", std::nullopt, "ten digits, though this one would fit"},
        {"", std::nullopt, "empty"},
        {"-5", std::nullopt, "no sign"},
        {"+5", std::nullopt, "no plus either"},
        {" 5", std::nullopt, "no blanks: trimming is the caller's"},
        {"5 ", std::nullopt, "nor after"},
        {"1e3", std::nullopt, "digits only"},
        {"１２", std::nullopt, "full-width digits are not decimal digits here"},
        {"0x10", std::nullopt, "no other base"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(engine::readNumber(c.text), c.number);
    }
}

} // namespace
