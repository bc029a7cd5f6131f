#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using Pillars = std::array<std::string, 4>;

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

enum class Table { Stem, YearBranch, MonthBranch, DayBranch };

struct StarCase
{
    Table table;
    const char* key;
    const char* searched;
    const char* stars;
    const char* why;
};

// clang-format off
const StarCase kStars[] = {
    {Table::Stem, "甲", "丑", "贵人", "甲 has 贵人 on 丑"},
    {Table::Stem, "甲", "未", "贵人", "... and on 未"},
    {Table::Stem, "甲", "寅", "干禄", "禄 of 甲"},
    {Table::Stem, "甲", "午", "红艳", "红艳 of 甲"},
    {Table::Stem, "乙", "申", "贵人,红艳", "two rows, in row order"},
    {Table::Stem, "", "丑", "贵人,羊刃,金舆", "empty key: any stem; 贵人 once though 甲戊庚 all hold 丑"},
    {Table::Stem, "X", "丑", "", "unknown stem"},
    {Table::YearBranch, "子", "酉", "桃花,天喜", "row order"},
    {Table::YearBranch, "子", "子", "将星", "a branch against itself"},
    {Table::YearBranch, "酉", "丑", "华盖", "year table: 酉 has 华盖 on 丑"},
    {Table::DayBranch, "酉", "丑", "", "day table: not on 丑"},
    {Table::DayBranch, "酉", "未", "华盖", "day table: on 未"},
    {Table::YearBranch, "酉", "未", "寡宿", "year table: 未 is 寡宿 only"},
    {Table::MonthBranch, "子", "巳", "天德", "month 子"},
    {Table::MonthBranch, "丑", "庚", "天德,月德", "both names lose their padding"},
    {Table::MonthBranch, "子", "丁巳", "天德,月德合", "the searched text holds the value"},
    {Table::MonthBranch, "寅", "寅", "", "寅 month values are stems"},
    {Table::MonthBranch, "子", "", "", "an empty text holds no value"},
};
// clang-format on

std::string search(const LandPP& lp, const StarCase& c)
{
    switch (c.table) {
    case Table::Stem:
        return lp.ShenShaTG(c.key, c.searched);
    case Table::YearBranch:
        return lp.ShenShaNZ(c.key, c.searched);
    case Table::MonthBranch:
        return lp.ShenShaYZ(c.key, c.searched);
    case Table::DayBranch:
        return lp.ShenShaRZ(c.key, c.searched);
    }
    return "?";
}

TEST(ShenSha, ListsMatchingStarsInTableOrder)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kStars) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(search(lp, c), c.stars);
    }
}

// 1984-02-05 08:00: 甲子 丙寅 己巳 戊辰; branches searched 子 寅 巳 辰.
TEST(ShenShaPerPillar, WholeBirthByHand)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "1984-02-05 08:00:00";
    EXPECT_EQ(lp.ShenShaNianZhi(sTime), (Pillars{"将星", "驿马,孤辰", "劫煞", ""})); // 子 year marks itself
    EXPECT_EQ(lp.ShenShaNianGan(sTime), (Pillars{"沐浴", "干禄", "文昌", "金舆"}));
    EXPECT_EQ(lp.ShenShaYueZhi(sTime), (Pillars{"", "", "", ""})); // 寅's values are all stems
    EXPECT_EQ(lp.ShenShaRiZhi(sTime), (Pillars{"", "劫煞", "", ""}));
    EXPECT_EQ(lp.ShenShaRiGan(sTime), (Pillars{"贵人", "", "", "红艳"}));
}

TEST(ShenShaYueZhi, MatchesBranchValues)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "1984-12-20 10:00:00"; // 甲子 丙子 戊子 丁巳: 天德 of a 子 month is 巳
    EXPECT_EQ(lp.ShenShaYueZhi(sTime), (Pillars{"", "", "", "天德"}));
}

} // namespace
