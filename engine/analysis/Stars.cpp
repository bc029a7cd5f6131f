#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"
#include "engine/analysis/SymbolMemo.h"

#include <algorithm>
#include <span>

using namespace engine;

namespace {

// Row: two-character star name, '*', then entries "<key stem>:<branches>".
// clang-format off
constexpr std::array<std::string_view, 7> kStemStarRows = {
    "贵人*甲:丑未,乙:子申,丙:亥酉,丁:亥酉,戊:丑未,己:子申,庚:丑未,辛:午寅,壬:卯巳,癸:卯巳",
    "文昌*甲:巳,乙:午,丙:申,丁:酉,戊:申,己:酉,庚:亥,辛:子,壬:寅,癸:卯",
    "沐浴*甲:子,乙:巳,丙:卯,丁:申,戊:卯,己:申,庚:午,辛:亥,壬:酉,癸:寅",
    "干禄*甲:寅,乙:卯,丙:巳,丁:午,戊:巳,己:午,庚:申,辛:酉,壬:亥,癸:子",
    "羊刃*甲:卯,乙:辰,丙:午,丁:未,戊:午,己:未,庚:酉,辛:戌,壬:子,癸:丑",
    "红艳*甲:午申,乙:午申,丙:寅,丁:未,戊:辰,己:辰,庚:戌,辛:酉,壬:子,癸:申",
    "金舆*甲:辰,乙:巳,丙:未,丁:申,戊:未,己:申,庚:戌,辛:亥,壬:丑,癸:寅",
};
// clang-format on
static_assert(kStemStarRows.size() == 7);

// Row: two-character star name, '*', then entries "<year branch>:<branch>".
// clang-format off
constexpr std::array<std::string_view, 10> kYearBranchStarRows = {
    "将星*子:子,丑:酉,寅:午,卯:卯,辰:子,巳:酉,午:午,未:卯,申:子,酉:酉,戌:午,亥:卯",
    "驿马*子:寅,丑:亥,寅:申,卯:巳,辰:寅,巳:亥,午:申,未:巳,申:寅,酉:亥,戌:申,亥:巳",
    "华盖*子:戌,丑:丑,寅:戌,卯:未,辰:戌,巳:丑,午:戌,未:未,申:戌,酉:丑,戌:戌,亥:未",
    "劫煞*子:巳,丑:寅,寅:亥,卯:申,辰:巳,巳:寅,午:亥,未:申,申:巳,酉:寅,戌:亥,亥:申",
    "灾煞*子:午,丑:卯,寅:子,卯:酉,辰:午,巳:卯,午:子,未:酉,申:午,酉:卯,戌:子,亥:酉",
    "桃花*子:酉,丑:午,寅:卯,卯:子,辰:酉,巳:午,午:卯,未:子,申:酉,酉:午,戌:卯,亥:子",
    "红鸾*子:卯,丑:寅,寅:丑,卯:子,辰:亥,巳:戌,午:酉,未:申,申:未,酉:午,戌:巳,亥:辰",
    "天喜*子:酉,丑:申,寅:未,卯:午,辰:巳,巳:辰,午:卯,未:寅,申:丑,酉:子,戌:亥,亥:戌",
    "孤辰*子:寅,丑:寅,寅:巳,卯:巳,辰:巳,巳:申,午:申,未:申,申:亥,酉:亥,戌:亥,亥:寅",
    "寡宿*子:戌,丑:戌,寅:丑,卯:丑,辰:丑,巳:辰,午:辰,未:辰,申:未,酉:未,戌:未,亥:戌",
};
// clang-format on
static_assert(kYearBranchStarRows.size() == 10);

// Row: three-character star name (a two-character name padded with a space), '*', then entries
// "<month branch>:<stem or branch>".
// clang-format off
constexpr std::array<std::string_view, 4> kMonthBranchStarRows = {
    "天德 *子:巳,丑:庚,寅:丁,卯:申,辰:壬,巳:辛,午:亥,未:甲,申:癸,酉:寅,戌:丙,亥:乙",
    "天德合*子:申,丑:乙,寅:壬,卯:巳,辰:丁,巳:丙,午:寅,未:己,申:戊,酉:亥,戌:辛,亥:庚",
    "月德 *子:壬,丑:庚,寅:丙,卯:甲,辰:壬,巳:庚,午:丙,未:甲,申:壬,酉:庚,戌:丙,亥:甲",
    "月德合*子:丁,丑:乙,寅:辛,卯:己,辰:丁,巳:乙,午:辛,未:己,申:丁,酉:乙,戌:辛,亥:己",
};
// clang-format on
static_assert(kMonthBranchStarRows.size() == 4);

// Row: two-character star name, '*', then entries "<day branch>:<branch>". Its 华盖 row has 酉:未 where the
// year-branch table has 酉:丑; each table is used as stored.
// clang-format off
constexpr std::array<std::string_view, 6> kDayBranchStarRows = {
    "驿马*子:寅,丑:亥,寅:申,卯:巳,辰:寅,巳:亥,午:申,未:巳,申:寅,酉:亥,戌:申,亥:巳",
    "华盖*子:戌,丑:丑,寅:戌,卯:未,辰:戌,巳:丑,午:戌,未:未,申:戌,酉:未,戌:戌,亥:未",
    "桃花*子:酉,丑:午,寅:卯,卯:子,辰:酉,巳:午,午:卯,未:子,申:酉,酉:午,戌:卯,亥:子",
    "劫煞*子:巳,丑:寅,寅:亥,卯:申,辰:巳,巳:寅,午:亥,未:申,申:巳,酉:寅,戌:亥,亥:申",
    "亡神*子:亥,丑:申,寅:巳,卯:寅,辰:亥,巳:申,午:巳,未:寅,申:亥,酉:申,戌:巳,亥:寅",
    "将星*子:子,丑:酉,寅:午,卯:卯,辰:子,巳:酉,午:午,未:卯,申:子,酉:酉,戌:午,亥:卯",
};
// clang-format on
static_assert(kDayBranchStarRows.size() == 6);

constexpr bool hasShape(std::span<const std::string_view> rows, std::size_t nameLength, std::ptrdiff_t entries)
{
    return std::ranges::all_of(rows, [&](std::string_view row) {
        return utf8::at(row, nameLength) == "*" && std::ranges::count(row, ',') == entries - 1 &&
               std::ranges::count(row, ':') == entries;
    });
}
static_assert(hasShape(kStemStarRows, 2, 10));
static_assert(hasShape(kYearBranchStarRows, 2, 12));
static_assert(hasShape(kMonthBranchStarRows, 3, 12));
static_assert(hasShape(kDayBranchStarRows, 2, 12));

// Names of the rows with an entry whose key part holds `key` and whose values `accepts`, joined by ",", each row
// once.
template <class Accepts>
std::string starList(std::span<const std::string_view> rows, std::size_t nameLength, std::string_view key,
                     Accepts accepts)
{
    std::string list;
    for (const std::string_view row : rows) {
        const auto match = [&](std::string_view, std::string_view values) { return accepts(values); };
        if (!tables::findKeyedEntry(utf8::mid(row, nameLength + 1), key, match)) // skip "<name>*"
            continue;
        if (!list.empty())
            list += ',';
        list += tables::trimSpaces(utf8::left(row, nameLength));
    }
    return list;
}

// The values hold the searched branch.
auto holds(std::string_view branch)
{
    return [=](std::string_view values) { return tables::contains(values, branch); };
}

} // namespace

