#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace std::chrono;
using engine::LocalDays;
using engine::LocalTime;

namespace {

const engine::Clock kFixedNow = [] { return LocalTime{local_days{2024y / 2 / 10}} + 8h; };

struct PillarCase
{
    const char* sTime;
    std::int16_t yearCount;
    std::int16_t monthCount;
    std::int32_t dayCount;
    const char* pillars[4]; // year, month, day, hour
};

// Counts by hand: year - 1864 (- 1 before 立春); 12 x (year - 1900) + month - 1 + 13 (12 before the 节);
// days since 1900-01-01 + 10.
// clang-format off
const PillarCase kPillars[] = {
    // before that day's 22:08 立春: still 癸亥, and the 丑 month
    {"1984-02-04 12:00:00", 119, 1021, 30724, {"癸亥", "乙丑", "戊辰", "戊午"}},
    // the next midnight: 甲子 year, 丙寅 month
    {"1984-02-05 00:00:00", 120, 1022, 30725, {"甲子", "丙寅", "己巳", "甲子"}},
    // worked example
    {"1984-02-05 08:00:00", 120, 1022, 30725, {"甲子", "丙寅", "己巳", "戊辰"}},
    // 戊午 day, before 小寒 and 立春: 己卯 year, 丙子 month
    {"2000-01-01 00:00:00", 135, 1212, 36534, {"己卯", "丙子", "戊午", "壬子"}},
    // first day of the counts
    {"1900-01-01 00:00:00", 35, 12, 10, {"己亥", "丙子", "甲戌", "甲子"}},
    // 小寒 of 1900 to the second opens count 13, 丁丑...
    {"1900-01-06 02:05:00", 35, 13, 15, {"己亥", "丁丑", "己卯", "乙丑"}},
    // ...one second earlier is still 丙子
    {"1900-01-06 02:04:59", 35, 12, 15, {"己亥", "丙子", "己卯", "乙丑"}},
    // after lunar new year and 立春
    {"2024-02-10 12:00:00", 160, 1502, 45340, {"甲辰", "丙寅", "甲辰", "庚午"}},
    // before 小寒: 甲子 month of a 癸卯 year
    {"2024-01-03 12:00:00", 159, 1500, 45302, {"癸卯", "甲子", "丙寅", "甲午"}},
    // exactly at 立春: new year and new month
    {"2024-02-04 14:39:00", 160, 1502, 45334, {"甲辰", "丙寅", "戊戌", "己未"}},
    // one second before 立春: old year and old month
    {"2024-02-04 14:38:59", 159, 1501, 45334, {"癸卯", "乙丑", "戊戌", "己未"}},
    // last second of 2100
    {"2100-12-31 23:59:59", 236, 2424, 73423, {"庚申", "戊子", "丁未", "庚子"}},
};
// clang-format on

TEST(Pillars, AgreeWithHandCountedExamples)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kPillars) {
        SCOPED_TRACE(c.sTime);
        std::string s = c.sTime;
        EXPECT_EQ(lp.GZYear(s), c.yearCount);
        EXPECT_EQ(lp.GZMonth(s), c.monthCount);
        EXPECT_EQ(lp.GZDay(s), c.dayCount);
        EXPECT_EQ(lp.YearTianGan(s) + lp.YearDiZhi(s), c.pillars[0]);
        EXPECT_EQ(lp.MonthTianGan(s) + lp.MonthDiZhi(s), c.pillars[1]);
        EXPECT_EQ(lp.DayTianGan(s) + lp.DayDiZhi(s), c.pillars[2]);
        EXPECT_EQ(lp.HourTianGan(s) + lp.HourDiZhi(s), c.pillars[3]);
        EXPECT_EQ(s, c.sTime);

        const auto t = engine::readTime(c.sTime);
        ASSERT_TRUE(t);
        const auto typed = engine::fourPillars(*t);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(typed[i], c.pillars[i]) << "pillar " << i;
    }
}

struct HourCase
{
    const char* sTime;
    const char* hour;
};

