#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

struct SupportCase
{
    const char* dTG;
    const char* ogz;
    std::int16_t score;
};

TEST(ShenDeFen, ScoresTenForTheFirstRowFiveForTheSecond)
{
    const SupportCase cases[] = {
        {"甲", "子", 10}, // 水 feeds 木
        {"甲", "辰", 5},  // second row only
        {"甲", "庚", 0},  // 金 cuts 木
        {"戊", "辰", 10}, // first row: 辰 is 戊's own earth
        {"庚", "未", 0},  // the second row has no 庚辛 entry
        {"癸", "丑", 5},  // 壬癸:辰丑
        {"丁", "戌", 5},  // 丙丁:戌未
        {"乙", "乙", 10}, // a stem supports itself
        {"子", "子", 0},  // a branch is no day stem
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dTG) + c.ogz);
        EXPECT_EQ(lp.ShenDeFen(c.dTG, c.ogz), c.score);
    }
}

struct StrengthCase
{
    engine::SupportScores scores; // year stem, year branch, month stem, month branch, day branch, hour stem, hour
    bool strong;
    const char* why;
};

TEST(ShenQiang, AppliesTheRulesInOrder)
{
    const StrengthCase cases[] = {
        {{10, 10, 10, 10, 10, 10, 10}, true, "all seven supported: 80"},
        {{0, 0, 0, 10, 0, 0, 0}, false, "only the month branch, stem sum 10"},
        {{10, 10, 0, 0, 0, 0, 10}, false, "a total of exactly 40 is not enough"},
        {{10, 10, 0, 0, 5, 0, 10}, true, "45 is"},
        {{10, 0, 10, 10, 0, 0, 0}, true, "total 40, but stems 30 with the month branch"},
        {{10, 0, 10, 5, 0, 0, 0}, false, "stems 30 with a half-supported month branch"},
        {{10, 0, 0, 10, 10, 0, 0}, true, "total 40, but stems 20 with month and day branches"},
        {{10, 0, 0, 10, 5, 0, 0}, false, "stems 20 with a half-supported day branch"},
        {{5, 0, 0, 10, 10, 0, 0}, false, "stems 15 with month and day branches"},
        {{0, 0, 10, 10, 10, 0, 0}, true, "month stem, month and day branches"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(engine::strongBySupport(c.scores), c.strong);
    }
}

struct ChartCase
{
    const char* sTime;
    std::int16_t strong;
    const char* why;
};

TEST(ShenQiang, ScoresTheBirthChart)
{
    const ChartCase cases[] = {
        // 己卯 丁丑 甲子 癸酉 for 甲: 卯 10, 子 10, 癸 10, day 10: exactly 40, stems 20 without the month branch.
        {"2000-01-07 17:30:00", 0, "weak at 40"},
        // 丙戌 庚寅 丁丑 癸卯 for 丁: 丙 10, 戌 5, 寅 10, 卯 10, day 10: 45.
        {"2006-02-17 06:00:00", 1, "strong at 45"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.ShenQiang(sTime), c.strong);
    }
}

TEST(ShenQiang, UnreadableTimeBecomesTodaysDate)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "";
    // 2024-02-10 00:00 is 甲辰 丙寅 甲辰 甲子: 甲 10, 辰 5, 寅 10, 辰 5, 甲 10, 子 10, day 10: 60.
    EXPECT_EQ(lp.ShenQiang(sTime), 1);
    EXPECT_EQ(sTime, "2024-02-10 00:00:00");
}

struct FenCase
{
    const char* sRiZhu;
    const char* sGZ;
    std::int16_t sSQ;
    std::int16_t iSex;
    std::int16_t score;
    const char* why;
};

TEST(TaoHuaFen, ReadsTheScoreOfTheKeyedRow)
{
    const FenCase cases[] = {
        {"甲", "乙", 1, 1, -10, "strong male: 甲11"},
        {"甲", "乙", 0, 1, 10, "weak male: 甲10"},
        {"甲", "庚", 0, 0, 20, "weak female: 甲00"},
        {"丁", "戊", 0, 0, 17, "丁00 holds 戊17 as stored"},
        {"丁", "戊", 1, 0, -17, "丁01 holds 戊-17"},
        {"癸", "亥", 0, 1, 4, "the last entry of the last-but-two row"},
        {"甲", "乙", 2, 1, 0, "no row 甲12"},
        {"子", "乙", 1, 1, 0, "no row for a branch"},
        {"甲", "甲子", 1, 1, 0, "no entry holds a whole pillar"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::int16_t iSex = c.iSex;
        EXPECT_EQ(lp.TaoHuaFen(c.sRiZhu, c.sGZ, c.sSQ, iSex), c.score);
        EXPECT_EQ(iSex, c.iSex);
    }
}

TEST(TaoHuaFen, TreatsAnyNonZeroSexAsMaleAndSaysSo)
{
    const LandPP lp{kFixedNow};
    for (const std::int16_t given : {std::int16_t{2}, std::int16_t{-1}}) {
        SCOPED_TRACE(given);
        std::int16_t iSex = given;
        EXPECT_EQ(lp.TaoHuaFen("甲", "乙", 1, iSex), -10);
        EXPECT_EQ(iSex, 1);
    }
}

// Birth 2000-01-07 17:30, male: 甲 day, weak, so row 甲10: 甲7 乙10 丙5 丁4 戊20 己25 庚0 辛0 壬0 癸0, 子0 丑15 寅3
// 卯4 辰10 巳2 午1 未15 申0 酉0 戌10 亥0. A yin-year male runs backward from 小寒 (01-06): about 2430 minutes, six
// months and some days, so the luck pillars count from 2000-07-01; the first is 丙子.
struct IndexCase
{
    const char* sTime2;
    std::int16_t index;
    const char* why;
};

TEST(TaoHuaZhi, SumsTheDateExaminedAndItsLuckPillar)
{
    const IndexCase cases[] = {
        {"2000-03-07 12:00:00", 46, "庚辰 己卯 甲子 before the luck starts: 0+10 + 25+4 + 7+0"},
        {"2000-09-02 12:00:00", 22, "庚辰 甲申 癸亥: 0+10 + 7+0 + 0+0, luck 丙子: 5+0"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = "2000-01-07 17:30";
        std::string sTime2 = c.sTime2;
        std::int16_t iSex = 1;
        EXPECT_EQ(lp.TaoHuaZhi(sTime, sTime2, iSex), c.index);
        EXPECT_EQ(sTime, "2000-01-07 17:30:00");
    }
}

TEST(TaoHuaZhi, ExaminesTheBirthForAnEarlierDate)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "2000-01-07 17:30:00";
    std::string sTime2 = "1999-01-01";
    std::int16_t iSex = 2; // scored as male, and left as 1
    // 己卯 丁丑 甲子: 25+4 + 4+15 + 7+0.
    EXPECT_EQ(lp.TaoHuaZhi(sTime, sTime2, iSex), 55);
    EXPECT_EQ(sTime2, "2000-01-07 17:30:00");
    EXPECT_EQ(iSex, 1);
}

} // namespace
