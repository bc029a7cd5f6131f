#include "models/records/RecordMoment.h"

#include "models/chart/AnalysisText.h"
#include "models/solartime/MomentWords.h"

#include "engine/support/Text.h"

#include <charconv>
#include <vector>

namespace models {
namespace {

namespace w = words;
constexpr std::string_view kNameLabel = "姓名：";
constexpr std::string_view kSexLabel = "性别：";
constexpr std::string_view kContinuation = "       "; // a chart row without label

// The chart's rows without their line ends (CR LF as stored, LF as the tool prints).
std::vector<std::string_view> rowsOf(std::string_view chart)
{
    std::vector<std::string_view> rows;
    while (!chart.empty()) {
        const std::size_t end = std::min(chart.find('\n'), chart.size());
        std::string_view row = chart.substr(0, end);
        if (row.ends_with('\r'))
            row.remove_suffix(1);
        rows.push_back(row);
        chart.remove_prefix(std::min(end + 1, chart.size()));
    }
    return rows;
}

// "东经116.47°" or "西经74.01°" in degrees east.
std::optional<double> readDegrees(std::string_view text)
{
    using w::kDegree, w::kEast, w::kWest;
    const bool west = text.starts_with(kWest);
    if (!west && !text.starts_with(kEast))
        return std::nullopt;
    text.remove_prefix(kEast.size());
    if (!text.ends_with(kDegree))
        return std::nullopt;
    text.remove_suffix(kDegree.size());
    double degrees = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    if (error != std::errc() || end != text.data() + text.size() || degrees > 180)
        return std::nullopt;
    return west ? -degrees : degrees;
}

// "<zone> UTC±HH:MM[ 夏令时][ 取较早|取较晚]": the zone and the fold; the offset and summer time follow from them.
bool readZone(std::string_view text, MomentOptions& o)
{
    const std::size_t space = text.find(' ');
    if (space == 0 || space == std::string_view::npos)
        return false;
    o.zone = std::string(text.substr(0, space));
    for (const auto& fold : w::kFolds)
        if (!fold.row.empty() && text.ends_with(fold.row))
            o.fold = fold.value;
    return true;
}

// Reads one header row into the options; false for a row in no form the chart writes.
bool readRow(std::string_view row, MomentOptions& o, std::string_view& place, std::optional<double>& longitude)
{
    if (row.starts_with(w::kPlaceRow)) {
        place = row.substr(w::kPlaceRow.size());
        return true;
    }
    if (row.starts_with(w::kLongitudeRow))
        return (longitude = readDegrees(row.substr(w::kLongitudeRow.size()))).has_value();
    if (row.starts_with(w::kZoneRow))
        return readZone(row.substr(w::kZoneRow.size()), o);
    for (const auto& solar : w::kSolarTimes) {
        // The solar time itself is recomputed from the clock time and the longitude.
        if (!solar.row.empty() && row.starts_with(solar.row)) {
            o.solarTime = solar.value;
            return true;
        }
    }
    if (const auto terms = w::byRow(w::kTermMethods, row))
        o.terms = *terms;
    else if (const auto lateZi = w::byRow(w::kLateZis, row))
        o.lateZi = *lateZi;
    else if (const auto palaceYear = w::byRow(w::kPalaceYears, row))
        o.palaceYear = *palaceYear;
    else
        return false;
    return true;
}

// The name between "姓名：" and "性别：" in row 1.
std::string readName(std::string_view row)
{
    const auto from = row.find(kNameLabel);
    const auto to = row.find(kSexLabel);
    if (from == std::string_view::npos || to == std::string_view::npos || to < from)
        return {};
    const auto start = from + kNameLabel.size();
    return std::string(engine::trimName(row.substr(start, to - start))); // as the chart trimmed it
}

// The layout, the stars and the analysis as the stored rows show them: 竖排 puts the branches on an unlabelled row
// under the stems; the stars start with a "年支：" row, the analysis with a "身宫：" row.
void readShape(const std::vector<std::string_view>& rows, ChartRequest& request)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if ((rows[i].starts_with("男命：") || rows[i].starts_with("女命：")) && i + 1 < rows.size())
            request.layout = rows[i + 1].starts_with(kContinuation) ? Layout::vertical : Layout::horizontal;
        if (rows[i].starts_with("年支："))
            request.stars = true;
        if (rows[i].starts_with(kBodyPalaceLabel)) // the analysis rows follow the yearly pillars
            request.analysis = true;
    }
}

} // namespace

std::string placeLabel(const Place& place)
{
    return placeName(place) + "（" + std::string(place.region) + "）";
}

const Place* placeOfLabel(std::string_view label, std::optional<double> longitude)
{
    const Place* found = nullptr;
    for (const Place& place : allPlaces()) {
        if (placeLabel(place) != label)
            continue;
        if (!longitude || degreesText(place.longitude) == degreesText(*longitude))
            return &place;
        if (!found)
            found = &place; // a village's own longitude was stored with the place
    }
    return found;
}

std::variant<MomentOptions, std::string> readMomentRows(std::string_view chart)
{
    const auto rows = rowsOf(chart);
    MomentOptions o;
    std::string_view place;
    std::optional<double> longitude;
    for (std::size_t i = 2; i < rows.size() && !rows[i].empty(); ++i)
        if (!readRow(rows[i], o, place, longitude))
            return "不能识别的选项行：" + std::string(rows[i]);
    if (!place.empty() && !(o.place = placeOfLabel(place, longitude)))
        return "地名表中没有的出生地：" + std::string(place);
    if (o.place) {
        MomentOptions placeOnly;
        placeOnly.place = o.place;
        if (o.zone == placeOnly.effectiveZone())
            o.zone.clear(); // the place's own zone, as the chart was asked for
    }
    // A longitude the place implies stays the place's, unrounded, as it was charted.
    if (longitude && !(o.place && degreesText(o.place->longitude) == degreesText(*longitude)))
        o.longitude = longitude;
    return o;
}

std::variant<ChartRequest, std::string> recordRequest(const StoredRecord& record)
{
    if (!record.birth)
        return std::string("出生时间不能识别");
    auto moment = readMomentRows(record.chart);
    if (auto* reason = std::get_if<std::string>(&moment))
        return std::move(*reason);
    const auto rows = rowsOf(record.chart);
    ChartRequest request;
    request.name = readName(rows.front());
    request.male = record.sex != "女";
    request.birth = std::chrono::floor<std::chrono::minutes>(*record.birth); // the window charts whole minutes
    request.hourUnknown = record.hourUnknown;
    readShape(rows, request);
    request.moment = std::get<MomentOptions>(std::move(moment));
    return request;
}

} // namespace models
