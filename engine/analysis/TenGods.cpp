#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"
#include "engine/analysis/SymbolMemo.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: day stem, '*', then ten entries "<the stem and branches it covers><two-character name>". A branch counts as
// the stem of its main element and polarity, so one entry serves both.
// clang-format off
constexpr std::array<std::string_view, 10> kShiShenRows = {
    "甲*甲寅比肩,乙卯劫财,丙午食神,丁巳伤官,戊辰戌偏财,己丑未正财,庚申七杀,辛酉正官,壬子偏印,癸亥正印",
    "乙*甲寅劫财,乙卯比肩,丙午伤官,丁巳食神,戊辰戌正财,己丑未偏财,庚申正官,辛酉七杀,壬子正印,癸亥偏印",
    "丙*甲寅偏印,乙卯正印,丙午比肩,丁巳劫财,戊辰戌食神,己丑未伤官,庚申偏财,辛酉正财,壬子七杀,癸亥正官",
    "丁*甲寅正印,乙卯偏印,丙午劫财,丁巳比肩,戊辰戌伤官,己丑未食神,庚申正财,辛酉偏财,壬子正官,癸亥七杀",
    "戊*甲寅七杀,乙卯正官,丙午偏印,丁巳正印,戊辰戌比肩,己丑未劫财,庚申食神,辛酉伤官,壬子偏财,癸亥正财",
    "己*甲寅正官,乙卯七杀,丙午正印,丁巳偏印,戊辰戌劫财,己丑未比肩,庚申伤官,辛酉食神,壬子正财,癸亥偏财",
    "庚*甲寅偏财,乙卯正财,丙午七杀,丁巳正官,戊辰戌偏印,己丑未正印,庚申比肩,辛酉劫财,壬子食神,癸亥伤官",
    "辛*甲寅正财,乙卯偏财,丙午正官,丁巳七杀,戊辰戌正印,己丑未偏印,庚申劫财,辛酉比肩,壬子伤官,癸亥食神",
    "壬*甲寅食神,乙卯伤官,丙午偏财,丁巳正财,戊辰戌七杀,己丑未正官,庚申偏印,辛酉正印,壬子比肩,癸亥劫财",
    "癸*甲寅伤官,乙卯食神,丙午正财,丁巳偏财,戊辰戌正官,己丑未七杀,庚申正印,辛酉偏印,壬子劫财,癸亥比肩",
};
// clang-format on
static_assert(kShiShenRows.size() == 10);
static_assert(std::ranges::all_of(kShiShenRows, [](std::string_view row) {
    return std::ranges::count(row, ',') == 9 && utf8::at(row, 1) == "*";
}));

// Row: branch, '*', then exactly three positions of hidden stems in stored order (丑 starts with 癸, 巳 with 庚,
// 午 with 己); an unused position holds a space, which becomes an entry of its own.
// clang-format off
constexpr std::array<std::string_view, 12> kDunCangRows = {
    "子*癸  ",  "丑*癸辛己", "寅*甲丙戊", "卯*乙  ", "辰*乙戊癸", "巳*庚丙戊",
    "午*己丁 ", "未*乙己丁", "申*戊庚壬", "酉*辛  ", "戌*辛丁戊", "亥*壬甲 ",
};
// clang-format on
static_assert(kDunCangRows.size() == 12);
static_assert(std::ranges::all_of(kDunCangRows, [](std::string_view row) { return utf8::length(row) == 5; }));

} // namespace

namespace engine {
namespace {

std::string_view searchTenGod(std::string_view dayStem, std::string_view other)
{
    const std::string_view entries = utf8::mid(tables::findRow(kShiShenRows, dayStem), 2); // skip "<stem>*"
    const auto entry = tables::findEntry(entries, [other](std::string_view e) { return tables::contains(e, other); });
    return entry ? utf8::right(*entry, 2) : std::string_view{};
}

std::string searchHiddenStems(std::string_view dayStem, std::string_view branch)
{
    const std::string_view row = tables::findRow(kDunCangRows, branch);
    const std::string_view positions = utf8::right(row, 3);
    std::string result;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string_view stem = utf8::at(positions, i);
        if (stem.empty())
            break; // only an unknown branch has no positions
        if (i > 0)
            result += ',';
        result += stem;
        result += tenGod(dayStem, stem); // a filler space has no ten god
    }
    return result;
}

} // namespace

std::string_view tenGod(std::string_view dayStem, std::string_view other)
{
    return memo::memoized<std::string_view, searchTenGod>(dayStem, other);
}

std::string hiddenStems(std::string_view dayStem, std::string_view branch)
{
    return memo::memoized<std::string, searchHiddenStems>(dayStem, branch);
}

} // namespace engine

std::string LandPP::ShiShen(const std::string& dTG, const std::string& otg) const
{
    return std::string(tenGod(dTG, otg));
}

std::string LandPP::DunCang(const std::string& dTG, const std::string& odz) const
{
    return hiddenStems(dTG, odz);
}
