#pragma once

#include "models/chart/ChartAnalysis.h"

#include <string>
#include <vector>

// The analysis as the chart text's closing rows, written after the yearly pillars when 分析 is asked for.
namespace models {

inline constexpr std::string_view kBodyPalaceLabel = "身宫："; // the analysis rows start with it

// The rows:
//   身宫：<GanZhi>    胎息：<GanZhi>
//   纳音：胎元<NaYin>  胎息<NaYin>  命宫<NaYin>  身宫<NaYin>
//   自坐： <four cells, one per pillar>
//   刑冲合害：<kind> <characters>（<pillars>）[ <element>], one relation a row, or 无
//   五行统计：木n 火n 土n 金n 水n；含藏干：…
//   十神统计：比肩n … 正印n；含藏干：…
//   月令旺衰：木旺 火相 …, in the order 旺 相 休 囚 死
//   提示：<notice>, one a row (none without notices)
// Appended to `text`, each row ended by `eol`.
void writeAnalysisRows(std::string& text, const ChartAnalysis& analysis, std::string_view eol);

// "六合 子丑（年、日） 土": a relation as the chart lists it.
std::string relationText(const engine::Relation& relation);
// "子丑" and "年、日": a relation's characters and the pillars it joins.
std::string relationChars(const engine::Relation& relation);
std::string relationPlaces(const engine::Relation& relation); // 年、日

} // namespace models
