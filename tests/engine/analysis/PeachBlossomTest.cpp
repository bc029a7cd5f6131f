#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

// Charts worked out by hand from 2000-01-01 (戊午, day count 36534) and the terms 小寒 2000-01-06, 立春 2006-02-04.
// 2000-01-07 17:30: 己卯 丁丑 甲子 癸酉. For 甲: 己 正财, 丁 伤官, 癸 正印; 卯 劫财, 丑 正财, 子 正印, 酉 正官.
constexpr const char* kJiaZiDay = "2000-01-07 17:30:00";
// 2006-02-17 06:00: 丙戌 庚寅 丁丑 癸卯. For 丁: 丙 劫财, 庚 正财, 癸 七杀; 戌 伤官, 寅 正印, 丑 食神, 卯 偏印.
constexpr const char* kDingChouDay = "2006-02-17 06:00:00";

struct XingCase
{
    const char* ydz;
    const char* dz1;
    const char* dz2;
    const char* dz3;
    const char* flag;
};

TEST(TaoHuaXing, FindsTheTriadsPeachBlossomAmongTheOtherThree)
{
    const XingCase cases[] = {
        {"寅", "卯", "子", "丑", "1"}, // 寅午戌 -> 卯, first of the three
        {"寅", "子", "丑", "辰", "0"}, // no 卯
        {"子", "丑", "酉", "午", "1"}, // 申子辰 -> 酉, second
        {"未", "辰", "巳", "子", "1"}, // 亥卯未 -> 子, third
        {"丑", "午", "午", "午", "1"}, // 巳酉丑 -> 午, repeated
        {"卯", "卯", "卯", "卯", "0"}, // a branch is not its own peach blossom
        {"甲", "卯", "酉", "子", "0"}, // a stem is in no triad
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ydz) + c.dz1 + c.dz2 + c.dz3);
        EXPECT_EQ(lp.TaoHuaXing(c.ydz, c.dz1, c.dz2, c.dz3), c.flag);
    }
}

struct ChartCase
{
    const char* sTime;
    const char* expected;
    const char* why;
};

TEST(TaoHuaX, FlagsYearOrMonthThenDayOrHour)
{
    const ChartCase cases[] = {
        // 卯 finds 子 (the day), 子 finds 酉 (the hour).
        {kJiaZiDay, "11", "己卯 丁丑 甲子 癸酉"},
        // 丙戌 庚寅 丙子 丁酉: 戌 and 寅 want 卯, 子 finds 酉: only the second flag, whatever year and month.
        {"2006-02-16 17:30:00", "01", "day 子 with hour 酉"},
        // 丙戌 庚寅 丁丑 癸卯: 戌 and 寅 find 卯 in the hour; 丑 wants 午, 卯 wants 子.
        {kDingChouDay, "10", "the hour serves the year and month"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.TaoHuaX(sTime), c.expected);
    }
}

TEST(TaoHuaW, LooksForTheBathStageOnTheDayAndMonthBranches)
{
    const ChartCase cases[] = {
        {kJiaZiDay, "1", "甲 day on 子: 沐浴 on the day branch"},
        {"2000-06-11 12:00:00", "1", "庚子 day in a 午 month: 庚's 沐浴 on the month branch"},
        {"2006-02-16 17:30:00", "0", "丙 wants 卯; day 子, month 寅"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.TaoHuaW(sTime), c.expected);
    }
}

struct CountCase
{
    const char* sTime;
    std::int16_t iSex;
    std::int16_t count;
    const char* why;
};

TEST(TaoHuaZS, CountsSpouseStarsAndDoublesTheMatchingStem)
{
    const CountCase cases[] = {
        {kJiaZiDay, 1, 3, "正财 on the year stem (twice, yang day) and on 丑"},
        {kJiaZiDay, 0, 1, "正官 on 酉; a yang day doubles nothing for a woman"},
        {kDingChouDay, 0, 2, "七杀 on the hour stem, twice on a yin day"},
        {kDingChouDay, 1, 1, "正财 on the month stem, once on a yin day"},
        {kJiaZiDay, 2, 0, "neither sex counts nothing"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.TaoHuaZS(sTime, c.iSex), c.count);
    }
}

struct LooksCase
{
    const char* sTime;
    std::int16_t iSex;
    const char* text;
    const char* why;
};

TEST(PeiOuXiangMao, FollowsTheDayStemShiftedByEightForAWoman)
{
    const LooksCase cases[] = {
        {"2006-02-16", 0, "配偶多属骨感瘦小型", "丙 day, female: (2 + 8) mod 10 = 0"},
        {"2006-02-16", 1, "配偶多属中个圆润型", "丙 day, male: 2"},
        {kJiaZiDay, 1, "配偶多属骨感瘦小型", "甲 day, male: 0"},
        {kJiaZiDay, 0, "配偶多属身材小巧型", "甲 day, female: 8"},
        {"2006-02-17", 0, "配偶多属饱满厚实型", "丁 day, female wraps: 11 mod 10 = 1"},
        {kJiaZiDay, 2, "配偶多属骨感瘦小型", "only 0 is shifted"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.PeiOuXiangMao(sTime, c.iSex), c.text);
    }
}

TEST(TaoHuaX, UnreadableTimeBecomesNow)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "not a date";
    // 2024-02-10 08:00 is 甲辰 丙寅 甲辰 戊辰: 辰 wants 酉, 寅 wants 卯; no flag.
    EXPECT_EQ(lp.TaoHuaX(sTime), "00");
    EXPECT_EQ(sTime, "2024-02-10 08:00:00");
}

} // namespace
