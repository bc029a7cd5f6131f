#pragma once

#include "engine/analysis/Analysis.h"
#include "models/chart/ChartAnalysis.h"
#include "models/chart/ChartRequest.h"

#include <optional>
#include <string>
#include <variant>

// One birth's chart, built once: every item the text, the JSON and the drawn chart show, typed. The presenters
// read it and compute nothing of their own.
namespace models {

// The text of every item that needs the hour when nobody knows it: the hour pillar's cells, 命宫, 身宫.
inline constexpr std::string_view kNoHour = "—";

struct Chart
{
    std::string name; // trimmed
    bool male = true;
    Layout layout = Layout::vertical;
    Moment moment;            // the clock time as charted, its zone, offset, solar time and options
    bool hourKnown = true;    // else the clock time is the birth day at 12:00 and every hour item is kNoHour
    engine::NongLiDate lunar; // of the solar time's day
    engine::Term previousJie; // the 节 at or before the birth, on the terms' Beijing clock
    engine::Term nextJie;     // the first 节 after it
    std::string conception;   // 胎元
    std::string lifePalace;   // 命宫
    engine::PillarReadings pillars;
    std::optional<engine::StarRows> stars; // when asked for
    engine::LuckReadings luck;
    int startAge = 0;                      // calendar years from the birth to the hand-over
    int startYear = 0;                     // the hand-over's year
    engine::LocalTime today;               // the chart's "now", read once from the caller's clock
    std::optional<ChartAnalysis> analysis; // when the request asks for it or for the drawn chart
    bool analysisShown = false;            // the text and the JSON show the analysis

    engine::HourPillar hourPillar() const
    {
        return hourKnown ? engine::HourPillar::known : engine::HourPillar::unknown;
    }
    std::string_view sexWord() const { return male ? "男" : "女"; }
    int sexFlag() const { return male ? 1 : 0; } // the luck methods' iSex
};

// The chart of a request, or the refusal that says why there is none: an empty name, a lunar date the table lacks,
// a date outside the table, a moment the options cannot resolve. Reads `now` once. Never throws.
std::variant<Chart, Refusal> chartOf(const ChartRequest& request, const engine::Clock& now);

} // namespace models
