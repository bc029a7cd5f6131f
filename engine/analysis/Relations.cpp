#include "engine/analysis/Relations.h"

#include "engine/analysis/PairTable.h"
#include "engine/calendar/GanZhiTables.h"
#include "engine/support/RangeError.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

using namespace engine;
using namespace engine::tables;

// Every rule is kept as the rows a chart writes and decoded by the compiler (PairTable.h): a call, made for every
// pillar of a month's day list, does no text search.
namespace {

// Row: two stems that combine (天干五合), then the element they turn into.
// clang-format off
constexpr std::array<std::string_view, 5> kStemCombineRows = {
    "甲己土",
    "乙庚金",
    "丙辛水",
    "丁壬木",
    "戊癸火",
};
// clang-format on
static_assert(kStemCombineRows.size() == 5 && allOfLength(kStemCombineRows, 3));
constexpr Cells kStemCombine = pairCells(kStemCombineRows, tables::kTianGan, 0, 1);
static_assert(cellCount(kStemCombine) == 2 * 5); // five different pairs of stems

// Row: two stems that clash (天干相冲); 戊 and 己, in the centre, clash with none.
// clang-format off
constexpr std::array<std::string_view, 4> kStemClashRows = {
    "甲庚",
    "乙辛",
    "丙壬",
    "丁癸",
};
// clang-format on
static_assert(kStemClashRows.size() == 4 && allOfLength(kStemClashRows, 2));
constexpr Cells kStemClash = pairCells(kStemClashRows, tables::kTianGan, 0, 1);
static_assert(cellCount(kStemClash) == 2 * 4);

// Row: two branches that combine (六合), then their element.
// clang-format off
constexpr std::array<std::string_view, 6> kSixCombineRows = {
    "子丑土",
    "寅亥木",
    "卯戌火",
    "辰酉金",
    "巳申水",
    "午未土",
};
// clang-format on
static_assert(kSixCombineRows.size() == 6 && allOfLength(kSixCombineRows, 3));
constexpr Cells kSixCombine = pairCells(kSixCombineRows, tables::kDiZhi, 0, 1);
static_assert(cellCount(kSixCombine) == 2 * 6);

// Row: a 三合 frame's three branches, its middle one second, then their element. Two of them are a 半合 when one
// is the middle, a 拱合 when they are the two ends.
// clang-format off
constexpr std::array<std::string_view, 4> kThreeCombineRows = {
    "申子辰水",
    "亥卯未木",
    "寅午戌火",
    "巳酉丑金",
};
// clang-format on
static_assert(kThreeCombineRows.size() == 4 && allOfLength(kThreeCombineRows, 4));
constexpr std::array<std::uint16_t, 4> kThreeCombine = trioBits(kThreeCombineRows);
static_assert(std::ranges::none_of(kThreeCombine, [](std::uint16_t trio) { return trio == 0; }));
constexpr Cells kHalfCombine =
    merged(pairCells(kThreeCombineRows, tables::kDiZhi, 0, 1), pairCells(kThreeCombineRows, tables::kDiZhi, 1, 2));
static_assert(cellCount(kHalfCombine) == 2 * 8);
constexpr Cells kArchCombine = pairCells(kThreeCombineRows, tables::kDiZhi, 0, 2);
static_assert(cellCount(kArchCombine) == 2 * 4);

// Row: the three branches of a season (三会), then its element.
// clang-format off
constexpr std::array<std::string_view, 4> kThreeMeetRows = {
    "寅卯辰木",
    "巳午未火",
    "申酉戌金",
    "亥子丑水",
};
// clang-format on
static_assert(kThreeMeetRows.size() == 4 && allOfLength(kThreeMeetRows, 4));
constexpr std::array<std::uint16_t, 4> kThreeMeet = trioBits(kThreeMeetRows);
static_assert(std::ranges::none_of(kThreeMeet, [](std::uint16_t trio) { return trio == 0; }));

// Row: two branches opposite each other (六冲).
// clang-format off
constexpr std::array<std::string_view, 6> kSixClashRows = {
    "子午",
    "丑未",
    "寅申",
    "卯酉",
    "辰戌",
    "巳亥",
};
// clang-format on
static_assert(kSixClashRows.size() == 6 && allOfLength(kSixClashRows, 2));
constexpr Cells kSixClash = pairCells(kSixClashRows, tables::kDiZhi, 0, 1);
static_assert(cellCount(kSixClash) == 2 * 6);

// Row: branches of which any two punish each other (相刑); a row of three is a 三刑 when all three are present.
// clang-format off
constexpr std::array<std::string_view, 3> kPunishRows = {
    "寅巳申",
    "丑戌未",
    "子卯",
};
// clang-format on
static_assert(kPunishRows.size() == 3 && allOfLength(std::array{kPunishRows[0], kPunishRows[1]}, 3));
constexpr std::array<std::uint16_t, 3> kThreePunish = trioBits(kPunishRows);
static_assert(kThreePunish[0] != 0 && kThreePunish[1] != 0 && kThreePunish[2] == 0); // 子卯 is a pair only
constexpr Cells kPunish =
    merged(merged(pairCells(kPunishRows, tables::kDiZhi, 0, 1), pairCells(kPunishRows, tables::kDiZhi, 1, 2)),
           pairCells(kPunishRows, tables::kDiZhi, 0, 2));
static_assert(cellCount(kPunish) == 2 * 7);

// Row: a branch that punishes itself (自刑) when two pillars hold it.
// clang-format off
constexpr std::array<std::string_view, 4> kSelfPunishRows = {
    "辰",
    "午",
    "酉",
    "亥",
};
// clang-format on
static_assert(kSelfPunishRows.size() == 4 && allOfLength(kSelfPunishRows, 1));
constexpr Cells kSelfPunish = pairCells(kSelfPunishRows, tables::kDiZhi, 0, 0);
static_assert(cellCount(kSelfPunish) == 4);

// Row: two branches that harm each other (六害).
// clang-format off
constexpr std::array<std::string_view, 6> kSixHarmRows = {
    "子未",
    "丑午",
    "寅巳",
    "卯辰",
    "申亥",
    "酉戌",
};
// clang-format on
static_assert(kSixHarmRows.size() == 6 && allOfLength(kSixHarmRows, 2));
constexpr Cells kSixHarm = pairCells(kSixHarmRows, tables::kDiZhi, 0, 1);
static_assert(cellCount(kSixHarm) == 2 * 6);

// Row: two branches that break each other (六破).
// clang-format off
constexpr std::array<std::string_view, 6> kSixBreakRows = {
    "子酉",
    "卯午",
    "巳申",
    "寅亥",
    "辰丑",
    "戌未",
};
// clang-format on
static_assert(kSixBreakRows.size() == 6 && allOfLength(kSixBreakRows, 2));
constexpr Cells kSixBreak = pairCells(kSixBreakRows, tables::kDiZhi, 0, 1);
static_assert(cellCount(kSixBreak) == 2 * 6);

} // namespace

