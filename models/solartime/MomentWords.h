#pragma once

#include "engine/calendar/Calendar.h"
#include "models/solartime/BirthMoment.h"
#include "zones/Zones.h"

#include <array>
#include <optional>
#include <string_view>

// Every word that names a birth-moment option or one of its values, in one place: the tool's option and value
// words (which the settings file and `bazi record` use too), the JSON key, the settings key, the chart's header row
// and the birth-place panel's list entry. Readers and writers of each form look the word up here.
namespace models::words {

// An option's names.
struct OptionNames
{
    std::string_view tool;     // --solar-time
    std::string_view json;     // solarTime: the key of bazi's JSON and of bazi record
    std::string_view settings; // moment/solarTime
};

inline constexpr OptionNames kTermsOption = {"--terms", "terms", "moment/terms"};
inline constexpr OptionNames kZoneOption = {"--tz", "zone", "moment/zone"};
inline constexpr OptionNames kPlaceOption = {"--place", "place", "moment/place"};
inline constexpr OptionNames kLongitudeOption = {"--longitude", "longitude", "moment/longitude"};
inline constexpr OptionNames kSolarTimeOption = {"--solar-time", "solarTime", "moment/solarTime"};
inline constexpr OptionNames kLateZiOption = {"--late-zi", "lateZi", "moment/lateZi"};
inline constexpr OptionNames kFoldOption = {"--fold", "fold", ""};
inline constexpr OptionNames kPalaceYearOption = {"--palace-year", "palaceYear", "moment/palaceYear"};

// A value's words. `tool` is also its JSON value and its word in the settings file; `row` is the chart's header
// row (or the part of it) that states it, empty for the default, which is never stated; `panel` is its entry in
// the birth-place panel's list, in list order.
template <typename Value> struct ValueWords
{
    Value value;
    std::string_view tool;
    std::string_view row;
    std::string_view panel;
};

// clang-format off
inline constexpr std::array<ValueWords<engine::SolarTimeKind>, 3> kSolarTimes = {{
    {engine::SolarTimeKind::clock, "clock", "", "钟表时间"},                // the clock time as entered, as always
    {engine::SolarTimeKind::mean, "mean", "平太阳时：", "平太阳时"},        // 4 minutes per degree from UTC
    {engine::SolarTimeKind::apparent, "true", "真太阳时：", "真太阳时"},    // mean solar time plus the equation of time
}};
inline constexpr std::array<ValueWords<TermMethod>, 2> kTermMethods = {{
    {TermMethod::mean, "mean", "", "节气：经典公式"},                       // the calendar's own formula, as always
    {TermMethod::astro, "astro", "节气：天文", "节气：天文计算"},
}};
inline constexpr std::array<ValueWords<engine::LateZi>, 3> kLateZis = {{
    {engine::LateZi::same, "same", "", "子时不换日"},                       // 23:00-23:59 keeps its day, as always
    {engine::LateZi::nextStem, "next-stem", "子时：晚子次日时干", "晚子用次日时干"},
    {engine::LateZi::nextDay, "next-day", "子时：晚子换日", "晚子换日"},
}};
inline constexpr std::array<ValueWords<zones::Fold>, 3> kFolds = {{
    {zones::Fold::none, "", "", ""},                                         // a repeated clock time is refused
    {zones::Fold::earlier, "earlier", " 取较早", ""},
    {zones::Fold::later, "later", " 取较晚", ""},
}};
inline constexpr std::array<ValueWords<PalaceYear>, 2> kPalaceYears = {{
    {PalaceYear::calendar, "calendar", "", "宫干依公历年"},                 // as the life palace always had
    {PalaceYear::pillar, "pillar", "宫干：依年柱", "宫干依年柱"},           // the year that turns at 立春
}};
// clang-format on

// The words of `value`; the first entry (the default) for a value the table lacks.
template <typename Value, std::size_t N>
constexpr const ValueWords<Value>& of(const std::array<ValueWords<Value>, N>& table, Value value)
{
    for (const auto& w : table)
        if (w.value == value)
            return w;
    return table[0];
}

// The labels of the chart's header rows that state a place, a longitude and a zone.
inline constexpr std::string_view kPlaceRow = "出生地：";
inline constexpr std::string_view kLongitudeRow = "经度：";
inline constexpr std::string_view kEast = "东经";
inline constexpr std::string_view kWest = "西经";
inline constexpr std::string_view kDegree = "°";
inline constexpr std::string_view kZoneRow = "时区：";
inline constexpr std::string_view kSummerTime = " 夏令时";

// The value whose word in the form `form` (&ValueWords::tool, ::row or ::panel) is `word`, or nothing; an empty word
// names no value.
template <typename Value, std::size_t N>
constexpr std::optional<Value> byWord(const std::array<ValueWords<Value>, N>& table,
                                      std::string_view ValueWords<Value>::*form, std::string_view word)
{
    for (const auto& w : table)
        if (!(w.*form).empty() && w.*form == word)
            return w.value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
constexpr std::optional<Value> byTool(const std::array<ValueWords<Value>, N>& table, std::string_view word)
{
    return byWord(table, &ValueWords<Value>::tool, word);
}

template <typename Value, std::size_t N>
constexpr std::optional<Value> byRow(const std::array<ValueWords<Value>, N>& table, std::string_view row)
{
    return byWord(table, &ValueWords<Value>::row, row);
}

static_assert(byTool(kSolarTimes, "true") == engine::SolarTimeKind::apparent);
static_assert(of(kLateZis, engine::LateZi::nextDay).row == "子时：晚子换日");

} // namespace models::words
