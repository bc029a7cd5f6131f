#include "models/calendar/MonthInfo.h"

#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

#include "engine/calendar/Calendar.h"
#include "models/solartime/TermSources.h"

namespace {

using namespace std::chrono;
using models::DayInfo;
using models::MonthInfo;

// A clock far from every month tested here, so that no "今天" gets in the way.
const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2030} / 6 / 15}} + hours{8}; };

const DayInfo& dayOf(const models::MonthDays& days, int day)
{
    return days[static_cast<std::size_t>(day - 1)];
}

struct PairsOnDay
{
    int year, month, day;
    const char* yearGZ;
    const char* monthGZ;
    const char* dayGZ;
};

// clang-format off
const PairsOnDay kPairs[] = {
    {2024, 1, 31, "癸卯", "乙丑", "甲午"}, // January keeps the old year's pair
    {2024, 2, 3, "癸卯", "乙丑", "丁酉"},  // the day before 立春 (02-04 14:39)
    {2024, 2, 4, "甲辰", "丙寅", "戊戌"},  // the whole day of 立春 is the new year and the 寅 month
    {2024, 3, 4, "甲辰", "丙寅", "丁卯"},  // the day before 惊蛰
    {2024, 3, 5, "甲辰", "丁卯", "戊辰"},  // the day of 惊蛰 (09:09) opens the 卯 month
    {2024, 1, 1, "癸卯", "甲子", "甲子"},  // before 小寒: still the 子 month of 2023
    {2000, 1, 1, "己卯", "丙子", "戊午"},  // day count 36534
};
// clang-format on

TEST(GetMonthInfo, PairsTurnOnTheDayOfTheirTerm)
{
    const MonthInfo info{kFixedNow};
    for (const auto& c : kPairs) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const auto days = info.GetMonthInfo(c.year, c.month - 1);
        ASSERT_TRUE(days);
        const DayInfo& d = dayOf(*days, c.day);
        EXPECT_EQ(d.YearGZ, c.yearGZ);
        EXPECT_EQ(d.MonthGZ, c.monthGZ);
        EXPECT_EQ(d.DayGZ, c.dayGZ);
    }
}

TEST(GetMonthInfo, WalksTheLunarMonthsOfAGregorianMonth)
{
    const MonthInfo info{kFixedNow};
    const auto jan1938 = info.GetMonthInfo(1938, 0); // meets lunar months 11, 12 and 1
    ASSERT_TRUE(jan1938);
    EXPECT_EQ(dayOf(*jan1938, 1).NMonth, 11);
    EXPECT_EQ(dayOf(*jan1938, 1).NDay, 30);
    EXPECT_EQ(dayOf(*jan1938, 2).NMonth, 12);
    EXPECT_EQ(dayOf(*jan1938, 2).NDay, 1);
    EXPECT_EQ(dayOf(*jan1938, 31).NYear, 1938);
    EXPECT_EQ(dayOf(*jan1938, 31).NMonth, 1);
    EXPECT_EQ(dayOf(*jan1938, 31).NDay, 1);

    const auto apr2023 = info.GetMonthInfo(2023, 3); // 闰二月 runs 03-22 to 04-19
    ASSERT_TRUE(apr2023);
    EXPECT_TRUE(dayOf(*apr2023, 19).IsLeap);
    EXPECT_EQ(dayOf(*apr2023, 19).NDay, 29);
    EXPECT_FALSE(dayOf(*apr2023, 20).IsLeap);
    EXPECT_EQ(dayOf(*apr2023, 20).NMonth, 3);
}

