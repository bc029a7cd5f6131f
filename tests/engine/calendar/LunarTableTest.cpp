#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

using namespace std::chrono;
using engine::LocalDays;
using engine::NongLiDate;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{2024y / 2 / 10}} + 8h; };

// "2033-11L-1": readable in failure messages, L marks the leap month.
std::string show(const NongLiDate& d)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%d-%d%s-%d", d.Year, d.Month, d.IsLeap ? "L" : "", d.Day);
    return buf;
}

std::string show(const std::optional<LocalDays>& d)
{
    return d ? engine::writeDate(*d) : std::string("(none)");
}

// The year codes as published, 1900-2100, ten to a line.
// clang-format off
constexpr std::uint32_t kPublishedCodes[201] = {
    0x04bd8, 0x04ae0, 0x0a570, 0x054d5, 0x0d260, 0x0d950, 0x16554, 0x056a0, 0x09ad0, 0x055d2, // 1900
    0x04ae0, 0x0a5b6, 0x0a4d0, 0x0d250, 0x1d255, 0x0b540, 0x0d6a0, 0x0ada2, 0x095b0, 0x14977, // 1910
    0x04970, 0x0a4b0, 0x0b4b5, 0x06a50, 0x06d40, 0x1ab54, 0x02b60, 0x09570, 0x052f2, 0x04970, // 1920
    0x06566, 0x0d4a0, 0x0ea50, 0x06e95, 0x05ad0, 0x02b60, 0x186e3, 0x092e0, 0x1c8d7, 0x0c950, // 1930
    0x0d4a0, 0x1d8a6, 0x0b550, 0x056a0, 0x1a5b4, 0x025d0, 0x092d0, 0x0d2b2, 0x0a950, 0x0b557, // 1940
    0x06ca0, 0x0b550, 0x15355, 0x04da0, 0x0a5b0, 0x14573, 0x052b0, 0x0a9a8, 0x0e950, 0x06aa0, // 1950
    0x0aea6, 0x0ab50, 0x04b60, 0x0aae4, 0x0a570, 0x05260, 0x0f263, 0x0d950, 0x05b57, 0x056a0, // 1960
    0x096d0, 0x04dd5, 0x04ad0, 0x0a4d0, 0x0d4d4, 0x0d250, 0x0d558, 0x0b540, 0x0b6a0, 0x195a6, // 1970
    0x095b0, 0x049b0, 0x0a974, 0x0a4b0, 0x0b27a, 0x06a50, 0x06d40, 0x0af46, 0x0ab60, 0x09570, // 1980
    0x04af5, 0x04970, 0x064b0, 0x074a3, 0x0ea50, 0x06b58, 0x055c0, 0x0ab60, 0x096d5, 0x092e0, // 1990
    0x0c960, 0x0d954, 0x0d4a0, 0x0da50, 0x07552, 0x056a0, 0x0abb7, 0x025d0, 0x092d0, 0x0cab5, // 2000
    0x0a950, 0x0b4a0, 0x0baa4, 0x0ad50, 0x055d9, 0x04ba0, 0x0a5b0, 0x15176, 0x052b0, 0x0a930, // 2010
    0x07954, 0x06aa0, 0x0ad50, 0x05b52, 0x04b60, 0x0a6e6, 0x0a4e0, 0x0d260, 0x0ea65, 0x0d530, // 2020
    0x05aa0, 0x076a3, 0x096d0, 0x04bd7, 0x04ad0, 0x0a4d0, 0x1d0b6, 0x0d250, 0x0d520, 0x0dd45, // 2030
    0x0b5a0, 0x056d0, 0x055b2, 0x049b0, 0x0a577, 0x0a4b0, 0x0aa50, 0x1b255, 0x06d20, 0x0ada0, // 2040
    0x14b63, 0x09370, 0x049f8, 0x04970, 0x064b0, 0x168a6, 0x0ea50, 0x06b20, 0x1a6c4, 0x0aae0, // 2050
    0x092e0, 0x0d2e3, 0x0c960, 0x0d557, 0x0d4a0, 0x0da50, 0x05d55, 0x056a0, 0x0a6d0, 0x055d4, // 2060
    0x052d0, 0x0a9b8, 0x0a950, 0x0b4a0, 0x0b6a6, 0x0ad50, 0x055a0, 0x0aba4, 0x0a5b0, 0x052b0, // 2070
    0x0b273, 0x06930, 0x07337, 0x06aa0, 0x0ad50, 0x14b55, 0x04b60, 0x0a570, 0x054e4, 0x0d260, // 2080
    0x0e968, 0x0d520, 0x0daa0, 0x16aa6, 0x056d0, 0x04ae0, 0x0a9d4, 0x0a4d0, 0x0d150, 0x0f252, // 2090
    0x0d520,                                                                                  // 2100
};
// clang-format on