namespace engine {
namespace {

std::string searchStemStars(std::string_view stem, std::string_view branch)
{
    return starList(kStemStarRows, 2, stem, holds(branch));
}

std::string searchYearBranchStars(std::string_view yearBranch, std::string_view branch)
{
    return starList(kYearBranchStarRows, 2, yearBranch, holds(branch));
}

std::string searchMonthBranchStars(std::string_view monthBranch, std::string_view text)
{
    // Reversed containment: the searched text holds the value, which may be a stem or a branch.
    return starList(kMonthBranchStarRows, 3, monthBranch,
                    [=](std::string_view value) { return tables::textHolds(text, value); });
}

std::string searchDayBranchStars(std::string_view dayBranch, std::string_view branch)
{
    return starList(kDayBranchStarRows, 2, dayBranch, holds(branch));
}

} // namespace

std::string stemStars(std::string_view stem, std::string_view branch)
{
    return memo::memoized<std::string, searchStemStars>(stem, branch);
}

std::string yearBranchStars(std::string_view yearBranch, std::string_view branch)
{
    return memo::memoized<std::string, searchYearBranchStars>(yearBranch, branch);
}

std::string monthBranchStars(std::string_view monthBranch, std::string_view text)
{
    return memo::memoized<std::string, searchMonthBranchStars>(monthBranch, text);
}

std::string dayBranchStars(std::string_view dayBranch, std::string_view branch)
{
    return memo::memoized<std::string, searchDayBranchStars>(dayBranch, branch);
}

} // namespace engine

std::string LandPP::ShenShaTG(const std::string& otg, const std::string& odz) const
{
    return stemStars(otg, odz);
}

std::string LandPP::ShenShaNZ(const std::string& ydz, const std::string& odz) const
{
    return yearBranchStars(ydz, odz);
}

std::string LandPP::ShenShaYZ(const std::string& mdz, const std::string& ogz) const
{
    return monthBranchStars(mdz, ogz);
}

std::string LandPP::ShenShaRZ(const std::string& ddz, const std::string& odz) const
{
    return dayBranchStars(ddz, odz);
}
