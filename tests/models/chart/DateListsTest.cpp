#include "models/chart/DateLists.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using models::dayTexts;
using models::monthTexts;

namespace {

std::size_t countOf(const std::optional<std::vector<std::string>>& list)
{
    return list ? list->size() : 0;
}

TEST(GetIntStr, PadsSingleDigitsToTwo)
{
    const struct
    {
        std::int16_t n;
        const char* text;
    } kCases[] = {
        {0, "00"},  // first hour and minute
        {5, "05"},  // single digit
        {9, "09"},  // last padded value
        {10, "10"}, // first unpadded value
        {59, "59"}, // last minute
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(models::GetIntStr(c.n), c.text);
    }
}

TEST(DateLists, YearsRunFrom1900To2099)
{
    const auto years = models::yearTexts();
    ASSERT_EQ(years.size(), 200u);
    EXPECT_EQ(years.front(), "1900");
    EXPECT_EQ(years[80], "1980"); // shown at start
    EXPECT_EQ(years.back(), "2099");
}

TEST(DateLists, LunarLeapMonthFollowsItsOrdinaryMonth)
{
    // Leap months from printed almanacs.
    const struct
    {
        const char* year;
        const char* leap; // nullptr: none
        std::size_t at;   // index of the leap entry
    } kYears[] = {
        {"1900", "08", 8},    // first year of the table
        {"2014", "09", 9},    // 闰九月
        {"2020", "04", 4},    // 闰四月
        {"2023", "02", 2},    // 闰二月
        {"2025", "06", 6},    // 闰六月
        {"2021", nullptr, 0}, // no leap month: twelve entries
    };
    for (const auto& c : kYears) {
        SCOPED_TRACE(c.year);
        const auto months = monthTexts(true, c.year);
        ASSERT_TRUE(months);
        ASSERT_EQ(months->size(), c.leap ? 13u : 12u);
        EXPECT_EQ(months->front(), "01");
        EXPECT_EQ(months->back(), "12");
        if (c.leap) {
            EXPECT_EQ((*months)[c.at - 1], c.leap);
            EXPECT_EQ((*months)[c.at], std::string(c.leap) + "闰");
        }
    }
}

TEST(DateLists, GregorianMonthsIgnoreTheYear)
{
    const auto months = monthTexts(false, "2020");
    ASSERT_TRUE(months);
    EXPECT_EQ(*months,
              (std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}));
}

TEST(DateLists, DayCountFollowsTheMonth)
{
    const struct
    {
        bool lunar;
        const char* year;
        const char* month;
        std::size_t days;
    } kCases[] = {
        {false, "2000", "02", 29}, // divisible by 400: leap year
        {false, "1900", "02", 28}, // divisible by 100 only: common year
        {false, "2024", "02", 29}, // divisible by 4
        {false, "2023", "04", 30},  {false, "2023", "12", 31},
        {false, "", "02", 29},      // no year chosen counts as 1980, a leap year
        {true, "2020", "01", 29},   // 正月初一 2020-01-25, 二月初一 2020-02-23
        {true, "2020", "04", 30},   // 四月初一 2020-04-23, 闰四月初一 2020-05-23
        {true, "2020", "04闰", 29}, // 闰四月初一 2020-05-23, 五月初一 2020-06-21
        {true, "2023", "02", 30},   // 二月初一 2023-02-20, 闰二月初一 2023-03-22
        {true, "2023", "02闰", 29}, // 闰二月初一 2023-03-22, 三月初一 2023-04-20
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.lunar ? "农历 " : "公历 ") + c.year + " " + c.month);
        const auto days = dayTexts(c.lunar, c.year, c.month);
        ASSERT_EQ(countOf(days), c.days);
        EXPECT_EQ(days->front(), "01");
        EXPECT_EQ(days->back(), std::to_string(c.days));
    }
}

TEST(DateLists, UnlistableChoicesGiveNoList)
{
    const struct
    {
        bool lunar;
        const char* year;
        const char* month;
    } kCases[] = {
        {true, "2020", "05闰"}, // 2020 has no leap fifth month
        {true, "", "01"},       // a lunar year is required
        {true, "2100", "01"},   // past the listed years
        {false, "19x0", "01"},  // not a number
        {false, "2020", "13"},  // no such month
        {false, "2020", ""},    // no month chosen
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.year) + " " + c.month);
        EXPECT_FALSE(dayTexts(c.lunar, c.year, c.month));
    }
    EXPECT_FALSE(monthTexts(true, "1899"));
}

} // namespace
