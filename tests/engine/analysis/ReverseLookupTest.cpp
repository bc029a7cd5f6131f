#include "engine/analysis/ReverseLookup.h"
#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

struct PositionCase
{
    const char* key; // the year or day pillar; unused for the sixty-cycle
    const char* pillar;
    std::int16_t position;
};

// clang-format off
const PositionCase kGanZhiPositions[] = {
    {"", "甲子", 0},    // first of the cycle
    {"", "甲戌", 10},   // stem and branch cycles out of step
    {"", "癸亥", 59},   // last of the cycle
    {"", "", 99},       // empty
    {"", "甲丑", 99},   // a yang stem never meets a yin branch
    {"", "子甲", 99},   // branch first
    {"", "甲子 ", 99},  // exact comparison: no trimming
    {"", "甲子甲", 99}, // nor prefix matching
};
// clang-format on

TEST(GetGanZhiPaiXu, GivesThePlaceInTheSixtyCycle)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kGanZhiPositions) {
        SCOPED_TRACE(c.pillar);
        EXPECT_EQ(lp.GetGanZhiPaiXu(c.pillar), c.position);
    }
}

// 五虎遁: 甲己之年丙作首, 乙庚之岁戊为头, 丙辛必定寻庚起, 丁壬壬位顺行流, 戊癸何方发, 甲寅之上好追求.
// clang-format off
const PositionCase kMonthPositions[] = {
    {"甲子", "丙寅", 0},  // a 甲 year's 寅 month
    {"甲子", "丁丑", 11}, // and its 丑 month
    {"甲子", "戊寅", 99}, // 戊寅 is an 乙 or 庚 year's
    {"己卯", "丙寅", 0},  // the row's second key
    {"癸亥", "乙丑", 11}, // last row, last month
    {"丙辰", "庚寅", 0},  // middle row
    {"子丑", "丙寅", 99}, // a key that is no stem
    {"甲子", "", 99},     // no month pillar
    {"", "戊寅", 0},      // an empty key is in every row: the first row holding the pillar answers
};
// clang-format on

TEST(GetMonthPaiXu, CountsFromTheTigerMonthOfTheYearStem)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kMonthPositions) {
        SCOPED_TRACE(std::string(c.key) + " " + c.pillar);
        EXPECT_EQ(lp.GetMonthPaiXu(c.key, c.pillar), c.position);
    }
}

// 五鼠遁: 甲己还加甲, 乙庚丙作初, 丙辛从戊起, 丁壬庚子居, 戊癸何方发, 壬子是真途.
// clang-format off
const PositionCase kHourPositions[] = {
    {"乙丑", "丙子", 0},  // an 乙 day's 子 hour
    {"乙丑", "甲子", 99}, // 甲子 is a 甲 or 己 day's
    {"庚午", "丁亥", 11}, // the row's second key, last hour
    {"戊戌", "壬子", 0},  // last row
    {"癸亥", "癸亥", 11}, // last row, last hour
};
// clang-format on

TEST(GetHourPaiXu, CountsFromTheRatHourOfTheDayStem)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kHourPositions) {
        SCOPED_TRACE(std::string(c.key) + " " + c.pillar);
        EXPECT_EQ(lp.GetHourPaiXu(c.key, c.pillar), c.position);
    }
}

struct LookupCase
{
    std::array<const char*, 4> pillars;
    std::int16_t startYear;
    const char* answer;
};

constexpr const char* kWrong = "八字写错了啦，请检查一下";
constexpr const char* kUnmatched = "八字匹配不了，请检查一下";

