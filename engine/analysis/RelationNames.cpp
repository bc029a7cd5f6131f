#include "engine/analysis/Relations.h"

#include "engine/support/Utf8.h"

#include <algorithm>
#include <array>

using namespace engine;

namespace {

// Row: the name a chart lists a kind under, '*', then the one word the drawn chart marks it with; in the kinds'
// order.
// clang-format off
constexpr std::array<std::string_view, 13> kRelationNameRows = {
    "天干五合*合",
    "天干相冲*冲",
    "六合*合",
    "三合*合",
    "半合*合",
    "拱合*合",
    "三会*合",
    "六冲*冲",
    "三刑*刑",
    "相刑*刑",
    "自刑*刑",
    "六害*害",
    "六破*破",
};
// clang-format on
static_assert(kRelationNameRows.size() == static_cast<std::size_t>(RelationKind::sixBreak) + 1);
static_assert(std::ranges::all_of(kRelationNameRows, [](std::string_view row) {
    return utf8::at(row, utf8::length(row) - 2) == "*" && std::ranges::count(row, '*') == 1;
}));

} // namespace

namespace engine {

std::string_view relationName(RelationKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    if (index >= kRelationNameRows.size())
        return {};
    const std::string_view row = kRelationNameRows[index];
    return row.substr(0, row.find('*'));
}

std::string_view relationMark(RelationKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    return index < kRelationNameRows.size() ? utf8::right(kRelationNameRows[index], 1) : std::string_view{};
}

} // namespace engine
