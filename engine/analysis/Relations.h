#pragma once

#include "engine/analysis/Analysis.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Which pillars combine, clash, punish or harm each other: the natal pillars alone, or with the periods a chart is
// read against. Stems and branches are indices as stemName and branchName read them.
namespace engine {

// ---- Relations between pillars (analysis/Relations.cpp)

// Where a pillar stands: the four natal pillars, then the periods a chart is read against.
enum class PillarPlace { year, month, day, hour, luck, flowYear, flowMonth, flowDay };
struct PillarValue
{
    PillarPlace place;
    int stem;   // [0, 9]
    int branch; // [0, 11]
};
// In listing order.
enum class RelationKind {
    stemCombine,
    stemClash,
    sixCombine,
    threeCombine,
    halfCombine,
    archCombine,
    threeMeet,
    sixClash,
    threePunish,
    punish,
    selfPunish,
    sixHarm,
    sixBreak,
};
struct Relation
{
    RelationKind kind;
    std::array<PillarPlace, 3> pillars; // the pillars it joins, in the order of the input; `count` used
    std::array<int, 3> symbols;         // their stems (for the stem kinds) or branches, in the same order
    int count = 2;                      // 2 or 3
    std::optional<Element> element;     // for the combinations and meetings; none for the others
};
// Every relation among `pillars`, in listing order: stems first, then branches, each by the kinds' order above,
// then by the pillars' order in the input. Throws RangeError for a stem or branch outside its range.
std::vector<Relation> relationsAmong(std::span<const PillarValue> pillars);

// The stem that combines with `stem` (天干五合) and the branch that combines with `branch` (六合).
int combiningStem(int stem);
int combiningBranch(int branch);

// ---- Their names (analysis/RelationNames.cpp)

std::string_view relationName(RelationKind kind); // 天干五合 … 六破
std::string_view relationMark(RelationKind kind); // the drawn chart's one word: 合 冲 刑 害 破

} // namespace engine
