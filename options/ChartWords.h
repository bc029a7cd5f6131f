#pragma once

#include "models/chart/ChartRequest.h"
#include "options/ReadMoment.h"

#include <array>
#include <optional>
#include <string>

// The words of one chart request: the birth options of `bazi chart` (--name --sex --date --time --lunar --leap
// --layout --stars --analysis --palace-year and the moment options), read and checked alike by the tool, its batch
// lines and the desktop program's --export.
namespace options {

inline constexpr auto kChartOptions = withMomentOptions(std::array<NamedOption, 11>{{
    {"--name", kValue},
    {"--sex", kValue},
    {"--date", kValue},
    {"--time", kValue},
    {"--layout", kValue},
    {"--lunar"},
    {"--leap"},
    {"--stars"},
    {"--analysis"},
    {"--crlf"},
    {models::words::kPalaceYearOption.tool, kValue},
}});

// The request the options make, typed, or nothing with the reason (naming the option or value) in `error`.
std::optional<models::ChartRequest> readChartRequest(const GivenOptions& given, std::string& error);

// The request of the desktop program's --export: the chart's options as the tool reads them, without --json, --crlf
// and --help, which ask for text output.
std::optional<models::ChartRequest> chartRequestOf(Args args, std::string& error);

} // namespace options
