#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <span>

namespace {

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

struct ChartCase
{
    const char* sTime;
    const char* pillar;
};

// Stem one after the month stem, branch three after the month branch.
// clang-format off
const ChartCase kTaiYuan[] = {
    {"1984-02-05 08:00:00", "丁巳"}, // month 丙寅
    {"1984-12-20 12:00:00", "丁卯"}, // month 丙子
};
// clang-format on

TEST(TaiYuan, StepsFromTheMonthPillar)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kTaiYuan) {
        SCOPED_TRACE(c.sTime);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.TaiYuan(sTime), c.pillar);
    }
}

// Worked with m = (month + 11) mod 12, t = (hour branch + 11) mod 12, p = ((26 - m - t) mod 12 + 1) mod 12 and
// the stem (p + g + 7) mod 10, g = 3 for the calendar year 1984.
// clang-format off
const ChartCase kMingGong[] = {
    {"1984-02-05 08:00:00", "乙亥"}, // 寅 month, 辰 hour
    {"1984-02-20 23:30:00", "丁卯"}, // 23:30 is already the 子 hour: 寅 month with 子 hour gives 卯
    {"1984-02-20 00:59:00", "丁卯"}, // still 子
    {"1984-02-20 01:00:00", "丙寅"}, // 丑 begins
    {"1984-01-20 08:00:00", "丙子"}, // before 立春: the calendar year 1984 (甲), not 癸亥's 1983 (which gives 甲子)
};
// clang-format on

// 五虎遁 counted from 寅 on through 子 and 丑, the year's 11th and 12th months: 甲己之年丙作首, so a 甲 year's 子 and
// 丑 are 丙子 and 丁丑, and each stem pair shifts two stems on. Palace branches worked with p above.
// clang-format off
const ChartCase kMingGongTigers[] = {
    {"1984-01-20 08:00:00", "丙子"}, // 甲 calendar year, 丑 month (m = 0), 辰 hour (t = 3): p = 子
    {"1984-01-20 06:30:00", "丁丑"}, // 甲 year, 丑 month, 卯 hour (t = 2): p = 丑
    {"1984-02-20 01:00:00", "丙寅"}, // 甲 year, 寅 is the tigers' first month and stays 丙寅
    {"1985-01-20 08:00:00", "戊子"}, // 乙庚之岁戊为头: 乙 calendar year 1985 gives 戊寅 ... 戊子
    {"1986-01-20 06:30:00", "辛丑"}, // 丙辛必定寻庚起: 庚寅 ... 庚子, 辛丑
    {"1987-01-20 08:00:00", "壬子"}, // 丁壬壬位顺行流: 壬寅 ... 壬子
    {"1988-01-20 06:30:00", "乙丑"}, // 戊癸何方发，甲寅之上好追求: 甲寅 ... 甲子, 乙丑
    {"2023-04-05 23:40:00", "乙丑"}, // 癸 year, 辰 month, 子 hour: p = 丑 (the old formula gave 癸丑)
};
// clang-format on

TEST(MingGong, FollowsMonthHourAndCalendarYearWithTheFiveTigersStems)
{
    const LandPP lp{kFixedNow};
    for (const auto& table : {std::span<const ChartCase>(kMingGong), std::span<const ChartCase>(kMingGongTigers)}) {
        for (const auto& c : table) {
            SCOPED_TRACE(c.sTime);
            std::string sTime = c.sTime;
            EXPECT_EQ(lp.MingGong(sTime), c.pillar);
        }
    }
}

struct VoidCase
{
    const char* ganZhi;
    const char* voids;
};

// clang-format off
const VoidCase kVoids[] = {
    {"癸酉", "戌亥"}, // last of the first decade
    {"甲戌", "申酉"}, // first of the second
    {"甲寅", "子丑"}, // first of the last
    {"癸亥", "子丑"}, // end of the cycle
    {"", "戌亥"},     // an empty text is in the first row
    {"子甲", ""},     // branch first is no GanZhi
};
// clang-format on

TEST(XunKong, GivesTheDecadesVoidPair)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kVoids) {
        SCOPED_TRACE(c.ganZhi);
        EXPECT_EQ(lp.XunKong(c.ganZhi), c.voids);
    }
}

TEST(XunKongZhu, UsesEachPillarStemFirst)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "2024-02-10 12:00:00"; // 甲辰 丙寅 甲辰 庚午
    EXPECT_EQ(lp.XunKongZhu(sTime), (std::array<std::string, 4>{"寅卯", "戌亥", "寅卯", "戌亥"}));
    sTime = "1984-02-05 08:00:00"; // 甲子 丙寅 己巳 戊辰: one decade
    EXPECT_EQ(lp.XunKongZhu(sTime), (std::array<std::string, 4>{"戌亥", "戌亥", "戌亥", "戌亥"}));
}

} // namespace
