#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

using Pillars = std::array<std::string, 4>;
using Luck = std::array<std::string, 8>;

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

struct StageCase
{
    const char* dayStem;
    const char* branch;
    const char* stage;
};

// clang-format off
const StageCase kStages[] = {
    {"甲", "亥", "长生"}, // yang wood is born in 亥
    {"戊", "寅", "长生"}, // earth shares fire's entry
    {"甲", "辰", "衰"},   // the padded name loses its space
    {"己", "巳", "帝旺"}, // yin stems run backward: 酉 长生 ... 巳 帝旺
    {"癸", "卯", "长生"}, // last entry of the first row
    {"", "亥", "长生"},   // empty stem: the first stage holding the branch anywhere
    {"", "辰", "冠带"},   // ... 长生 and 沐浴 hold no 辰
    {"甲", "", "长生"},   // empty branch: the day stem's first entry
    {"X", "亥", ""},      // unknown stem
    {"甲", "X", ""},      // unknown branch
};
// clang-format on

TEST(WangShuai, FindsTheStageOfTheDayStem)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kStages) {
        SCOPED_TRACE(std::string(c.dayStem) + "/" + c.branch);
        EXPECT_EQ(lp.WangShuai(c.dayStem, c.branch), c.stage);
    }
}

struct NaYinCase
{
    const char* ganZhi;
    const char* naYin;
};

// 甲子乙丑海中金，丙寅丁卯炉中火 ... 壬戌癸亥大海水
// clang-format off
const NaYinCase kNaYin[] = {
    {"乙丑", "海中金"}, // second of the first pair
    {"癸亥", "大海水"}, // end of the cycle
    {"壬寅", "金薄金"}, // name kept as stored
    {"", "海中金"},     // an empty text is in the first row
    {"子甲", ""},       // branch first is no GanZhi
};
// clang-format on

TEST(NaYin, FindsTheElementOfAPair)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kNaYin) {
        SCOPED_TRACE(c.ganZhi);
        EXPECT_EQ(lp.NaYin(c.ganZhi), c.naYin);
    }
}

// 1984-02-05 08:00 has the pillars 甲子 丙寅 己巳 戊辰; yin earth 己 is 长生 in 酉 and runs backward.
TEST(WangShuaiZhu, WholeBirthByHand)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "1984-02-05 08:00:00";
    EXPECT_EQ(lp.WangShuaiZhu(sTime), (Pillars{"绝", "死", "帝旺", "衰"}));
    EXPECT_EQ(lp.NaYinZhu(sTime), (Pillars{"海中金", "炉中火", "大林木", "大林木"}));
    // Male luck pillars 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌.
    EXPECT_EQ(lp.WangShuaiYun(sTime, 1), (Luck{"病", "衰", "帝旺", "临官", "冠带", "沐浴", "长生", "养"}));
    EXPECT_EQ(lp.NaYinYun(sTime, 1),
              (Luck{"炉中火", "大林木", "大林木", "路旁土", "路旁土", "剑锋金", "剑锋金", "山头火"}));
    // Female luck pillars 乙丑 甲子 癸亥 壬戌 辛酉 庚申 己未 戊午.
    EXPECT_EQ(lp.WangShuaiYun(sTime, 0), (Luck{"墓", "绝", "胎", "养", "长生", "沐浴", "冠带", "临官"}));
    EXPECT_EQ(lp.NaYinYun(sTime, 0),
              (Luck{"海中金", "海中金", "大海水", "大海水", "石榴木", "石榴木", "天上火", "天上火"}));
}

} // namespace
