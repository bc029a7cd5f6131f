#include "engine/support/Text.h"

#include <gtest/gtest.h>

#include <optional>
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
