#pragma once

#include "engine/analysis/Analysis.h"
#include "models/chart/Chart.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The chart as the drawn view and the printed page arrange it: the same values as the chart text, grouped by
// pillar, with each stem and branch carrying its element. Qt-free, so that the arrangement of values is tested
// without painting.
namespace models {

// A stem or a branch and its element (none only for a text that is neither).
struct SheetGlyph
{
    std::string text;
    std::optional<engine::Element> element;
};

struct SheetHiddenStem
{
    SheetGlyph stem;
    std::string tenGod;
};

struct SheetPillar
{
    std::string title;  // 年柱 月柱 日柱 时柱
    std::string tenGod; // of the stem; 日主 for the day stem
    SheetGlyph stem, branch;
    std::vector<SheetHiddenStem> hidden; // one to three
    std::string growth, naYin, voids;
    std::string selfSeat; // 自坐: the stem's growth stage on its own branch; empty without the analysis
};

// One row of stars: the key they are read from (年支 年干 月支 日支 日干) and each pillar's list.
struct SheetStarRow
{
    std::string key;
    std::array<std::vector<std::string>, 4> names;
};

struct SheetLuck
{
    SheetGlyph stem, branch;
    std::string tenGod, growth, naYin;
    int age = 0;  // at the hand-over
    int year = 0; // of the hand-over
};

struct SheetYear
{
    int year = 0;
    SheetGlyph stem, branch;
};

// What the drawn chart shows of the analysis.
struct SheetAnalysis
{
    std::string bodyPalace, breath;          // 身宫 and 胎息, beside 胎元 and 命宫
    std::vector<std::string> relations;      // "六合 子丑（年、日） 土", in listing order
    std::array<int, 5> elements{};           // over the eight characters, by engine::Element
    std::array<int, 5> elementsWithHidden{}; // over the stems and every hidden stem
    std::array<std::string, 5> season;       // "木旺" … by engine::Element
    std::vector<std::string> notices;        // how sure the pillars are; none when nothing is near an edge
};

struct ChartSheet
{
    std::string name, sex;
    std::vector<std::string> header; // the birth in both calendars, the moment's rows, the terms
    std::string conception, lifePalace;
    std::array<SheetPillar, 4> pillars;
    std::vector<SheetStarRow> stars; // empty when the stars were not asked for
    std::string start, handOver;     // 起运 and 交运 sentences
    std::array<SheetLuck, 8> luck;
    std::optional<int> currentLuck; // the luck pillar running on the day the sheet is made; none before and after
    int shownPeriod = 0;            // the luck pillar whose yearly pillars are shown: the current one, else the nearest
    std::array<SheetYear, 10> yearly;
    std::optional<int> currentYear; // index into yearly of the year of the day the sheet is made
    std::optional<SheetAnalysis> analysis;
};

// The sheet of a chart; the chart's own "now" decides the current luck pillar and year.
ChartSheet chartSheet(const Chart& chart);

} // namespace models