// 2000-01-01 is a 戊 day: its 子 hour starts at 壬 (戊癸何方发，壬子是真途).
// clang-format off
const HourCase kHoursOfAWuDay[] = {
    {"2000-01-01 00:30:00", "壬子"}, // early 子 hour
    {"2000-01-01 00:59:59", "壬子"}, // last second of the early 子 hour
    {"2000-01-01 01:00:00", "癸丑"}, // 丑 starts on the hour
    {"2000-01-01 12:30:00", "戊午"}, // noon
    {"2000-01-01 22:59:59", "癸亥"}, // last second of 亥
    {"2000-01-01 23:00:00", "壬子"}, // late 子 hour: same pillar as the early one of the same day
    {"2000-01-01 23:30:00", "壬子"}, //
    {"2000-01-02 00:00:00", "甲子"}, // next day (己) at midnight: 甲己还加甲
};
// clang-format on

TEST(HourTianGanDiZhi, ChangeAtOddHoursAndKeepTheCalendarDay)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kHoursOfAWuDay) {
        SCOPED_TRACE(c.sTime);
        std::string s = c.sTime;
        EXPECT_EQ(lp.HourTianGan(s) + lp.HourDiZhi(s), c.hour);
    }
}

TEST(HourTianGanDiZhi, BranchOfEveryClockHour)
{
    // 23-00 子, 01-02 丑, 03-04 寅 ... 21-22 亥.
    const int expected[24] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0};
    for (int h = 0; h < 24; ++h)
        EXPECT_EQ(engine::hourBranch(h), expected[h]) << h << ":00";
}

TEST(HourTianGanDiZhi, ZiHourStemFollowsTheDayStem)
{
    // 甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途
    const int ziStem[10] = {0, 2, 4, 6, 8, 0, 2, 4, 6, 8};
    for (long dayStem = 0; dayStem < 10; ++dayStem) {
        SCOPED_TRACE(dayStem);
        EXPECT_EQ(engine::hourStem(36530 + dayStem, 0), ziStem[dayStem]); // 36530 is a multiple of 10
        EXPECT_EQ(engine::hourStem(36530 + dayStem, 23), ziStem[dayStem]);
        EXPECT_EQ(engine::hourStem(36530 + dayStem, 22), (ziStem[dayStem] + 11) % 10); // 亥 is the 12th hour
    }
}

TEST(GZDay, ChangesAtMidnightNotAt23)
{
    const LandPP lp{kFixedNow};
    std::string lastSecond = "2000-01-01 23:59:59";
    std::string midnight = "2000-01-02 00:00:00";
    EXPECT_EQ(lp.GZDay(lastSecond), 36534);
    EXPECT_EQ(lp.GZDay(midnight), 36535);
}

TEST(GZYear, TurnsExactlyAtLiChunEveryYear)
{
    const LandPP lp{kFixedNow};
    for (int y = 1901; y <= 2100; ++y) {
        const LocalTime liChun = engine::termInstant(y, 2);
        std::string before = engine::writeTime(liChun - 1s);
        std::string at = engine::writeTime(liChun);
        ASSERT_EQ(lp.GZYear(before), y - 1865) << before;
        ASSERT_EQ(lp.GZYear(at), y - 1864) << at;
    }
}

TEST(GZMonth, TurnsExactlyAtEachJie)
{
    for (int y = 1900; y <= 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const LocalTime jie = engine::termInstant(y, 2 * m - 2);
            const int base = 12 * (y - 1900) + (m - 1);
            ASSERT_EQ(engine::monthCount(jie - 1s), base + 12) << engine::writeTime(jie);
            ASSERT_EQ(engine::monthCount(jie), base + 13) << engine::writeTime(jie);
        }
    }
}

TEST(GZDay, AdvancesByOneEveryDay)
{
    const LocalDays first{1900y / 1 / 1};
    const LocalDays last{2200y / 12 / 31};
    ASSERT_EQ(engine::dayCount(first), 10);
    long prev = engine::dayCount(first);
    for (LocalDays d = first + days{1}; d <= last; d += days{1}) {
        const long count = engine::dayCount(d);
        ASSERT_EQ(count, prev + 1) << engine::writeDate(d);
        prev = count;
    }
    EXPECT_EQ(engine::dayCount(local_days{2100y / 12 / 31}), 73423); // 73413 days after 1900-01-01
}

