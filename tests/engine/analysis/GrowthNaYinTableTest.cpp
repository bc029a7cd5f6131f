#include "engine/LandPP.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// Every stem in every branch, and every pillar of the sixty-cycle: one case per entry of the stage and NaYin tables.
namespace {

using engine::utf8::at;

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

// clang-format off
constexpr const char* kStageNames[] = {"长生", "沐浴", "冠带", "临官", "帝旺", "衰",
                                       "病",   "死",   "墓",   "绝",   "胎",   "养"};
// clang-format on

struct StageRow
{
    const char* dayStem;
    const char* branches; // the branch of 长生, 沐浴, ... 养, in stage order
};

// Yang stems go forward through the branches from their 长生, yin stems backward; earth follows fire.
// clang-format off
const StageRow kStageRows[] = {
    {"甲", "亥子丑寅卯辰巳午未申酉戌"},
    {"乙", "午巳辰卯寅丑子亥戌酉申未"},
    {"丙", "寅卯辰巳午未申酉戌亥子丑"},
    {"丁", "酉申未午巳辰卯寅丑子亥戌"},
    {"戊", "寅卯辰巳午未申酉戌亥子丑"},
    {"己", "酉申未午巳辰卯寅丑子亥戌"},
    {"庚", "巳午未申酉戌亥子丑寅卯辰"},
    {"辛", "子亥戌酉申未午巳辰卯寅丑"},
    {"壬", "申酉戌亥子丑寅卯辰巳午未"},
    {"癸", "卯寅丑子亥戌酉申未午巳辰"},
};
// clang-format on

TEST(WangShuai, EveryStemInEveryBranch)
{
    const LandPP lp{kFixedNow};
    for (const auto& row : kStageRows) {
        SCOPED_TRACE(row.dayStem);
        for (std::size_t i = 0; i < std::size(kStageNames); ++i) {
            const std::string branch(at(row.branches, i));
            EXPECT_EQ(lp.WangShuai(row.dayStem, branch), kStageNames[i]) << branch;
        }
    }
}

// One name per pair of the cycle, 甲子乙丑 first.
// clang-format off
constexpr const char* kNaYinNames[] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "漳下水", "城头土", "白腊金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "砂石金", "山下火", "平地木", "壁上土", "金薄金",
    "覆灯火", "天河水", "大驿土", "钗环金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};
// clang-format on
static_assert(std::size(kNaYinNames) == 30);

TEST(NaYin, EveryPillarOfTheCycle)
{
    constexpr std::string_view kStemChars = "甲乙丙丁戊己庚辛壬癸";
    constexpr std::string_view kBranchChars = "子丑寅卯辰巳午未申酉戌亥";
    const LandPP lp{kFixedNow};
    for (std::size_t i = 0; i < 60; ++i) {
        const std::string ganZhi = std::string(at(kStemChars, i % 10)) + std::string(at(kBranchChars, i % 12));
        SCOPED_TRACE(ganZhi);
        EXPECT_EQ(lp.NaYin(ganZhi), kNaYinNames[i / 2]);
    }
}

} // namespace