// Years whose codes follow the official calendar instead of the published table.
constexpr int kCorrectedYears[] = {1933, 1996, 2033, 2089, 2097};

bool isCorrected(int year)
{
    return std::find(std::begin(kCorrectedYears), std::end(kCorrectedYears), year) != std::end(kCorrectedYears);
}

TEST(NongLiData, MatchesThePublishedCodesOutsideTheCorrectedYears)
{
    const LandPP lp{kFixedNow};
    for (int i = 0; i <= 200; ++i) {
        if (!isCorrected(1900 + i)) {
            EXPECT_EQ(lp.NongLiData(i), kPublishedCodes[i]) << "year " << 1900 + i;
        }
    }
}

struct YearLengthCase
{
    std::int16_t year;
    std::int16_t leapMonth;
    std::int16_t leapDays;
    std::int16_t yearDays;
};

// Year days = 348 + set bits 15..4 of the published code + leap days.
// clang-format off
const YearLengthCase kYearLengths[] = {
    {1900, 8, 29, 384},  // 04bd8: 4bd has 7 bits set, leap 8th month of 29 days
    {2023, 2, 29, 384},  // 05b52: 5b5 has 7 bits, leap 2nd month of 29 days
    {2017, 6, 30, 384},  // 15176: 517 has 6 bits, bit 16 makes the leap 6th month 30 days
    {2024, 0, 0, 354},   // 04b60: 4b6 has 6 bits, no leap month
    {1925, 4, 30, 385},  // 1ab54: ab5 has 7 bits + 30 leap days, the longest year
    {1965, 0, 0, 353},   // 05260: 526 has 5 bits, the shortest year
    {2100, 0, 0, 354},   // 0d520: d52 has 6 bits, last year of the table
    {1933, 5, 30, 384},  // corrected; published 06e95 gives 348 + 7 + 29, the same length
    {1996, 0, 0, 354},   // corrected; published 055c0 gives 348 + 6
    {2033, 11, 29, 384}, // corrected; published 04bd7 (leap 7th) gives 348 + 7 + 29
    {2089, 0, 0, 354},   // corrected; published 0d260 gives 348 + 6
    {2097, 0, 0, 354},   // corrected; published 0a4d0 gives 348 + 6
};
// clang-format on

TEST(LYearDays, AgreesWithTheCodeBitsCountedByHand)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kYearLengths) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(lp.LeapMonth(c.year), c.leapMonth);
        EXPECT_EQ(lp.LeapDays(c.year), c.leapDays);
        EXPECT_EQ(lp.LYearDays(c.year), c.yearDays);
    }
}

TEST(MonthDays, Reads2023FromTheWorkedRow)
{
    // 05b52: bits 15..4 = 0101 1011 0101.
    const std::int16_t expected[12] = {29, 30, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30};
    const LandPP lp{kFixedNow};
    for (std::int16_t m = 1; m <= 12; ++m)
        EXPECT_EQ(lp.MonthDays(2023, m), expected[m - 1]) << "month " << m;
}

TEST(LYearDays, TableHasItsStatedShape)
{
    const LandPP lp{kFixedNow};
    int leapYears = 0;
    long total = 0;
    for (std::int16_t y = 1900; y <= 2100; ++y) {
        EXPECT_GE(lp.LYearDays(y), 353) << y;
        EXPECT_LE(lp.LYearDays(y), 385) << y;
        leapYears += lp.LeapMonth(y) != 0 ? 1 : 0;
        total += lp.LYearDays(y);
    }
    EXPECT_EQ(leapYears, 74);
    // The years laid end to end fill 1900-01-31 through 2101-01-28 exactly.
    EXPECT_EQ(total, (local_days{2101y / 1 / 28} - local_days{1900y / 1 / 31}).count() + 1);
}