// Term instants worked by hand from the mean formula (1900-01-06 02:05 plus whole minutes): 立春 1924-02-05 09:22,
// 1926-02-04 21:00, 2024-02-04 14:39, 2084-02-04 03:25; 惊蛰 2024-03-05 09:09. Day pillars counted from 2000-01-01
// (戊午): 1924-02-05 甲寅, 1926-02-04 甲子, 2024-02-04 戊戌, 2024-03-05 戊辰, 2084-02-04 癸丑.
// clang-format off
const LookupCase kLookups[] = {
    {{"甲丑", "丙寅", "己巳", "戊辰"}, 1900, kWrong},     // a year pillar that is none of the sixty
    {{"甲子", "丙寅", "己巳", ""}, 1900, kWrong},         // an empty hour pillar
    {{"甲丑", "戊寅", "己巳", "戊辰"}, 1900, kWrong},     // a wrong pillar is told before a foreign month
    {{"甲子", "戊寅", "己巳", "戊辰"}, 1900, kUnmatched}, // 戊寅 is no month of a 甲 year
    {{"甲子", "丙寅", "己巳", "甲辰"}, 1900, kUnmatched}, // 甲辰 is no hour of a 己 day
    // A day inside the month: the nominal hour, written without a leading zero.
    {{"甲子", "丙寅", "己巳", "戊辰"}, 1984, "1984-02-05 8:00:00"},
    {{"甲子", "丙寅", "己巳", "戊辰"}, 1900, "1924-02-20 8:00:00"}, // the earlier 甲子 year wins
    {{"甲子", "丙寅", "己巳", "戊辰"}, 1850, "1924-02-20 8:00:00"}, // nothing before 1900 is searched
    {{"甲子", "丙寅", "己巳", "戊辰"}, -1, "1924-02-20 8:00:00"},   // nor is a negative year a problem
    {{"甲辰", "丁丑", "己丑", "戊辰"}, 2024, "2025-01-20 8:00:00"}, // a 丑 month lies in the next calendar year
    // The day a 节 opens the month (立春 2024-02-04 14:39 on a 戊戌 day).
    {{"甲辰", "丙寅", "戊戌", "己未"}, 2024, "2024-02-04 14:39:00"}, // the term cuts the hour after 14:00
    {{"甲辰", "丙寅", "戊戌", "庚申"}, 2024, "2024-02-04 16:00:00"}, // the hour after the term
    {{"甲辰", "丙寅", "戊戌", "戊午"}, 2024, ""},                    // wholly before; 2084 has no 戊戌 that month
    {{"甲辰", "丙寅", "戊戌", "壬子"}, 2024, "2024-02-04 23:00:00"}, // the late 子 hour follows the term
    {{"甲子", "丙寅", "甲寅", "甲子"}, 1900, "1924-02-05 23:00:00"}, // likewise after 立春 at 09:22
    {{"丙寅", "庚寅", "甲子", "乙亥"}, 1926, "1926-02-04 22:00:00"}, // 立春 exactly at 21:00 opens the 亥 hour
    // The day a 节 closes the month (惊蛰 2024-03-05 09:09 on a 戊辰 day).
    {{"甲辰", "丙寅", "戊辰", "丙辰"}, 2024, "2024-03-05 8:00:00"},  // the 辰 hour ends before the term
    {{"甲辰", "丙寅", "戊辰", "丁巳"}, 2024, "2024-03-05 09:00:00"}, // the term cuts the 巳 hour before 10:00
    {{"甲辰", "丙寅", "戊辰", "戊午"}, 2024, "2084-02-19 12:00:00"}, // after the term: the next 甲辰 year
    {{"乙丑", "己丑", "甲子", "甲戌"}, 1925, "1926-02-04 20:00:00"}, // the 戌 hour ends exactly at 立春 21:00
    // The first year.
    {{"甲子", "丙寅", "己巳", "戊辰"}, 2045, ""}, // after every 甲子 year up to 2099
    {{"甲子", "丙寅", "己巳", "戊辰"}, 2100, ""}, // past the years searched
    {{"甲子", "丙寅", "己巳", "戊辰"}, 1985, ""}, // 2044's 寅 month (立春 02-04 10:54, a 癸未 day) has no 己巳
};
// clang-format on

TEST(BaZi2Date, FindsTheEarliestMomentOfThePillars)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kLookups) {
        const auto& p = c.pillars;
        SCOPED_TRACE(std::string(p[0]) + p[1] + p[2] + p[3] + " from " + std::to_string(c.startYear));
        EXPECT_EQ(lp.BaZi2Date(p[0], p[1], p[2], p[3], c.startYear), c.answer);
    }
}

TEST(LookupBaZi, TellsTheKindOfAnswer)
{
    using namespace engine;
    EXPECT_EQ(std::get<BaZiMessage>(lookupBaZi("甲丑", "丙寅", "己巳", "戊辰", 1900)), BaZiMessage::WrongPillars);
    EXPECT_EQ(std::get<BaZiMessage>(lookupBaZi("甲子", "戊寅", "己巳", "戊辰", 1900)), BaZiMessage::UnmatchedPillars);
    EXPECT_TRUE(std::holds_alternative<BaZiNotFound>(lookupBaZi("甲子", "丙寅", "己巳", "戊辰", 2100)));

    const auto nominal = std::get<BaZiFound>(lookupBaZi("甲子", "丙寅", "己巳", "戊辰", 1984));
    EXPECT_EQ(writeTime(nominal.at), "1984-02-05 08:00:00");
    EXPECT_TRUE(nominal.atNominalHour);
    const auto cut = std::get<BaZiFound>(lookupBaZi("甲辰", "丙寅", "戊戌", "己未", 2024));
    EXPECT_EQ(writeTime(cut.at), "2024-02-04 14:39:00");
    EXPECT_FALSE(cut.atNominalHour);
}

} // namespace