namespace engine {
namespace {

// One rule as the search reads it. A pair rule's cells and a trio rule's trios index its rows, which name the
// element at `elementAt` (-1: they name none). A pair rule with trios lists no pair inside a found trio of them.
struct Rule
{
    RelationKind kind;
    int size; // 2 or 3 pillars
    std::span<const std::string_view> rows;
    Cells pairs;
    std::span<const std::uint16_t> trios;
    int elementAt;
};

constexpr Cells kNoPairs = pairCells(std::array<std::string_view, 0>{}, tables::kDiZhi, 0, 1);

// The rules in listing order.
constexpr std::array<Rule, 13> kRules = {{
    {RelationKind::stemCombine, 2, kStemCombineRows, kStemCombine, {}, 2},
    {RelationKind::stemClash, 2, kStemClashRows, kStemClash, {}, -1},
    {RelationKind::sixCombine, 2, kSixCombineRows, kSixCombine, {}, 2},
    {RelationKind::threeCombine, 3, kThreeCombineRows, kNoPairs, kThreeCombine, 3},
    {RelationKind::halfCombine, 2, kThreeCombineRows, kHalfCombine, kThreeCombine, 3},
    {RelationKind::archCombine, 2, kThreeCombineRows, kArchCombine, kThreeCombine, 3},
    {RelationKind::threeMeet, 3, kThreeMeetRows, kNoPairs, kThreeMeet, 3},
    {RelationKind::sixClash, 2, kSixClashRows, kSixClash, {}, -1},
    {RelationKind::threePunish, 3, kPunishRows, kNoPairs, kThreePunish, -1},
    {RelationKind::punish, 2, kPunishRows, kPunish, kThreePunish, -1},
    {RelationKind::selfPunish, 2, kSelfPunishRows, kSelfPunish, {}, -1},
    {RelationKind::sixHarm, 2, kSixHarmRows, kSixHarm, {}, -1},
    {RelationKind::sixBreak, 2, kSixBreakRows, kSixBreak, {}, -1},
}};
static_assert(std::ranges::all_of(kRules, [](const Rule& rule) {
    return &rule - kRules.data() == static_cast<int>(rule.kind) && (rule.size == 3) == (cellCount(rule.pairs) == 0);
}));

constexpr bool onStems(RelationKind kind)
{
    return kind == RelationKind::stemCombine || kind == RelationKind::stemClash;
}

constexpr std::uint32_t bitOf(RelationKind kind)
{
    return 1u << static_cast<int>(kind);
}

// For two stems, or two branches: one bit for each pair kind that joins them.
using KindCells = std::array<std::array<std::uint16_t, 12>, 12>;
constexpr KindCells kindCells(bool stems)
{
    KindCells kinds{};
    for (const Rule& rule : kRules) {
        if (rule.size != 2 || onStems(rule.kind) != stems)
            continue;
        for (std::size_t a = 0; a < 12; ++a) {
            for (std::size_t b = 0; b < 12; ++b)
                kinds[a][b] |= rule.pairs[a][b] >= 0 ? static_cast<std::uint16_t>(bitOf(rule.kind)) : 0;
        }
    }
    return kinds;
}
constexpr KindCells kStemKinds = kindCells(true);
constexpr KindCells kBranchKinds = kindCells(false);

// The pair kinds any two of the pillars form, and how many pairs of pillars they join: a kind absent here is not
// searched pair by pair, and the list is sized once.
struct PairKinds
{
    std::uint32_t kinds = 0;
    std::size_t pairs = 0; // pairs of pillars joined by some pair kind
};
PairKinds pairKindsAmong(std::span<const PillarValue> pillars)
{
    PairKinds found;
    for (std::size_t i = 0; i < pillars.size(); ++i) {
        for (std::size_t j = i + 1; j < pillars.size(); ++j) {
            const unsigned stems = kStemKinds[pillars[i].stem][pillars[j].stem];
            const unsigned branches = kBranchKinds[pillars[i].branch][pillars[j].branch];
            found.kinds |= stems | branches;
            found.pairs += (stems | branches) != 0 ? 1 : 0;
        }
    }
    return found;
}

std::optional<Element> elementNamed(std::string_view glyph)
{
    for (const Element e : {Element::wood, Element::fire, Element::earth, Element::metal, Element::water}) {
        if (elementName(e) == glyph)
            return e;
    }
    return std::nullopt;
}

// The element each row of each rule names, or none: read from the rows once, at first use, as elementName is not a
// constant expression.
constexpr std::size_t kMostRows = 8;
static_assert(std::ranges::all_of(kRules, [](const Rule& rule) { return rule.rows.size() <= kMostRows; }));
using RowElements = std::array<std::array<std::optional<Element>, kMostRows>, kRules.size()>;
const RowElements& rowElements()
{
    static const RowElements elements = [] {
        RowElements all{};
        for (const Rule& rule : kRules) {
            for (std::size_t r = 0; rule.elementAt >= 0 && r < rule.rows.size(); ++r)
                all[static_cast<std::size_t>(rule.kind)][r] =
                    elementNamed(utf8::at(rule.rows[r], static_cast<std::size_t>(rule.elementAt)));
        }
        return all;
    }();
    return elements;
}

// What the search of each rule reads, and the list it adds to.
struct Search
{
    std::span<const PillarValue> pillars;
    unsigned branches; // a bit for every branch among the pillars
    const RowElements& elements;
    std::vector<Relation>& found;
};

// The relation is filled in place, field by field: one built whole and copied in is read back in wider pieces than
// it was written, which stalls every copy.
void add(std::vector<Relation>& found, RelationKind kind, std::initializer_list<const PillarValue*> members,
         std::optional<Element> element)
{
    Relation& r = found.emplace_back();
    r.kind = kind;
    std::size_t i = 0;
    for (const PillarValue* p : members) {
        r.pillars[i] = p->place;
        r.symbols[i++] = onStems(kind) ? p->stem : p->branch;
    }
    r.count = static_cast<int>(i);
    r.element = element;
}

void addPairs(const Rule& rule, const Search& s)
{
    const auto symbol = onStems(rule.kind) ? &PillarValue::stem : &PillarValue::branch;
    const auto& elements = s.elements[static_cast<std::size_t>(rule.kind)];
    for (std::size_t i = 0; i < s.pillars.size(); ++i) {
        for (std::size_t j = i + 1; j < s.pillars.size(); ++j) {
            const int a = s.pillars[i].*symbol, b = s.pillars[j].*symbol;
            const int row = rule.pairs[a][b];
            if (row < 0)
                continue;
            // The pair's trio is found exactly when a third pillar holds its third branch, and that trio already
            // says what the pair would.
            if (const unsigned trio = rule.trios.empty() ? 0 : rule.trios[row]; trio != 0 && (trio & ~s.branches) == 0)
                continue;
            add(s.found, rule.kind, {&s.pillars[i], &s.pillars[j]}, elements[static_cast<std::size_t>(row)]);
        }
    }
}

void addTrios(const Rule& rule, const Search& s)
{
    unsigned inFound = 0; // the branches of the trios all present
    for (const unsigned trio : rule.trios)
        inFound |= trio != 0 && (trio & ~s.branches) == 0 ? trio : 0;
    const auto& elements = s.elements[static_cast<std::size_t>(rule.kind)];
    const std::span<const PillarValue> p = s.pillars;
    const auto within = [inFound](const PillarValue& v) { return (inFound >> v.branch & 1u) != 0; };
    for (std::size_t i = 0; inFound != 0 && i < p.size(); ++i) {
        for (std::size_t j = i + 1; within(p[i]) && j < p.size(); ++j) {
            for (std::size_t k = j + 1; within(p[j]) && k < p.size(); ++k) {
                const unsigned bits = 1u << p[i].branch | 1u << p[j].branch | 1u << p[k].branch;
                const auto row = std::ranges::find(rule.trios, bits);
                if (row != rule.trios.end())
                    add(s.found, rule.kind, {&p[i], &p[j], &p[k]},
                        elements[static_cast<std::size_t>(row - rule.trios.begin())]);
            }
        }
    }
}

// The partner in the rule's cells: the one symbol that a pair row joins with `symbol`.
int partnerIn(const tables::Cells& cells, int symbol, int count)
{
    for (int other = 0; other < count; ++other)
        if (cells[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(other)] >= 0)
            return other;
    return symbol;
}

} // namespace

int combiningStem(int stem)
{
    return partnerIn(kStemCombine, floorMod(stem, 10), 10);
}

int combiningBranch(int branch)
{
    return partnerIn(kSixCombine, floorMod(branch, 12), 12);
}

std::vector<Relation> relationsAmong(std::span<const PillarValue> pillars)
{
    unsigned branches = 0;
    for (const PillarValue& p : pillars) {
        if (p.stem < 0 || p.stem > 9 || p.branch < 0 || p.branch > 11)
            throw RangeError("pillar stem " + std::to_string(p.stem) + ", branch " + std::to_string(p.branch));
        branches |= 1u << p.branch;
    }
    const PairKinds pairs = pairKindsAmong(pillars);
    std::vector<Relation> found;
    // A pair of pillars is rarely joined by more than two kinds, and trios are few.
    found.reserve(2 * pairs.pairs + 2);
    const Search search{pillars, branches, rowElements(), found};
    for (const Rule& rule : kRules) {
        if (rule.size == 3)
            addTrios(rule, search);
        else if (pairs.kinds & bitOf(rule.kind))
            addPairs(rule, search);
    }
    return found;
}

} // namespace engine
