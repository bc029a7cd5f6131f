#pragma once

#include "engine/analysis/Analysis.h"
#include "engine/analysis/Relations.h"
#include "models/chart/Notices.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What a practitioner reads from a chart after its pillars: the body palace and the breath pillar, the NaYin of the
// four derived pillars, each pillar's seat, the relations among the pillars, the balance of elements and ten gods,
// the season, and how sure the pillars are. Computed once from the chart's pillars by the engine.
namespace models {

struct ChartAnalysis
{
    std::string bodyPalace; // 身宫
    std::string breath;     // 胎息
    // The NaYin of 胎元, 胎息, 命宫 and 身宫, in that order.
    std::array<std::string_view, 4> naYin;
    std::array<std::string_view, 4> selfSeats; // 自坐: each stem's growth stage on its own branch
    std::vector<engine::Relation> relations;   // among the four natal pillars, in listing order
    engine::ElementCounts elements;
    engine::TenGodCounts tenGods;
    std::array<engine::Vigour, 5> season; // of each element, by engine::Element
    std::vector<Notice> notices;
};

// The labels of the derived pillars whose NaYin the analysis gives, in its order.
inline constexpr std::array<std::string_view, 4> kDerivedPillars = {"胎元", "胎息", "命宫", "身宫"};

// The analysis of a chart's pillars, its 胎元, 命宫 and 节 as the chart has them; the palaces' year as the moment's
// options choose.
struct Chart;
ChartAnalysis analysisOf(const Chart& chart);

// 年 月 日 时 for the natal pillars, 运 岁 月 日 for the periods: the one-character names of pillar places.
std::string_view placeName(engine::PillarPlace place);

} // namespace models
