#pragma once

#include "engine/support/DateTime.h"
#include "models/Refusal.h"
#include "models/solartime/BirthMoment.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// What a chart is asked for, typed: the window's lists, the tool's words and a stored record each map to it once.
namespace models {

enum class Layout {
    vertical,   // 竖排: a row of stems over a row of branches
    horizontal, // 横排: one row of pillars
};

// What the chart writes after the birth date when nobody knows the hour: "出生公历：1984-03-02 时辰不详".
inline constexpr std::string_view kHourUnknownWords = "时辰不详";

// A lunar birth as chosen; `leap` picks the leap month that follows ordinary month `month`.
struct LunarBirth
{
    int year = 0;
    int month = 0;
    bool leap = false;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// A Gregorian clock time, or a lunar date and time that the chart resolves once against the lunar table.
using Birth = std::variant<engine::LocalTime, LunarBirth>;

struct ChartRequest
{
    std::string name; // as typed; the chart trims it
    bool male = true;
    Birth birth = engine::LocalTime{};
    Layout layout = Layout::vertical;
    bool stars = false;       // 神煞
    bool analysis = false;    // 分析: the text and the JSON show the analysis
    bool drawn = false;       // the drawn chart is made too: it always shows the analysis
    bool hourUnknown = false; // 时辰不详: the birth's clock time is its day at 12:00, and the chart has three pillars
    MomentOptions moment = {}; // zone, place, solar time, terms, 子 convention; the defaults chart Beijing time
};

// The clock time of a Gregorian date and time, or the refusal that names it: "出生时间无效：1990-02-30 08:30".
std::variant<engine::LocalTime, Refusal> gregorianBirth(int year, int month, int day, int hour, int minute);

// The refusal of a name that is empty once trimmed ("请输入姓名"), or nothing.
std::optional<Refusal> refuseName(std::string_view name);

// 竖排 is vertical; any other text horizontal, as the window's editable layout list has always read it.
Layout layoutOf(std::string_view word);
std::string_view layoutWord(Layout layout); // 竖排 or 横排

} // namespace models
