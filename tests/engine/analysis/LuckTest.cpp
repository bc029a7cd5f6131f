#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using engine::LocalTime;

const engine::Clock kFixedNow = [] { return LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

LocalTime at(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return LocalTime{local_days{year{y} / m / d}} + hours{h} + minutes{min} + seconds{s};
}

// 1984-02-05 08:00 is 甲子 丙寅 己巳 戊辰. By the mean-term formula 立春 1984 is 02-04 22:08 and 惊蛰 03-05 16:38.
// Male (yang year): forward, 42278 minutes to 惊蛰 = 9 years 3398; 3398 = 9 months 158; 158 = 13 days 2 -> 4 hours.
// Female: backward, 592 minutes from 立春 = 1 month 232; 232 = 19 days 4 -> 8 hours.
constexpr const char* kBirth = "1984-02-05 08:00:00";

struct DirectionCase
{
    int yearCount;
    int sex;
    bool forward;
};

// clang-format off
const DirectionCase kDirections[] = {
    {120, 1, true},   // 甲子 year, male
    {121, 0, true},   // 乙丑 year, female
    {121, 1, false},  // yin year, male
    {120, 0, false},  // yang year, female
    {120, 2, false},  // any other sex value runs backward
    {121, -1, false}, // ... in a yin year too
};
// clang-format on

TEST(LuckDirection, YangMaleAndYinFemaleRunForward)
{
    for (const auto& c : kDirections) {
        SCOPED_TRACE(std::to_string(c.yearCount) + "/" + std::to_string(c.sex));
        EXPECT_EQ(engine::luckForward(c.yearCount, c.sex), c.forward);
    }
}

struct BracketCase
{
    LocalTime birth;
    LocalTime previous;
    LocalTime next;
    const char* why;
};

TEST(LuckTerms, BracketTheBirthBetweenTwoJie)
{
    using engine::termInstant;
    const BracketCase cases[] = {
        {at(2024, 1, 3, 12), termInstant(2023, 22), termInstant(2024, 0), "January before 小寒: last year's 大雪"},
        {at(2023, 12, 20, 12), termInstant(2023, 22), termInstant(2024, 0), "December after 大雪: next 小寒"},
        {at(2024, 3, 3), termInstant(2024, 2), termInstant(2024, 4), "before the month's 节"},
        {termInstant(2024, 4), termInstant(2024, 4), termInstant(2024, 6), "exactly at the 节 belongs to it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto terms = engine::luckTerms(c.birth);
        EXPECT_EQ(terms.previous, c.previous);
        EXPECT_EQ(terms.next, c.next);
    }
}

struct StartAgeCase
{
    long long minutes;
    engine::StartAge age;
};

// clang-format off
const StartAgeCase kStartAges[] = {
    {0, {0, 0, 0, 0}},        // born on the minute of the 节
    {1, {0, 0, 0, 2}},        // one minute is two hours
    {12, {0, 0, 1, 0}},       // twelve minutes are a day
    {360, {0, 1, 0, 0}},      // six hours are a month
    {4319, {0, 11, 29, 22}},  // one minute short of a year
    {4320, {1, 0, 0, 0}},     // three days are a year
    {43199, {9, 11, 29, 22}}, // every part at its largest
};
// clang-format on

TEST(StartAge, SplitsMinutesIntoYearsMonthsDaysHours)
{
    for (const auto& c : kStartAges) {
        SCOPED_TRACE(c.minutes);
        const engine::StartAge age = engine::startAge(c.minutes);
        EXPECT_EQ(age.years, c.age.years);
        EXPECT_EQ(age.months, c.age.months);
        EXPECT_EQ(age.days, c.age.days);
        EXPECT_EQ(age.hours, c.age.hours);
    }
}

struct QiYunCase
{
    LocalTime birth;
    std::int16_t sex;
    const char* qiYun;
    const char* jiaoYun;
    const char* why;
};

TEST(QiYun, CountsWholeMinutesBetweenBirthAndJie)
{
    const LocalTime jingZhe = engine::termInstant(1984, 4); // 1984-03-05 16:38, in a 甲子 year
    const QiYunCase cases[] = {
        {jingZhe - minutes{4320}, 1, "1年0月0天0时", "1985-03-02 16:38:00", "male forward, 4320 minutes"},
        {jingZhe - minutes{4333}, 1, "1年0月1天2时", "1985-03-03 18:25:00", "male forward, 4333 minutes"},
        {jingZhe - minutes{4320} + seconds{30}, 1, "1年0月0天0时", "1985-03-02 16:38:30",
         "the birth is truncated to its minute, not the difference"},
        {jingZhe + minutes{4320} + seconds{59}, 0, "1年0月0天0时", "1985-03-08 16:38:59", "female backward"},
        {at(1984, 2, 5, 8), 1, "9年9月13天4时", "1993-11-18 12:00:00", "whole birth, male"},
        {at(1984, 2, 5, 8), 0, "0年1月19天8时", "1984-03-24 16:00:00", "whole birth, female"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = engine::writeTime(c.birth);
        EXPECT_EQ(lp.QiYun(sTime, c.sex), c.qiYun);
        EXPECT_EQ(lp.JiaoYun(sTime, c.sex), c.jiaoYun);
    }
}

struct HandOverCase
{
    LocalTime birth;
    engine::StartAge age;
    LocalTime handOver;
    const char* why;
};

TEST(HandOver, AddsYearsMonthsDaysHoursInTurn)
{
    const HandOverCase cases[] = {
        {at(2001, 1, 31, 10), {0, 1, 0, 0}, at(2001, 2, 28, 10), "a month clamps to the month's end"},
        {at(1984, 2, 29, 10), {1, 0, 0, 0}, at(1985, 2, 28, 10), "29 February clamps after a year"},
        {at(2000, 2, 29, 10), {4, 0, 0, 0}, at(2004, 2, 29, 10), "but not into a leap year"},
        {at(2001, 1, 30, 10), {0, 1, 1, 0}, at(2001, 3, 1, 10), "months before days (days first: 02-28)"},
        {at(2001, 12, 31, 23, 30, 15), {0, 0, 0, 2}, at(2002, 1, 1, 1, 30, 15), "hours roll over; seconds stay"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(engine::handOver(c.birth, c.age), c.handOver);
    }
}

TEST(DaYun, FirstPillarIsNextToTheMonthPillar)
{
    const LandPP lp{kFixedNow};
    std::string sTime = kBirth; // month 丙寅
    using Luck = std::array<std::string, 8>;
    EXPECT_EQ(lp.DaYun(sTime, 1), (Luck{"丁卯", "戊辰", "己巳", "庚午", "辛未", "壬申", "癸酉", "甲戌"}));
    EXPECT_EQ(lp.DaYun(sTime, 0), (Luck{"乙丑", "甲子", "癸亥", "壬戌", "辛酉", "庚申", "己未", "戊午"}));
}

struct DaYunGZCase
{
    const char* query;
    std::int16_t sex;
    std::int16_t pillar;
    const char* why;
};

// Male hand-over 1993-11-18: cycles from 1993-11-01 00:00, first pillar 丁卯 (month count 1022 + 1).
// Female hand-over 1984-03-24: cycles from 1984-03-01, first pillar 乙丑 (1022 - 1).
// clang-format off
const DaYunGZCase kDaYunGZ[] = {
    {"1993-10-31 23:59:59", 1, 0, "before the cycle start"},
    {"1993-11-01 00:00:00", 1, 0, "the cycle start itself is a boundary"},
    {"1993-11-01 00:00:01", 1, 1023, "first decade"},
    {"1993-11-10 00:00:00", 1, 1023, "before the hand-over day but inside its month"},
    {"2003-11-01 00:00:00", 1, 0, "exactly on a decade boundary"},
    {"2003-11-01 00:00:01", 1, 1024, "second decade"},
    {"3003-10-31 00:00:00", 1, 1123, "the 101st decade is the last examined"},
    {"3003-11-01 00:00:01", 1, 0, "past the last decade"},
    {"1970-01-01 00:00:00", 1, 0, "before the birth counts as the birth, before the start"},
    {"1984-03-01 00:00:01", 0, 1021, "female first decade"},
    {"1994-03-01 00:00:01", 0, 1020, "female second decade runs backward"},
};
// clang-format on

TEST(DaYunGZ, FindsTheDecadeStrictlyHoldingTheQuery)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kDaYunGZ) {
        SCOPED_TRACE(c.why);
        std::string sTime = kBirth;
        std::string sTime2 = c.query;
        EXPECT_EQ(lp.DaYunGZ(sTime, sTime2, c.sex), c.pillar);
    }
}

TEST(DaYunGZ, RewritesTheQueryText)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "1984-2-5 8:00";
    std::string sTime2 = "2003-11-1 0:0:1";
    EXPECT_EQ(lp.DaYunZhi(sTime, sTime2, 1), "辰"); // 1024 is 戊辰
    EXPECT_EQ(sTime, kBirth);
    EXPECT_EQ(sTime2, "2003-11-01 00:00:01");
    EXPECT_EQ(lp.DaYunGan(sTime, sTime2, 1), "戊");
    sTime2 = "1970-01-01";
    EXPECT_EQ(lp.DaYunGan(sTime, sTime2, 1), ""); // 0: no pillar
    EXPECT_EQ(sTime2, kBirth);                    // an earlier query becomes the birth
    sTime2 = "garbage";
    EXPECT_EQ(lp.DaYunZhi(sTime, sTime2, 1), "午"); // now, 2024-02-10, is in the fourth decade: 庚午
    EXPECT_EQ(sTime2, "2024-02-10 08:00:00");
}

TEST(LiuNian, StartsAtTheHandOverYearPillar)
{
    const LandPP lp{kFixedNow};
    std::string sTime = kBirth;
    const auto male = lp.LiuNian(sTime, 1); // hand-over 1993-11-18: 癸酉, not the birth year's 甲子
    EXPECT_EQ(male[0], "癸酉");
    EXPECT_EQ(male[1], "甲戌");
    EXPECT_EQ(male[79], "壬辰");                // 79 steps on from 癸酉
    EXPECT_EQ(lp.LiuNian(sTime, 0)[0], "甲子"); // hand-over 1984-03-24

    // 8 years 11 months (38520 minutes) before 惊蛰 1984: born 1984-02-07 22:38, hand-over 1993-01-07 22:38,
    // before 立春 1993, so the yearly pillars start with 1992's 壬申.
    sTime = engine::writeTime(engine::termInstant(1984, 4) - minutes{38520});
    EXPECT_EQ(lp.JiaoYun(sTime, 1), "1993-01-07 22:38:00");
    EXPECT_EQ(lp.LiuNian(sTime, 1)[0], "壬申");
}

TEST(XiaoYun, StepsFromTheHourPillar)
{
    const LandPP lp{kFixedNow};
    std::string sTime = kBirth; // hour 戊辰
    const auto male = lp.XiaoYun(sTime, 1);
    EXPECT_EQ(male[0], "己巳");
    EXPECT_EQ(male[99], "戊申"); // 100 steps: stem back to 戊, branch 4 on
    const auto female = lp.XiaoYun(sTime, 0);
    EXPECT_EQ(female[0], "丁卯");
    EXPECT_EQ(female[99], "戊子");
}

TEST(Luck, ArraySizes)
{
    const LandPP lp{kFixedNow};
    std::string s;
    static_assert(std::tuple_size_v<decltype(lp.DaYun(s, 1))> == 8);
    static_assert(std::tuple_size_v<decltype(lp.LiuNian(s, 1))> == 80);
    static_assert(std::tuple_size_v<decltype(lp.XiaoYun(s, 1))> == 100);
    static_assert(std::tuple_size_v<decltype(lp.ShiShenYun(s, 1))> == 8);
    static_assert(std::tuple_size_v<decltype(lp.ShiShenZhu2(s))> == 8);
    static_assert(std::tuple_size_v<decltype(lp.NaYinZhu(s))> == 4);
}

TEST(Luck, BirthPastThePillarRangeThrows)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "2201-06-01 00:00:00";
    EXPECT_THROW(lp.JiaoYun(sTime, 1), engine::RangeError);
    std::string sTime2 = "2201-06-01";
    EXPECT_THROW(lp.DaYunGZ(sTime, sTime2, 1), engine::RangeError);
}

} // namespace
