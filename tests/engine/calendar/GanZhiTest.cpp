#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

struct CountCase
{
    std::int16_t count;
    const char* stem;
    const char* branch;
};

// clang-format off
const CountCase kCounts[] = {
    {0, "甲", "子"},      // start of the cycle
    {59, "癸", "亥"},     // end of the cycle
    {60, "甲", "子"},     // wraps
    {120, "甲", "子"},    // reduced by both tables
    {9, "癸", "酉"},      // last stem
    {11, "乙", "亥"},     // last branch
    {10, "甲", "戌"},     // stem table wraps before the branch table
    {12, "丙", "子"},     // branch table wraps
    {20, "甲", "申"},     // second wrap of the stems
    {24, "戊", "子"},     // second wrap of the branches
    {32767, "辛", "未"},  // largest 16-bit count: 32767 = 3276 x 10 + 7 = 2730 x 12 + 7
    {-1, "癸", "亥"},     // negative counts reduce into the table
    {-10, "甲", "寅"},    // -10 = -1 x 10 + 0 = -1 x 12 + 2
    {-32768, "丙", "辰"}, // smallest 16-bit count: -32768 = -3277 x 10 + 2 = -2731 x 12 + 4
};
// clang-format on

TEST(TianGanDiZhi, ReduceCountsModTenAndTwelve)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kCounts) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(lp.TianGan(c.count), c.stem);
        EXPECT_EQ(lp.DiZhi(c.count), c.branch);
        EXPECT_EQ(engine::ganZhi(c.count), std::string(c.stem) + c.branch);
    }
}

TEST(TianGanDiZhi, SixtyCountsNameSixtyDistinctPairs)
{
    // Stem and branch advance together, so the pairs repeat only after lcm(10, 12) = 60.
    const LandPP lp{kFixedNow};
    std::vector<std::string> seen;
    for (std::int16_t n = 0; n < 60; ++n) {
        const std::string pair = lp.TianGan(n) + lp.DiZhi(n);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), pair), 0) << pair;
        seen.push_back(pair);
    }
}

struct NameCase
{
    const char* text;
    std::int16_t stem;
    std::int16_t branch;
};

// clang-format off
const NameCase kNames[] = {
    {"甲", 0, 0},       // first stem
    {"戊", 4, 0},       // middle stem
    {"癸", 9, 0},       // last stem
    {"子", 0, 0},       // first branch; not a stem, so the stem answer is 0 as well
    {"午", 0, 6},       // middle branch
    {"亥", 0, 11},      // last branch
    {"", 0, 0},         // empty text equals no entry
    {"甲子", 0, 0},     // a whole GanZhi equals no single entry
    {"癸亥", 0, 0},     // ...even when both characters are last in their tables
    {"癸 ", 0, 0},      // exact comparison: a trailing blank is not trimmed
    {"\xE7\x99", 0, 0}, // the first two bytes of 癸 only
    {"A", 0, 0},        // unrelated text
};
// clang-format on

TEST(TianGanToNumDiZhiToNum, FindWholeEntriesOnly)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kNames) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(lp.TianGanToNum(c.text), c.stem);
        EXPECT_EQ(lp.DiZhiToNum(c.text), c.branch);
    }
}

TEST(TianGanToNumDiZhiToNum, InvertTianGanAndDiZhi)
{
    const LandPP lp{kFixedNow};
    for (std::int16_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        if (i < 10) {
            EXPECT_EQ(lp.TianGanToNum(lp.TianGan(i)), i);
        }
        EXPECT_EQ(lp.DiZhiToNum(lp.DiZhi(i)), i);
    }
}

} // namespace
