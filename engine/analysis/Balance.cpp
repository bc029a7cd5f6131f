#include "engine/analysis/Analysis.h"

#include "engine/analysis/EncodedTable.h"
#include "engine/support/Utf8.h"

#include <algorithm>

using namespace engine;

namespace {

constexpr std::size_t kDayPillar = 2;

// Row: the month branches of a season, '*', then the element in force in it.
// clang-format off
constexpr std::array<std::string_view, 5> kSeasons = {
    "寅卯*木",
    "巳午*火",
    "申酉*金",
    "亥子*水",
    "辰戌丑未*土",
};
// clang-format on
static_assert(kSeasons.size() == 5);
static_assert(std::ranges::all_of(kSeasons,
                                  [](std::string_view row) { return utf8::at(row, utf8::length(row) - 2) == "*"; }));

// Row: the cycle's name, '*', then the five elements, each producing (生) or controlling (克) the next, and the last
// the first.
// clang-format off
constexpr std::array<std::string_view, 2> kCycles = {
    "生*木火土金水",
    "克*木土水火金",
};
// clang-format on
static_assert(kCycles.size() == 2);
static_assert(std::ranges::all_of(kCycles, [](std::string_view row) {
    return utf8::length(row) == 7 && utf8::at(row, 1) == "*";
}));
constexpr std::string_view kProduction = kCycles[0];
constexpr std::string_view kControl = kCycles[1];

// Row: the name of one vigour, in the order of Vigour.
// clang-format off
constexpr std::array<std::string_view, 5> kVigourNames = {
    "旺", "相", "休", "囚", "死",
};
// clang-format on
static_assert(kVigourNames.size() == 5);

std::size_t pillarsCounted(HourPillar hour)
{
    return hour == HourPillar::known ? 4 : 3; // the hour pillar is the last
}

void countElement(std::array<int, 5>& counts, std::string_view stemOrBranch)
{
    if (const auto element = elementOf(stemOrBranch))
        ++counts[static_cast<std::size_t>(*element)];
}

void countTenGod(std::array<int, 10>& counts, std::string_view name)
{
    for (int i = 0; i < 10; ++i) {
        if (!name.empty() && tenGodName(i) == name)
            ++counts[static_cast<std::size_t>(i)];
    }
}

// Calls visit(stem, ten god) for each hidden stem of the branch, as hiddenStems lists them; filler positions skipped.
template <class Visit> void forEachHiddenStem(std::string_view dayStem, std::string_view branch, Visit visit)
{
    const std::string entries = hiddenStems(dayStem, branch);
    std::string_view rest = entries;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view entry = rest.substr(0, comma); // "<stem><ten god>" or a lone space
        if (entry != " ")
            visit(utf8::at(entry, 0), utf8::mid(entry, 1));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
}

std::size_t elementNamed(std::string_view name)
{
    std::size_t i = 0;
    while (i < 4 && elementName(static_cast<Element>(i)) != name)
        ++i;
    return i; // [0, 4]
}

// The element `by` steps from `element` round the cycle; -1 is the one before it.
std::size_t stepRound(std::string_view cycle, std::size_t element, int by)
{
    const std::string_view name = elementName(static_cast<Element>(element));
    std::size_t k = 0;
    while (k < 4 && utf8::at(cycle, k + 2) != name) // past "<name>*"
        ++k;
    return elementNamed(utf8::at(cycle, static_cast<std::size_t>(floorMod(static_cast<int>(k) + by, 5)) + 2));
}

} // namespace

namespace engine {

ElementCounts elementCounts(const PillarChars& p, HourPillar hour)
{
    ElementCounts counts;
    for (std::size_t i = 0; i < pillarsCounted(hour); ++i) {
        countElement(counts.visible, p.stems[i]);
        countElement(counts.visible, p.branches[i]);
        countElement(counts.withHidden, p.stems[i]);
        forEachHiddenStem(p.stems[kDayPillar], p.branches[i],
                          [&](std::string_view stem, std::string_view) { countElement(counts.withHidden, stem); });
    }
    return counts;
}

std::string_view tenGodName(int index)
{
    // 甲's own row names the ten gods in this order, one for each stem from 甲.
    return index >= 0 && index < 10 ? tenGod(stemName(0), stemName(index)) : std::string_view{};
}

TenGodCounts tenGodCounts(const PillarChars& p, HourPillar hour)
{
    const std::string_view dayStem = p.stems[kDayPillar];
    TenGodCounts counts;
    for (std::size_t i = 0; i < pillarsCounted(hour); ++i) {
        if (i != kDayPillar)
            countTenGod(counts.visible, tenGod(dayStem, p.stems[i]));
    }
    counts.withHidden = counts.visible;
    for (std::size_t i = 0; i < pillarsCounted(hour); ++i) {
        forEachHiddenStem(dayStem, p.branches[i],
                          [&](std::string_view, std::string_view god) { countTenGod(counts.withHidden, god); });
    }
    return counts;
}

std::string_view vigourName(Vigour vigour)
{
    return kVigourNames[static_cast<std::size_t>(vigour)];
}

std::array<Vigour, 5> seasonOf(int monthBranch)
{
    const std::string_view season = tables::findRowContaining(kSeasons, branchName(monthBranch));
    const std::size_t ruling = elementNamed(utf8::right(season, 1));
    // The season's element is 旺, the one it produces 相, the one producing it 休, the one controlling it 囚, the
    // one it controls 死.
    std::array<Vigour, 5> vigour{};
    vigour[ruling] = Vigour::wang;
    vigour[stepRound(kProduction, ruling, 1)] = Vigour::xiang;
    vigour[stepRound(kProduction, ruling, -1)] = Vigour::xiu;
    vigour[stepRound(kControl, ruling, -1)] = Vigour::qiu;
    vigour[stepRound(kControl, ruling, 1)] = Vigour::si;
    return vigour;
}

} // namespace engine