struct MonthStartCase
{
    int year;
    int month;
    bool leap;
    LocalDays first;
    int length;
};

// The corrected codes, pinned month by month; first days are new-moon days at 120°E.
// clang-format off
const MonthStartCase kCorrectedMonths[] = {
    {1933, 5, true, local_days{1933y / 6 / 23}, 30},    // the leap 5th month gains the day...
    {1933, 6, false, local_days{1933y / 7 / 23}, 29},   // ...the 6th month loses, starting a day later
    {1996, 5, false, local_days{1996y / 6 / 16}, 30},   // months 5-8 are 30, 29, 30, 29
    {1996, 6, false, local_days{1996y / 7 / 16}, 29},   //
    {1996, 7, false, local_days{1996y / 8 / 14}, 30},   //
    {1996, 8, false, local_days{1996y / 9 / 13}, 29},   //
    {2033, 11, false, local_days{2033y / 11 / 22}, 30}, // the 11th month, then...
    {2033, 11, true, local_days{2033y / 12 / 22}, 29},  // ...the leap month follows it, not the 7th
    {2089, 7, false, local_days{2089y / 8 / 6}, 29},    // months 7 and 8 are 29 and 30
    {2089, 8, false, local_days{2089y / 9 / 4}, 30},    //
};
// clang-format on

TEST(LunarTable, CorrectedYearsFollowTheOfficialMonthStarts)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kCorrectedMonths) {
        const NongLiDate first{static_cast<std::int16_t>(c.year), static_cast<std::int16_t>(c.month), 1, c.leap};
        SCOPED_TRACE(show(first));
        EXPECT_EQ(show(engine::toGregorian(c.year, c.month, 1, c.leap)), engine::writeDate(c.first));
        EXPECT_EQ(show(engine::toLunar(c.first)), show(first));
        const int length = c.leap ? lp.LeapDays(static_cast<std::int16_t>(c.year))
                                  : lp.MonthDays(static_cast<std::int16_t>(c.year), static_cast<std::int16_t>(c.month));
        EXPECT_EQ(length, c.length);
    }
    EXPECT_EQ(lp.LeapMonth(2033), 11);
    EXPECT_EQ(lp.NongLi2YangLi("2033-7-1", 1), ""); // the published leap 7th month is gone
}

TEST(LunarTable, Year2097SeventhMonthBeginsOnAugust7)
{
    // The official calendar has months 6 and 7 of 29 and 30 days (code 0a2d0); the published 0a4d0 has 30 and 29
    // and starts the 7th month a day late, on 2097-08-08.
    const LandPP lp{kFixedNow};
    EXPECT_EQ(lp.MonthDays(2097, 6), 29);
    EXPECT_EQ(lp.MonthDays(2097, 7), 30);
    EXPECT_EQ(lp.NongLi2YangLi("2097-6-1", 0), "2097-07-09");
    EXPECT_EQ(lp.NongLi2YangLi("2097-7-1", 0), "2097-08-07");
    EXPECT_EQ(show(engine::toLunar(local_days{2097y / 8 / 7})), "2097-7-1");
    EXPECT_EQ(show(engine::toLunar(local_days{2097y / 9 / 5})), "2097-7-30");
}

struct AlmanacDay
{
    const char* gregorian;
    const char* lunar;
};

