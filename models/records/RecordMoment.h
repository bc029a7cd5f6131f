#pragma once

#include "models/chart/ChartRequest.h"
#include "models/records/RecordFile.h"

#include <string>
#include <string_view>
#include <variant>

// A stored chart read back into the request that made it: the birth of its first two rows, the options of the header
// rows after them, the layout and the stars its rows show. A record re-charts this way whatever the window's
// current choices; a record without header rows gives the default options, as records were always charted.
namespace models {

// "乌鲁木齐（新疆）": a place as the chart's header row names it.
std::string placeLabel(const Place& place);

// The place such a label names; of places sharing it, the one at the longitude (to two decimals) when given.
const Place* placeOfLabel(std::string_view label, std::optional<double> longitude = std::nullopt);

// The options stated by the header rows (the rows after the first two, up to the first empty row), or the reason
// they cannot be read: a place the table lacks, a longitude or a row that is not in the form the chart writes.
std::variant<MomentOptions, std::string> readMomentRows(std::string_view chart);

// The request that re-charts the stored chart, or the reason there is none: no birth time, or unreadable options.
// The date is the Gregorian one of chart row 2.
std::variant<ChartRequest, std::string> recordRequest(const StoredRecord& record);

} // namespace models
