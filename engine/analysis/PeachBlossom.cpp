#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: a branch triad, ':', then the peach-blossom branch of every branch in it.
// clang-format off
constexpr std::array<std::string_view, 4> kTaoHuaRows = {
    "寅午戌:卯",
    "申子辰:酉",
    "亥卯未:子",
    "巳酉丑:午",
};
// clang-format on
static_assert(kTaoHuaRows.size() == 4);
static_assert(std::ranges::all_of(kTaoHuaRows, [](std::string_view row) { return utf8::at(row, 3) == ":"; }));

// Indexed by day stem for a male; a female's index is shifted by eight.
// clang-format off
constexpr std::array<std::string_view, 10> kPeiOuRows = {
    "配偶多属骨感瘦小型", "配偶多属饱满厚实型", "配偶多属中个圆润型", "配偶多属匀称高大型", "配偶多矮个柔弱型",
    "配偶多属中个饱满型", "配偶多属苗条柔美型", "配偶多属高大俊美型", "配偶多属身材小巧型", "配偶多属高大丰满型",
};
// clang-format on
static_assert(kPeiOuRows.size() == 10);

constexpr int kFemaleShift = 8;

bool isYangStem(std::string_view stem)
{
    return stemIndex(stem) % 2 == 0; // 甲丙戊庚壬
}

std::string flag(bool on)
{
    return on ? "1" : "0";
}

} // namespace

namespace engine {

int spouseStarCount(const PillarChars& p, int sex)
{
    // The ten gods as ShiShenZhu2 lists them: the stems ("日主" in the day's place), then the branches.
    const std::string_view dayStem = p.stems[2];
    std::array<std::string_view, 8> gods;
    for (std::size_t i = 0; i < 4; ++i) {
        gods[i] = i == 2 ? "日主" : tenGod(dayStem, p.stems[i]);
        gods[4 + i] = tenGod(dayStem, p.branches[i]);
    }
    // 财 is a man's spouse star, 官杀 a woman's.
    const bool male = sex == 1;
    const bool female = sex == 0;
    int count = 0;
    for (const std::string_view god : gods) {
        if ((male && (god == "偏财" || god == "正财")) || (female && (god == "七杀" || god == "正官")))
            ++count;
    }
    // A yang-day man's 正财 and a yin-day woman's 七杀 weigh double on a stem.
    const bool yangDay = isYangStem(dayStem);
    for (std::size_t i = 0; i < 4; ++i) {
        if ((male && yangDay && gods[i] == "正财") || (female && !yangDay && gods[i] == "七杀"))
            ++count;
    }
    return count;
}

bool peachBlossomBranch(std::string_view branch, std::string_view a, std::string_view b, std::string_view c)
{
    for (const std::string_view row : kTaoHuaRows) {
        const auto [triad, peach] = tables::splitEntry(row);
        if (tables::contains(triad, branch) &&
            (tables::contains(peach, a) || tables::contains(peach, b) || tables::contains(peach, c)))
            return true;
    }
    return false;
}

PeachBlossomFlags peachBlossomFlags(const PillarChars& p)
{
    const auto& [y, m, d, h] = p.branches;
    return {peachBlossomBranch(y, m, d, h) || peachBlossomBranch(m, y, d, h),
            peachBlossomBranch(d, y, m, h) || peachBlossomBranch(h, y, m, d)};
}

bool bathPeachBlossom(const PillarChars& p)
{
    return growthStage(p.stems[2], p.branches[2]) == "沐浴" || growthStage(p.stems[2], p.branches[1]) == "沐浴";
}

std::string_view spouseLooks(long long dayCount, int sex)
{
    return kPeiOuRows[floorMod(sex == 0 ? dayCount + kFemaleShift : dayCount, 10)]; // [0, 9]
}

} // namespace engine

std::int16_t LandPP::TaoHuaZS(std::string& sTime, std::int16_t iSex) const
{
    return static_cast<std::int16_t>(spouseStarCount(pillarChars(acceptFullTime(sTime, m_now)), iSex));
}

std::string LandPP::TaoHuaXing(const std::string& ydz, const std::string& dz1, const std::string& dz2,
                               const std::string& dz3) const
{
    return flag(peachBlossomBranch(ydz, dz1, dz2, dz3));
}

std::string LandPP::TaoHuaX(std::string& sTime) const
{
    const PeachBlossomFlags flags = peachBlossomFlags(pillarChars(acceptFullTime(sTime, m_now)));
    return flag(flags.yearOrMonth) + flag(flags.dayOrHour);
}

std::string LandPP::TaoHuaW(std::string& sTime) const
{
    return flag(bathPeachBlossom(pillarChars(acceptFullTime(sTime, m_now))));
}

std::string LandPP::PeiOuXiangMao(std::string& sTime, std::int16_t iSex) const
{
    return std::string(spouseLooks(GZDay(sTime), iSex));
}