// clang-format off
const AlmanacDay kAlmanacDays[] = {
    {"1900-01-31", "农历庚子年(鼠)正月初一"},          // the anchor, first convertible day
    {"1900-09-24", "农历庚子年(鼠)闰八月初一"},        // first leap month of the table: 236 days after the anchor
    {"1984-02-02", "农历甲子年(鼠)正月初一"},          // start of a sexagenary cycle
    {"2000-01-01", "农历己卯年(兔)十一月廿五"},        // month 11 is "十一"; still the old year's name
    {"2000-02-05", "农历庚辰年(龙)正月初一"},          // lunar new year
    {"2023-03-21", "农历癸卯年(兔)二月三十"},          // last day of a 30-day month, before the leap month
    {"2023-03-22", "农历癸卯年(兔)闰二月初一"},        // first day of a leap month
    {"2023-04-19", "农历癸卯年(兔)闰二月廿九"},        // last day of the 29-day leap month
    {"2023-04-20", "农历癸卯年(兔)三月初一"},          // the month after the leap month
    {"2023-09-29", "农历癸卯年(兔)八月十五"},          // 中秋
    {"2023-11-13", "农历癸卯年(兔)十月初一"},          // month 10
    {"2024-02-09 23:59:59", "农历癸卯年(兔)腊月三十"}, // 除夕: time ignored; the name waits for the new year, not 立春
    {"2024-02-10", "农历甲辰年(龙)正月初一"},          // lunar new year
    {"2024-06-10", "农历甲辰年(龙)五月初五"},          // 端午
    {"1995-09-25", "农历乙亥年(猪)闰八月初一"},        // late leap month
    {"2014-10-24", "农历甲午年(马)闰九月初一"},        // later leap month still
    {"2017-07-23", "农历丁酉年(鸡)闰六月初一"},        // a 30-day leap month (bit 16)...
    {"2017-08-21", "农历丁酉年(鸡)闰六月三十"},        // ...reaches its 30th day
    {"2020-05-23", "农历庚子年(鼠)闰四月初一"},        // leap 4th month
    {"2033-12-22", "农历癸丑年(牛)闰十一月初一"},      // corrected 2033: leap month after the 11th
    {"2100-02-08", "农历己未年(羊)腊月三十"},          // last day of lunar 2099
    {"2100-02-09", "农历庚申年(猴)正月初一"},          // lunar 2100 begins
    {"2101-01-28", "农历庚申年(猴)腊月廿九"},          // last convertible day
};
// clang-format on

TEST(YangLi2NongLi, AgreesWithPrintedAlmanac)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kAlmanacDays) {
        SCOPED_TRACE(c.gregorian);
        std::string sTime = c.gregorian;
        EXPECT_EQ(lp.YangLi2NongLi(sTime), c.lunar);
        EXPECT_EQ(sTime, c.gregorian); // a readable date is left as typed
    }
}

TEST(LunarTable, EveryCoveredDayConvertsAndAdvancesByOne)
{
    const LocalDays first{1900y / 1 / 31};
    const LocalDays last{2101y / 1 / 28};
    NongLiDate prev = engine::toLunar(first);
    ASSERT_EQ(show(prev), "1900-1-1");
    for (LocalDays d = first + days{1}; d <= last; d += days{1}) {
        const NongLiDate cur = engine::toLunar(d);
        if (cur.Day != 1) {
            ASSERT_EQ(show(cur),
                      show(NongLiDate{prev.Year, prev.Month, static_cast<std::int16_t>(prev.Day + 1), prev.IsLeap}))
                << engine::writeDate(d);
        } else {
            // A new month starts only after the last day of the previous one...
            const int prevLength = prev.IsLeap ? engine::leapDays(prev.Year) : engine::monthDays(prev.Year, prev.Month);
            ASSERT_EQ(prev.Day, prevLength) << engine::writeDate(d);
            // ...and it is the leap month of the same number, or the next ordinary month.
            NongLiDate expected{prev.Year, static_cast<std::int16_t>(prev.Month + 1), 1, false};
            if (!prev.IsLeap && engine::leapMonth(prev.Year) == prev.Month)
                expected = {prev.Year, prev.Month, 1, true};
            else if (prev.Month == 12)
                expected = {static_cast<std::int16_t>(prev.Year + 1), 1, 1, false};
            ASSERT_EQ(show(cur), show(expected)) << engine::writeDate(d);
        }
        prev = cur;
    }
    EXPECT_EQ(show(prev), "2100-12-29");
}