TEST(GetMonthInfo, TodayGivesWayToTheTermOfTheDay)
{
    const MonthInfo onTerm{[] { return engine::LocalTime{local_days{year{2024} / 2 / 4}} + hours{10}; }};
    const auto days = onTerm.GetMonthInfo(2024, 1);
    ASSERT_TRUE(days);
    EXPECT_EQ(dayOf(*days, 4).IsToday, -1);
    EXPECT_EQ(dayOf(*days, 4).TermName, "立春");
    EXPECT_EQ(dayOf(*days, 5).IsToday, 0);

    const MonthInfo offTerm{[] { return engine::LocalTime{local_days{year{2024} / 2 / 5}}; }};
    EXPECT_EQ(dayOf(*offTerm.GetMonthInfo(2024, 1), 5).TermName, "今天");
    EXPECT_EQ(dayOf(*offTerm.GetMonthInfo(2025, 1), 5).TermName, ""); // another year's February
}

TEST(GetMonthInfo, EveryDayCarriesTheMonthsTwoTerms)
{
    const auto days = MonthInfo{kFixedNow}.GetMonthInfo(2024, 0);
    ASSERT_TRUE(days);
    EXPECT_EQ(dayOf(*days, 1).MonthTerms, "◆6日小寒 ◆20日大寒");
    EXPECT_EQ(dayOf(*days, 31).MonthTerms, "◆6日小寒 ◆20日大寒");
    EXPECT_EQ(dayOf(*days, 6).TermName, "小寒");
    EXPECT_EQ(dayOf(*days, 20).TermName, "大寒");
    EXPECT_EQ(days->back().Day, 0); // day 32 stays empty
}

TEST(GetMonthInfo, RefusesMonthsOutsideTheLunarTable)
{
    const MonthInfo info{kFixedNow};
    EXPECT_FALSE(info.GetMonthInfo(1900, 0)); // opens before 1900-01-31
    EXPECT_TRUE(info.GetMonthInfo(1900, 1));
    EXPECT_TRUE(info.GetMonthInfo(2100, 11));
    EXPECT_FALSE(info.GetMonthInfo(2101, 0));
    EXPECT_FALSE(info.GetMonthInfo(2024, 12));
    EXPECT_FALSE(info.GetMonthInfo(2024, -1));
}

// Every month the window can show: the records agree with the engine's pillars (taken at the day's last
// minute, when that day's term has certainly begun) and lunar dates, day by day.
TEST(GetMonthInfo, EveryShownMonthAgreesWithTheEnginesPillars)
{
    const MonthInfo info{kFixedNow};
    for (int y = 1901; y <= 2099; ++y) {
        for (int m0 = 0; m0 < 12; ++m0) {
            const auto days = info.GetMonthInfo(y, m0);
            ASSERT_TRUE(days) << y << "-" << m0 + 1;
            const int n = engine::solarDays(y, m0);
            for (int i = 0; i < n; ++i) {
                const DayInfo& d = (*days)[static_cast<std::size_t>(i)];
                const engine::LocalDays date{year{y} / (m0 + 1) / (i + 1)};
                const engine::LocalTime lastMinute = engine::LocalTime{date} + hours{23} + minutes{59};
                const engine::NongLiDate lunar = engine::toLunar(date);
                ASSERT_EQ(d.DayGZ, engine::ganZhi(engine::dayCount(date))) << engine::writeDate(date);
                ASSERT_EQ(d.YearGZ, engine::ganZhi(engine::yearCount(lastMinute))) << engine::writeDate(date);
                ASSERT_EQ(d.MonthGZ, engine::ganZhi(engine::monthCount(lastMinute))) << engine::writeDate(date);
                ASSERT_TRUE(d.NMonth == lunar.Month && d.NDay == lunar.Day && d.IsLeap == lunar.IsLeap)
                    << engine::writeDate(date);
            }
            ASSERT_EQ((*days)[static_cast<std::size_t>(n)].Day, 0) << y << "-" << m0 + 1;
        }
    }
}

struct Named
{
    int value;
    const char* name;
};

TEST(NongDay, NamesTheLunarDays)
{
    const Named kDays[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, // the tens turn at 10, not 11
        {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}, // 20 and 30 are whole names
        {40, ""},     {-1, ""},                                 // nothing past the table
    };
    for (const auto& c : kDays) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(models::NongDay(c.value), c.name);
    }
}

