#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using Pillars = std::array<std::string, 4>;
using Luck = std::array<std::string, 8>;

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

// Pillars 甲子 丙寅 己巳 戊辰: the day master is yin earth.
constexpr const char* kBirth = "1984-02-05 08:00:00";

struct TenGodCase
{
    const char* dayStem;
    const char* other;
    const char* god;
};

// Same element: 比肩/劫财; produced by me: 食神/伤官; controlled by me: 偏财/正财; controlling me: 七杀/正官;
// producing me: 偏印/正印 (the first of each pair for equal polarity).
// clang-format off
const TenGodCase kTenGods[] = {
    {"甲", "辰", "偏财"}, // 辰 counts as yang earth 戊
    {"甲", "戌", "偏财"}, // 戌 shares that entry
    {"甲", "未", "正财"}, // 未 counts as yin earth 己
    {"己", "甲", "正官"}, // yang wood controls yin earth
    {"己", "巳", "偏印"}, // 巳 counts as yin fire 丁
    {"癸", "亥", "比肩"}, // last row, last entry
    {"甲", "", "比肩"},   // an empty text is in every entry: the first entry's name
    {"乙", "", "劫财"},   // ... which is 劫财 for a yin day stem
    {"", "甲", ""},       // an empty day stem heads no row
    {"甲子", "甲", ""},   // neither does a whole GanZhi
    {"甲", "X", ""},      // no entry covers an unknown character
};
// clang-format on

TEST(ShiShen, NamesTheRelationToTheDayStem)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kTenGods) {
        SCOPED_TRACE(std::string(c.dayStem) + "/" + c.other);
        EXPECT_EQ(lp.ShiShen(c.dayStem, c.other), c.god);
    }
}

struct DunCangCase
{
    const char* dayStem;
    const char* branch;
    const char* hidden;
};

// clang-format off
const DunCangCase kDunCang[] = {
    {"甲", "子", "癸正印, , "},           // two filler spaces stay entries of their own
    {"甲", "午", "己正财,丁伤官, "},      // one filler
    {"甲", "寅", "甲比肩,丙食神,戊偏财"}, // three stems
    {"甲", "丑", "癸正印,辛正官,己正财"}, // stored order, not main qi first
    {"", "子", "癸, , "},                 // unknown day stem: stems without ten gods
    {"甲", "", ""},                       // no row for an empty branch
    {"甲", "甲", ""},                     // nor for a stem
};
// clang-format on

TEST(DunCang, GivesThreeEntriesForEveryBranch)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kDunCang) {
        SCOPED_TRACE(std::string(c.dayStem) + "/" + c.branch);
        EXPECT_EQ(lp.DunCang(c.dayStem, c.branch), c.hidden);
    }
}

TEST(ShiShenZhu, WholeBirthByHand)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "1984-2-5 8:00";
    EXPECT_EQ(lp.ShiShenZhu(sTime), (Pillars{"正官", "正印", "日主", "劫财"}));
    EXPECT_EQ(sTime, kBirth); // the pillar methods normalise the text
    EXPECT_EQ(lp.ShiShenZhu2(sTime), (Luck{"正官", "正印", "日主", "劫财", "正财", "正官", "偏印", "劫财"}));
    EXPECT_EQ(lp.DunCangZhu(sTime),
              (Pillars{"癸偏财, , ", "甲正官,丙正印,戊劫财", "庚伤官,丙正印,戊劫财", "乙七杀,戊劫财,癸偏财"}));
    // Male forward from 丙寅: stems 丁 戊 己 庚 辛 壬 癸 甲; female backward: 乙 甲 癸 壬 辛 庚 己 戊.
    EXPECT_EQ(lp.ShiShenYun(sTime, 1), (Luck{"偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官"}));
    EXPECT_EQ(lp.ShiShenYun(sTime, 0), (Luck{"七杀", "正官", "偏财", "正财", "食神", "伤官", "比肩", "劫财"}));
}

TEST(ShiShenZhu, DayPositionIsAlwaysTheDayMaster)
{
    const LandPP lp{kFixedNow};
    for (const char* t : {"1900-01-01 00:00:00", "2000-01-01 12:00:00", "2100-12-31 23:59:59"}) {
        SCOPED_TRACE(t);
        std::string sTime = t;
        EXPECT_EQ(lp.ShiShenZhu(sTime)[2], "日主");
        EXPECT_EQ(lp.ShiShenZhu2(sTime)[2], "日主");
    }
}

TEST(ShiShenZhu, UnreadableTextBecomesTheClocksNow)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "not a date";
    lp.DunCangZhu(sTime);
    EXPECT_EQ(sTime, "2024-02-10 08:00:00");
}

TEST(ShiShenZhu, MomentPastThePillarRangeThrows)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "2201-01-01 00:00:00";
    EXPECT_THROW(lp.ShiShenZhu(sTime), engine::RangeError);
}

} // namespace
