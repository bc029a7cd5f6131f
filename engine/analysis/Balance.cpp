#include "engine/analysis/Analysis.h"

#include "engine/analysis/EncodedTable.h"
#include "engine/support/Text.h"
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

// The hidden stems of each branch, as hiddenStems lists them (the stems are the same for every day stem), read once:
// a chart counts them for every branch, twice.
struct HiddenOfBranch
{
    std::array<int, 3> stems{};
    int count = 0;
};

const std::array<HiddenOfBranch, 12>& hiddenOfBranches()
{
    static const auto all = [] {
        std::array<HiddenOfBranch, 12> out;
        for (int b = 0; b < 12; ++b) {
            const std::string entries = hiddenStems(stemName(0), branchName(b));
            for (const std::string_view entry : listEntries(entries)) // "<stem><ten god>", or empty for a filler
                if (!entry.empty())
                    out[static_cast<std::size_t>(b)].stems[static_cast<std::size_t>(out[b].count++)] =
                        stemIndex(utf8::at(entry, 0));
        }
        return out;
    }();
    return all;
}

// The place of tenGod(day stem, stem) in the order of tenGodName, for every pair of stems, read once from the table.
int tenGodIndex(int dayStem, int stem)
{
    static const auto places = [] {
        std::array<std::array<int, 10>, 10> out{};
        for (int d = 0; d < 10; ++d)
            for (int x = 0; x < 10; ++x) {
                const std::string_view god = tenGod(stemName(d), stemName(x));
                int i = 0;
                while (i < 9 && tenGodName(i) != god)
                    ++i;
                out[static_cast<std::size_t>(d)][static_cast<std::size_t>(x)] = i;
            }
        return out;
    }();
    return places[static_cast<std::size_t>(dayStem)][static_cast<std::size_t>(stem)];
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
        const HiddenOfBranch& hidden = hiddenOfBranches()[static_cast<std::size_t>(branchIndex(p.branches[i]))];
        for (int k = 0; k < hidden.count; ++k)
            countElement(counts.withHidden, stemName(hidden.stems[static_cast<std::size_t>(k)]));
    }
    return counts;
}

std::string_view tenGodName(int index)
{
    // 甲's own row names the ten gods in this order, one for each stem from 甲; read once, as every count names
    // all ten.
    static const auto names = [] {
        std::array<std::string_view, 10> all;
        for (int i = 0; i < 10; ++i)
            all[static_cast<std::size_t>(i)] = tenGod(stemName(0), stemName(i));
        return all;
    }();
    return index >= 0 && index < 10 ? names[static_cast<std::size_t>(index)] : std::string_view{};
}

TenGodCounts tenGodCounts(const PillarChars& p, HourPillar hour)
{
    const int dayStem = stemIndex(p.stems[kDayPillar]);
    TenGodCounts counts;
    for (std::size_t i = 0; i < pillarsCounted(hour); ++i) {
        if (i != kDayPillar)
            ++counts.visible[static_cast<std::size_t>(tenGodIndex(dayStem, stemIndex(p.stems[i])))];
    }
    counts.withHidden = counts.visible;
    for (std::size_t i = 0; i < pillarsCounted(hour); ++i) {
        const HiddenOfBranch& hidden = hiddenOfBranches()[static_cast<std::size_t>(branchIndex(p.branches[i]))];
        for (int k = 0; k < hidden.count; ++k)
            ++counts.withHidden[static_cast<std::size_t>(
                tenGodIndex(dayStem, hidden.stems[static_cast<std::size_t>(k)]))];
    }
    return counts;
}

std::string_view vigourName(Vigour vigour)
{
    return kVigourNames[static_cast<std::size_t>(vigour)];
}

namespace {

std::array<Vigour, 5> searchSeason(int monthBranch)
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

} // namespace

std::array<Vigour, 5> seasonOf(int monthBranch)
{
    // Read from the rows once for each of the twelve month branches.
    static const auto seasons = [] {
        std::array<std::array<Vigour, 5>, 12> all{};
        for (int b = 0; b < 12; ++b)
            all[static_cast<std::size_t>(b)] = searchSeason(b);
        return all;
    }();
    return seasons[static_cast<std::size_t>(floorMod(monthBranch, 12))];
}

} // namespace engine