TEST(LunarTable, EveryDayBeforeLunar2100RoundTrips)
{
    // Lunar 2100 itself converts forwards only: the class rejects lunar year 2100.
    const LocalDays lastBack{2100y / 2 / 8};
    for (LocalDays d{1900y / 1 / 31}; d <= local_days{2101y / 1 / 28}; d += days{1}) {
        const NongLiDate l = engine::toLunar(d);
        const auto back = engine::toGregorian(l.Year, l.Month, l.Day, l.IsLeap);
        if (d <= lastBack) {
            ASSERT_EQ(show(back), engine::writeDate(d)) << show(l);
        } else {
            ASSERT_FALSE(back) << show(l);
        }
    }
}

struct LunarTextCase
{
    const char* text;
    std::int16_t iLeap;
    const char* gregorian; // empty when rejected
};

// clang-format off
const LunarTextCase kLunarTexts[] = {
    {"2023-2-1", 1, "2023-03-22"},       // first day of the leap month
    {"2023-2-1", 0, "2023-02-20"},       // the ordinary month of the same number comes first
    {"2023-2-1", 2, "2023-02-20"},       // any iLeap but 1 means the ordinary month
    {"2023-3-1", 1, ""},                 // 3 is not 2023's leap month
    {"2023-3-1", 0, "2023-04-20"},       // the month after the leap month
    {"2023-2-29", 1, "2023-04-19"},      // last day of the 29-day leap month
    {"2023-2-30", 1, ""},                // past the leap month's end
    {"2023-2-30", 0, "2023-03-21"},      // the ordinary 2nd month has 30 days
    {"2023-1-30", 0, ""},                // day 30 of a 29-day month
    {"2023-2-31", 0, ""},                // day above 30
    {"2023-13-1", 0, ""},                // month 13
    {"1899-12-1", 0, ""},                // year before the table
    {"2100-1-1", 0, ""},                 // lunar year 2100 is rejected
    {"2100-12-29", 0, ""},               // ...all of it
    {"1900-1-1", 0, "1900-01-31"},       // the anchor
    {"1984-1-1", 0, "1984-02-02"},       // 甲子 new year
    {"2099-12-30", 0, "2100-02-08"},     // the last day this direction converts
    {"2033-11-1", 1, "2033-12-22"},      // corrected leap month of 2033
    {"2033-7-1", 1, ""},                 // ...which is no longer the 7th
    {"2023-02-01", 0, "2023-02-20"},     // padded numbers
    {"2023-2-1 12:00", 0, "2023-02-20"}, // a time of day after a blank is ignored
    {"2023-2-1 12:00", 1, "2023-03-22"}, //
    {"2023-2", 0, ""},                   // two pieces
    {"2023", 0, ""},                     // one piece
    {"", 0, ""},                         // nothing
    {"2023-2-1-1", 0, ""},               // four pieces
    {"2023--1", 0, ""},                  // an empty piece
    {"a-b-c", 0, ""},                    // not numbers
    {"2023-x-1", 0, ""},                 // one piece not a number
    {"2023-2-1x", 0, ""},                // trailing garbage on the last piece
    {"2023-2-1.5", 0, ""},               // not a whole number
    {"99999999999-1-1", 0, ""},          // a number too large for any year
};
// clang-format on

TEST(NongLi2YangLi, ConvertsOrRejectsLunarText)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kLunarTexts) {
        SCOPED_TRACE(std::string(c.text) + " leap " + std::to_string(c.iLeap));
        EXPECT_EQ(lp.NongLi2YangLi(c.text, c.iLeap), c.gregorian);
        EXPECT_EQ(lp.Solar(c.text, c.iLeap), c.gregorian); // the identical second entry
    }
}

TEST(YangLi2NongLi, UnreadableOrTooEarlyTextBecomesToday)
{
    const char* const texts[] = {
        "abc",        // not a date
        "",           // nothing
        "2023-02-30", // impossible date
        "1899-12-31", // a year before the table
        "1000-06-01", // long before
    };
    const LandPP lp{kFixedNow};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        std::string sTime = text;
        EXPECT_EQ(lp.YangLi2NongLi(sTime), "农历甲辰年(龙)正月初一"); // the clock's 2024-02-10
        EXPECT_EQ(sTime, "2024-02-10");
    }
}

} // namespace
