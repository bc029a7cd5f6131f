#pragma once

#include "cli/OptionNames.h"
#include "models/chart/ChartRequest.h"

#include <optional>
#include <string>

// `bazi chart`'s two modes share one writer: a request's chart in the form the options ask for.
namespace cli {

// Appends the chart of the request to `out` (one JSON line with --json, else the text's lines ended by LF or, with
// --crlf, CR LF); the refusal's message when there is no chart.
std::optional<std::string> writeChartOutput(std::string& out, const models::ChartRequest& request,
                                            const GivenOptions& given);

// bazi chart -: one JSON request a line of standard input, a chart (or a refusal) a line of output.
int runBatch(const GivenOptions& given);

} // namespace cli
