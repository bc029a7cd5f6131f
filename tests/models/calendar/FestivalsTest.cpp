#include "models/calendar/Festivals.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using models::MonthInfo;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2030} / 6 / 15}} + hours{8}; };

struct Marked
{
    int year, month, day;
    const char* nongFestival;
    const char* festival;
};

// Lunar dates worked out from the year codes and printed almanacs.
// clang-format off
const Marked kMarked[] = {
    {2003, 1, 31, "除夕 ", ""},              // lunar new year on 02-01: 除夕 on the last day of the month before
    {2003, 2, 1, "春节 ", ""},               // ... and 春节 on the 1st
    {1938, 1, 30, "除夕 ", ""},              // January 1938 meets lunar months 11, 12 and 1
    {1938, 1, 31, "春节 ", ""},              // ... and still marks the new year on its last day
    {2024, 2, 9, "除夕 ", ""},               // both in one Gregorian month
    {2024, 2, 10, "春节 ", ""},              //
    {2024, 8, 4, "", ""},                    // 七月初一 after a sixth month of 29 days: no 六月三十
    {2022, 7, 28, "围香节 ", ""},            // 六月三十 of a sixth month of 30 days
    {2023, 2, 21, "龙头节 ", ""},            // 二月初二
    {2023, 3, 23, "", ""},                   // 闰二月初二: a leap month marks nothing
    {2024, 2, 24, "元宵节 ", ""},            // 正月十五
    {2026, 2, 16, "除夕 ", "总统日 "},       // third Monday of a February whose 1st is a Sunday
    {2024, 5, 27, "", "胜利日 "},            // last Monday of May
    {2024, 5, 20, "", ""},                   // the third Monday is not 胜利日
    {2024, 5, 12, "", "护士节 母亲节 "},     // table order: Gregorian, then floating, each with its blank
    {2018, 10, 1, "", "国庆节 世界住房日 "}, // the first Monday of October is the 1st
    {2018, 4, 1, "", "愚人节 复活节"},       // Easter follows without a blank
    {2024, 3, 31, "", "复活节"},             // 春分 03-20 is 二月十一: full moon 03-24, a Sunday, so a week later
    {2024, 9, 13, "", "黑色星期五"},         // Friday the 13th
};
// clang-format on

TEST(markFestivals, MarksTheDaysOfTheirDates)
{
    const MonthInfo info{kFixedNow};
    for (const auto& c : kMarked) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const auto days = info.GetMonthInfo(c.year, c.month - 1);
        ASSERT_TRUE(days);
        const models::DayInfo& d = (*days)[static_cast<std::size_t>(c.day - 1)];
        EXPECT_EQ(d.NongFestival, c.nongFestival);
        EXPECT_EQ(d.Festival, c.festival);
    }
}

// Over every shown year each lunar new year's eve is marked once, on the day before a marked 春节.
TEST(markFestivals, MarksEveryNewYearsEveBeforeItsNewYear)
{
    const MonthInfo info{kFixedNow};
    int eves = 0;
    int newYears = 0;
    bool eveYesterday = false;
    for (int y = 1901; y <= 2099; ++y) {
        for (int m0 = 0; m0 < 12; ++m0) {
            const auto days = info.GetMonthInfo(y, m0);
            ASSERT_TRUE(days);
            for (const models::DayInfo& d : *days) {
                if (d.Day == 0)
                    break;
                const bool eve = d.NongFestival.find("除夕") != std::string::npos;
                const bool newYear = d.NongFestival.find("春节") != std::string::npos;
                ASSERT_EQ(newYear, eveYesterday) << y << "-" << m0 + 1 << "-" << d.Day;
                eves += eve;
                newYears += newYear;
                eveYesterday = eve;
            }
        }
    }
    EXPECT_EQ(eves, 199);     // lunar 1900 ends in 1901, lunar 2098 in 2099
    EXPECT_EQ(newYears, 199); // lunar 1901 to 2099 begin in 1901 to 2099
}

struct EasterDate
{
    int year;
    unsigned month, day;
};

TEST(Easter, FollowsTheFullMoonAfterTheEquinox)
{
    const EasterDate kEasters[] = {
        {2024, 3, 31}, // full moon 03-24 is a Sunday: the Sunday after
        {2018, 4, 1},  // 春分 03-20 is 二月初四: full moon 03-31, a Saturday
        {2019, 4, 21}, // 春分 03-21 is 二月十五 itself: the 15th of the next month, 04-19
    };
    for (const auto& c : kEasters) {
        SCOPED_TRACE(c.year);
        const auto easter = models::Easter(c.year);
        ASSERT_TRUE(easter);
        EXPECT_EQ(*easter, year{c.year} / month{c.month} / day{c.day});
    }
    EXPECT_FALSE(models::Easter(1899));
}

} // namespace
