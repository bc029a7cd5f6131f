#include "options/ChartWords.h"

#include "engine/support/Utf8.h"
#include "options/Values.h"

#include <algorithm>

namespace options {
namespace {

constexpr std::string_view kVertical = "竖排"; // the default layout

std::optional<std::string> checkName(std::string_view name)
{
    const bool control = std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!engine::utf8::isValid(name) || control)
        return "the name must be one line of UTF-8 text: " + shown(name);
    return std::nullopt;
}

// The reason the options the chart adds to the birth make no request, or nothing.
std::optional<std::string> checkChartOptions(const GivenOptions& given, const std::optional<std::vector<int>>& date)
{
    const std::string_view layout = given.value("--layout").value_or(kVertical);
    if (auto bad = checkName(*given.value("--name")))
        return bad;
    if (!date)
        return "not a date: " + shown(*given.value("--date")) + " (expected YYYY-MM-DD, years 1900 to 2099)";
    if (layout != kVertical && layout != "横排")
        return "--layout is 竖排 or 横排, not " + shown(layout);
    return std::nullopt;
}

// The birth of the date numbers and the time: a lunar one as given, a Gregorian one checked to exist.
std::optional<models::Birth> birthOf(const BirthOptions& b, const std::vector<int>& date, std::string& error)
{
    if (b.lunar)
        return models::LunarBirth{date[0], date[1], b.leap, date[2], b.hour, b.minute};
    auto clock = models::gregorianBirth(date[0], date[1], date[2], b.hour, b.minute);
    if (auto* refusal = std::get_if<models::Refusal>(&clock)) {
        error = std::move(refusal->message);
        return std::nullopt;
    }
    return std::get<engine::LocalTime>(clock);
}

} // namespace

std::optional<models::ChartRequest> readChartRequest(const GivenOptions& given, std::string& error)
{
    if (auto missing = given.missing({"--name", "--sex", "--date", "--time"})) {
        error = std::move(*missing);
        return std::nullopt;
    }
    const auto birth = readBirthOptions(given, error, UnknownHour::accepted);
    if (!birth)
        return std::nullopt;
    const int lastDay = birth->lunar ? 30 : 31; // the chart refuses a day its month lacks
    const auto date = readNumbers(*given.value("--date"), '-', {{1900, 2099}, {1, 12}, {1, lastDay}});
    if (auto reason = checkChartOptions(given, date)) {
        error = std::move(*reason);
        return std::nullopt;
    }
    models::ChartRequest request;
    request.name = *given.value("--name");
    request.male = birth->male;
    request.layout = models::layoutOf(given.value("--layout").value_or(kVertical));
    request.stars = given.has("--stars");
    request.analysis = given.has("--analysis");
    request.hourUnknown = birth->hourUnknown;
    auto moment = readMomentOptions(given, error);
    const auto palaceYear = moment ? readPalaceYear(given, error) : std::nullopt;
    if (!palaceYear)
        return std::nullopt;
    request.moment = std::move(*moment);
    request.moment.palaceYear = *palaceYear;
    auto typed = birthOf(*birth, *date, error);
    if (!typed)
        return std::nullopt;
    request.birth = *typed;
    return request;
}

std::optional<models::ChartRequest> chartRequestOf(Args args, std::string& error)
{
    const GivenOptions given(args, kChartOptions);
    error = given.error();
    if (error.empty() && (given.help() || given.json() || given.has("--crlf")))
        error = "--help, --json and --crlf belong to bazi chart";
    return error.empty() ? readChartRequest(given, error) : std::nullopt;
}

} // namespace options
