#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// Every day stem against every stem and branch, and every branch's hidden stems: one case per entry of the tables,
// written out by hand in the order of the other stem rather than as the stored rows.
namespace {

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

constexpr const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

struct BranchAsStem
{
    const char* branch;
    int stem; // index into kStems: the stem whose element and polarity the branch's main qi has
};

// clang-format off
const BranchAsStem kBranches[] = {
    {"子", 8}, {"丑", 5}, {"寅", 0}, {"卯", 1}, {"辰", 4}, {"巳", 3},
    {"午", 2}, {"未", 5}, {"申", 6}, {"酉", 7}, {"戌", 4}, {"亥", 9},
};
// clang-format on

struct TenGodRow
{
    const char* dayStem;
    std::array<const char*, 10> gods; // the ten god of 甲, 乙, ... 癸 to this day stem
};

// clang-format off
const TenGodRow kTenGodRows[] = {
    {"甲", {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"}},
    {"乙", {"劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印"}},
    {"丙", {"偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官"}},
    {"丁", {"正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀"}},
    {"戊", {"七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财"}},
    {"己", {"正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财"}},
    {"庚", {"偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官"}},
    {"辛", {"正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神"}},
    {"壬", {"食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财"}},
    {"癸", {"伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩"}},
};
// clang-format on

TEST(ShiShen, EveryDayStemAgainstEveryStemAndBranch)
{
    const LandPP lp{kFixedNow};
    for (const auto& row : kTenGodRows) {
        SCOPED_TRACE(row.dayStem);
        for (std::size_t i = 0; i < std::size(kStems); ++i)
            EXPECT_EQ(lp.ShiShen(row.dayStem, kStems[i]), row.gods[i]) << kStems[i];
        for (const auto& b : kBranches)
            EXPECT_EQ(lp.ShiShen(row.dayStem, b.branch), row.gods[static_cast<std::size_t>(b.stem)]) << b.branch;
    }
}

struct HiddenStemsCase
{
    const char* branch;
    const char* hidden; // with day stem 甲
};

// clang-format off
const HiddenStemsCase kHiddenStems[] = {
    {"子", "癸正印, , "},
    {"丑", "癸正印,辛正官,己正财"}, // 癸 first, not the main qi 己
    {"寅", "甲比肩,丙食神,戊偏财"},
    {"卯", "乙劫财, , "},
    {"辰", "乙劫财,戊偏财,癸正印"},
    {"巳", "庚七杀,丙食神,戊偏财"}, // 庚 first
    {"午", "己正财,丁伤官, "},      // 己 first
    {"未", "乙劫财,己正财,丁伤官"},
    {"申", "戊偏财,庚七杀,壬偏印"},
    {"酉", "辛正官, , "},
    {"戌", "辛正官,丁伤官,戊偏财"},
    {"亥", "壬偏印,甲比肩, "},
};
// clang-format on

TEST(DunCang, EveryBranchHidesItsStemsInStoredOrder)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kHiddenStems) {
        SCOPED_TRACE(c.branch);
        EXPECT_EQ(lp.DunCang("甲", c.branch), c.hidden);
    }
}

} // namespace