struct TextCase
{
    const char* method;
    std::function<std::string(const LandPP&, std::string&)> call;
    const char* atClock;     // the answer for the clock's 2024-02-10 08:00:00
    const char* atLiChun;    // the answer for "2024-2-4 14:39", the 立春 minute
    const char* rewrittenTo; // what "2024-2-4 14:39" becomes in the caller's variable
};

// clang-format off
const TextCase kTextMethods[] = {
    {"GZYear", [](const LandPP& lp, std::string& s) { return std::to_string(lp.GZYear(s)); }, "160", "160",
     "2024-02-04 14:39:00"},
    {"GZMonth", [](const LandPP& lp, std::string& s) { return std::to_string(lp.GZMonth(s)); }, "1502", "1502",
     "2024-02-04 14:39:00"},
    {"YearTianGan", [](const LandPP& lp, std::string& s) { return lp.YearTianGan(s); }, "甲", "甲",
     "2024-02-04 14:39:00"},
    {"YearDiZhi", [](const LandPP& lp, std::string& s) { return lp.YearDiZhi(s); }, "辰", "辰", "2024-02-04 14:39:00"},
    {"MonthTianGan", [](const LandPP& lp, std::string& s) { return lp.MonthTianGan(s); }, "丙", "丙",
     "2024-02-04 14:39:00"},
    {"MonthDiZhi", [](const LandPP& lp, std::string& s) { return lp.MonthDiZhi(s); }, "寅", "寅",
     "2024-02-04 14:39:00"},
    // The day and hour methods need not rewrite a readable text.
    {"GZDay", [](const LandPP& lp, std::string& s) { return std::to_string(lp.GZDay(s)); }, "45340", "45334", nullptr},
    {"DayTianGan", [](const LandPP& lp, std::string& s) { return lp.DayTianGan(s); }, "甲", "戊", nullptr},
    {"DayDiZhi", [](const LandPP& lp, std::string& s) { return lp.DayDiZhi(s); }, "辰", "戌", nullptr},
    {"HourTianGan", [](const LandPP& lp, std::string& s) { return lp.HourTianGan(s); }, "戊", "己", nullptr},
    {"HourDiZhi", [](const LandPP& lp, std::string& s) { return lp.HourDiZhi(s); }, "辰", "未", nullptr},
};
// clang-format on

TEST(PillarMethods, UnreadableTextBecomesTheClocksMoment)
{
    const char* const texts[] = {"abc", "", "2023-02-30", "2024-02-10 08:00:60"};
    const LandPP lp{kFixedNow};
    for (const auto& m : kTextMethods) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(m.method) + " of \"" + text + "\"");
            std::string sTime = text;
            EXPECT_EQ(m.call(lp, sTime), m.atClock);
            EXPECT_EQ(sTime, "2024-02-10 08:00:00");
        }
    }
}

TEST(PillarMethods, YearAndMonthRewriteReadableTextInFullForm)
{
    const LandPP lp{kFixedNow};
    for (const auto& m : kTextMethods) {
        SCOPED_TRACE(m.method);
        std::string sTime = "2024-2-4 14:39";
        EXPECT_EQ(m.call(lp, sTime), m.atLiChun);
        if (m.rewrittenTo) {
            EXPECT_EQ(sTime, m.rewrittenTo);
        }
    }
}

TEST(PillarMethods, MomentsBefore1900ThrowRangeError)
{
    // Earlier moments would give negative counts; they are refused instead.
    const LandPP lp{kFixedNow};
    for (const auto& m : kTextMethods) {
        SCOPED_TRACE(m.method);
        std::string sTime = "1899-12-31 23:30:00";
        try {
            m.call(lp, sTime);
            ADD_FAILURE() << "no RangeError";
        } catch (const engine::RangeError& e) {
            EXPECT_NE(std::string(e.what()).find("1899-12-31"), std::string::npos) << e.what();
        }
    }
}

} // namespace