TEST(NongMonth, NamesOneToTwelveWithDigits)
{
    const Named kMonths[] = {{1, "一"}, {11, "十一"}, {12, "十二"}, {0, ""}, {13, ""}}; // not 正 and 腊
    for (const auto& c : kMonths) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(models::NongMonth(c.value), c.name);
    }
}

TEST(STerm, GivesTheDayOfTheMonthOfATerm)
{
    EXPECT_EQ(models::STerm(2024, 2), 4);  // 立春 2024-02-04 14:39
    EXPECT_EQ(models::STerm(2024, 3), 19); // 雨水 2024-02-19 10:48
    EXPECT_EQ(models::STerm(2024, 24), 0); // the window's copy takes 0-23 only
    EXPECT_EQ(models::STerm(2024, -1), 0);
    EXPECT_EQ(models::Animals(12), "鼠");
    EXPECT_EQ(models::Animals(-1), "猪");
}

struct TermDay
{
    engine::TermSource terms;
    int year, month, day;
    const char* yearGZ;
    const char* monthGZ;
    const char* termName;   // empty on a day without a term
    const char* monthTerms; // the month's two terms on their days
};

// Astronomical terms as published, Beijing time: 立春 2013-02-04 00:13 (02-03 16:13 UTC), 雨水 2013-02-18 20:01,
// 小暑 2024-07-06 22:20, 处暑 2024-08-22 22:55. Mean formula by hand: 立春 2013-02-03 22:43, 雨水 02-18 18:52,
// 小暑 2024-07-06 23:55, 处暑 2024-08-23 00:05.
// clang-format off
const TermDay kTermDays[] = {
    {engine::termInstant, 2013, 2, 3, "癸巳", "甲寅", "立春", "◆3日立春 ◆18日雨水"}, // the mean 立春's day
    {engine::termInstant, 2013, 2, 4, "癸巳", "甲寅", "", "◆3日立春 ◆18日雨水"},
    {models::astroTermBeijing, 2013, 2, 3, "壬辰", "癸丑", "", "◆4日立春 ◆18日雨水"}, // 立春 is on the 4th in Beijing
    {models::astroTermBeijing, 2013, 2, 4, "癸巳", "甲寅", "立春", "◆4日立春 ◆18日雨水"},  // both pairs turn with it
    {models::astroTermBeijing, 2024, 7, 6, "甲辰", "辛未", "小暑", "◆6日小暑 ◆22日大暑"},  // same day either way
    {models::astroTermBeijing, 2024, 8, 22, "甲辰", "壬申", "处暑", "◆7日立秋 ◆22日处暑"}, // a 中气 a day early
    {engine::termInstant, 2024, 8, 22, "甲辰", "壬申", "", "◆7日立秋 ◆23日处暑"},
};
// clang-format on

TEST(GetMonthInfo, TermsMarkTheDaysTheirSourceGives)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const TermDay& c : kTermDays) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const MonthInfo info(kFixedNow, c.terms);
        const auto days = info.GetMonthInfo(c.year, c.month - 1);
        ASSERT_TRUE(days.has_value());
        const DayInfo& d = dayOf(*days, c.day);
        EXPECT_EQ(d.YearGZ, c.yearGZ);
        EXPECT_EQ(d.MonthGZ, c.monthGZ);
        EXPECT_EQ(d.TermName, c.termName);
        EXPECT_EQ(d.MonthTerms, c.monthTerms);
    }
}

// A source that covers no year: the model answers nothing rather than throwing.
engine::LocalTime noTerms(int year, int)
{
    throw engine::RangeError("no terms for " + std::to_string(year));
}

TEST(GetMonthInfo, ASourceWithoutTheYearGivesNoMonth)
{
    const MonthInfo info(kFixedNow, noTerms);
    EXPECT_FALSE(info.GetMonthInfo(2024, 1).has_value());
}

} // namespace
