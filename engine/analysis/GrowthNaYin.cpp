#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"
#include "engine/analysis/SymbolMemo.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: two-character stage name (a one-character name padded with a space), '*', then eight entries
// "<stems>:<branch>"; 丙 shares its entries with 戊, 丁 with 己. Stages in order from 长生.
// clang-format off
constexpr std::array<std::string_view, 12> kWangShuaiRows = {
    "长生*甲:亥,乙:午,丙戊:寅,丁己:酉,庚:巳,辛:子,壬:申,癸:卯",
    "沐浴*甲:子,乙:巳,丙戊:卯,丁己:申,庚:午,辛:亥,壬:酉,癸:寅",
    "冠带*甲:丑,乙:辰,丙戊:辰,丁己:未,庚:未,辛:戌,壬:戌,癸:丑",
    "临官*甲:寅,乙:卯,丙戊:巳,丁己:午,庚:申,辛:酉,壬:亥,癸:子",
    "帝旺*甲:卯,乙:寅,丙戊:午,丁己:巳,庚:酉,辛:申,壬:子,癸:亥",
    "衰 *甲:辰,乙:丑,丙戊:未,丁己:辰,庚:戌,辛:未,壬:丑,癸:戌",
    "病 *甲:巳,乙:子,丙戊:申,丁己:卯,庚:亥,辛:午,壬:寅,癸:酉",
    "死 *甲:午,乙:亥,丙戊:酉,丁己:寅,庚:子,辛:巳,壬:卯,癸:申",
    "墓 *甲:未,乙:戌,丙戊:戌,丁己:丑,庚:丑,辛:辰,壬:辰,癸:未",
    "绝 *甲:申,乙:酉,丙戊:亥,丁己:子,庚:寅,辛:卯,壬:巳,癸:午",
    "胎 *甲:酉,乙:申,丙戊:子,丁己:亥,庚:卯,辛:寅,壬:午,癸:巳",
    "养 *甲:戌,乙:未,丙戊:丑,丁己:戌,庚:辰,辛:丑,壬:未,癸:辰",
};
// clang-format on
static_assert(kWangShuaiRows.size() == 12);
static_assert(std::ranges::all_of(kWangShuaiRows, [](std::string_view row) {
    return utf8::at(row, 2) == "*" && std::ranges::count(row, ',') == 7 && std::ranges::count(row, ':') == 8;
}));

// Row: the two GanZhi of a pair, a space, the three-character NaYin name; pairs in cycle order from 甲子. The names
// are kept as stored (金薄金, 白腊金, 漳下水, 砂石金, 钗环金).
// clang-format off
constexpr std::array<std::string_view, 30> kNaYinRows = {
    "甲子 乙丑 海中金", "丙寅 丁卯 炉中火", "戊辰 己巳 大林木", "庚午 辛未 路旁土", "壬申 癸酉 剑锋金",
    "甲戌 乙亥 山头火", "丙子 丁丑 漳下水", "戊寅 己卯 城头土", "庚辰 辛巳 白腊金", "壬午 癸未 杨柳木",
    "甲申 乙酉 泉中水", "丙戌 丁亥 屋上土", "戊子 己丑 霹雳火", "庚寅 辛卯 松柏木", "壬辰 癸巳 长流水",
    "甲午 乙未 砂石金", "丙申 丁酉 山下火", "戊戌 己亥 平地木", "庚子 辛丑 壁上土", "壬寅 癸卯 金薄金",
    "甲辰 乙巳 覆灯火", "丙午 丁未 天河水", "戊申 己酉 大驿土", "庚戌 辛亥 钗环金", "壬子 癸丑 桑柘木",
    "甲寅 乙卯 大溪水", "丙辰 丁巳 沙中土", "戊午 己未 天上火", "庚申 辛酉 石榴木", "壬戌 癸亥 大海水",
};
// clang-format on
static_assert(kNaYinRows.size() == 30);
static_assert(std::ranges::all_of(kNaYinRows, [](std::string_view row) { return utf8::length(row) == 9; }));

} // namespace

namespace engine {
namespace {

std::string_view searchGrowthStage(std::string_view dayStem, std::string_view branch)
{
    for (const std::string_view row : kWangShuaiRows) {
        const auto holds = [&](std::string_view, std::string_view branches) {
            return tables::contains(branches, branch);
        };
        if (tables::findKeyedEntry(utf8::mid(row, 3), dayStem, holds)) // skip "<name>*"
            return tables::trimSpaces(utf8::left(row, 2));
    }
    return {};
}

std::string_view searchNaYin(std::string_view ganZhi)
{
    const std::string_view row = tables::findRowContaining(kNaYinRows, ganZhi);
    return utf8::right(row, 3);
}

} // namespace

std::string_view growthStage(std::string_view dayStem, std::string_view branch)
{
    return memo::memoized<std::string_view, searchGrowthStage>(dayStem, branch);
}

std::string_view naYin(std::string_view ganZhi)
{
    return memo::memoizedGanZhi<std::string_view, searchNaYin>(ganZhi);
}

} // namespace engine

std::string LandPP::WangShuai(const std::string& dTG, const std::string& odz) const
{
    return std::string(growthStage(dTG, odz));
}

std::string LandPP::NaYin(const std::string& sGZ) const
{
    return std::string(naYin(sGZ));
}
