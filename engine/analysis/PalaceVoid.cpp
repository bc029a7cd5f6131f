#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"
#include "engine/analysis/SymbolMemo.h"

#include <algorithm>

using namespace engine;
using namespace std::chrono;

namespace {

// Row: the ten GanZhi of one decade (旬) in order, then the decade's two void branches as an eleventh item.
// clang-format off
constexpr std::array<std::string_view, 6> kXunRows = {
    "甲子,乙丑,丙寅,丁卯,戊辰,己巳,庚午,辛未,壬申,癸酉,戌亥", "甲戌,乙亥,丙子,丁丑,戊寅,己卯,庚辰,辛巳,壬午,癸未,申酉",
    "甲申,乙酉,丙戌,丁亥,戊子,己丑,庚寅,辛卯,壬辰,癸巳,午未", "甲午,乙未,丙申,丁酉,戊戌,己亥,庚子,辛丑,壬寅,癸卯,辰巳",
    "甲辰,乙巳,丙午,丁未,戊申,己酉,庚戌,辛亥,壬子,癸丑,寅卯", "甲寅,乙卯,丙辰,丁巳,戊午,己未,庚申,辛酉,壬戌,癸亥,子丑",
};
// clang-format on
static_assert(kXunRows.size() == 6);
static_assert(std::ranges::all_of(kXunRows, [](std::string_view row) { return std::ranges::count(row, ',') == 10; }));

std::string_view searchVoidBranches(std::string_view ganZhi)
{
    const std::string_view row = tables::findRowContaining(kXunRows, ganZhi);
    return row.empty() ? row : row.substr(row.rfind(',') + 1); // the eleventh item
}

} // namespace

namespace engine {

std::string conceptionPillar(int monthCount)
{
    // 胎元: the stem one step after the month stem, the branch three steps after the month branch.
    return ganZhiOf(floorMod(monthCount + 1, 10), floorMod(monthCount + 3, 12));
}

std::string lifePalace(const BirthMoment& m)
{
    // The hour of the solar time itself (the 子 convention does not move it), the stem by the five tigers from the
    // calendar year's number, not the year pillar, which turns at 立春.
    const CivilTime c = toCivil(m.solar);
    const int branch = lifePalaceBranch(floorMod(monthCount(m), 12), hourBranch(c.hour));
    return ganZhiOf(palaceStem(calendarYearStem(static_cast<int>(c.date.year())), branch), branch);
}

std::string lifePalace(LocalTime t)
{
    return lifePalace(beijingMoment(t));
}

std::string_view voidBranches(std::string_view ganZhi)
{
    return memo::memoizedGanZhi<std::string_view, searchVoidBranches>(ganZhi);
}

} // namespace engine

std::string LandPP::TaiYuan(std::string& sTime) const
{
    return conceptionPillar(monthCount(acceptFullTime(sTime, m_now)));
}

std::string LandPP::MingGong(std::string& sTime) const
{
    return lifePalace(acceptFullTime(sTime, m_now));
}

std::string LandPP::XunKong(const std::string& sGZ) const
{
    return std::string(voidBranches(sGZ));
}
