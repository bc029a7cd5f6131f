#pragma once

#include "cli/CliOptions.h"
#include "models/chart/ChartComposer.h"

#include <optional>
#include <string>

namespace cli {

// The request that `bazi chart`'s birth options make (--name --sex --date --time --lunar --leap --layout --stars
// and the moment options), read and checked exactly as the chart command reads them; the desktop program's
// --export takes the same words. --json, --crlf and --help ask for text output and are refused here.
std::optional<models::ChartRequest> chartRequestOf(Args args, std::string& error);

} // namespace cli
