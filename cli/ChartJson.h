#pragma once

#include "models/chart/Chart.h"

#include <string>

// The chart as the tool's JSON: the chart's values, keyed in English for scripts.
namespace cli {

// One JSON object on one line, without the line end; "moment" only when an option differs from the default.
std::string chartJson(const models::Chart& chart);
// The same appended to `out`.
void writeChartJson(std::string& out, const models::Chart& chart);

// The moment's values as the chart's header rows state them; only options that differ from the default are keyed,
// "utc" always; "solarTime" is null when nobody knows the hour, as no solar time is applied.
std::string momentJson(const models::Moment& moment, engine::HourPillar hour = engine::HourPillar::known);

} // namespace cli
