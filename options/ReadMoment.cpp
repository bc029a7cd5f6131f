#include "options/ReadMoment.h"

#include "engine/support/Text.h"
#include "models/solartime/MomentWords.h"
#include "options/Values.h"
#include "zones/Zones.h"

#include <charconv>
#include <cmath>

namespace options {
namespace {

constexpr double kMaxLongitude = 180.0;

// A plain decimal number taking the whole text.
std::optional<double> readDecimal(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The part of `text` before `mark` read as a number below 60 (minutes or seconds), the rest left in `text`.
std::optional<double> readSexagesimal(std::string_view& text, std::initializer_list<std::string_view> marks)
{
    for (const std::string_view mark : marks) {
        const auto at = text.find(mark);
        if (at == std::string_view::npos)
            continue;
        const auto value = readDecimal(text.substr(0, at));
        text.remove_prefix(at + mark.size());
        return value && *value >= 0 && *value < 60 ? value : std::nullopt;
    }
    return text.empty() ? std::optional(0.0) : std::nullopt;
}

std::optional<double> readDegreesMinutes(std::string_view text)
{
    const auto degreeMark = text.find("°");
    if (degreeMark == std::string_view::npos)
        return readDecimal(text);
    const bool west = text.starts_with('-');
    const auto degrees = readDecimal(text.substr(west ? 1 : 0, degreeMark - (west ? 1 : 0)));
    std::string_view rest = text.substr(degreeMark + std::string_view("°").size());
    const auto minutes = readSexagesimal(rest, {"′", "'"});
    const auto seconds = minutes ? readSexagesimal(rest, {"″", "\""}) : std::nullopt;
    if (!degrees || *degrees < 0 || !seconds || !rest.empty())
        return std::nullopt;
    const double value = *degrees + *minutes / 60 + *seconds / 3600;
    return west ? -value : value;
}

// The value of a word option, its default when not given, or nothing with the refusal naming the words it takes.
template <typename Value, std::size_t N>
std::optional<Value> readChoice(const GivenOptions& given, const models::words::OptionNames& option,
                                const std::array<models::words::ValueWords<Value>, N>& table, std::string& error)
{
    const auto text = given.value(option.tool);
    if (!text)
        return table[0].value;
    if (const auto value = models::words::byTool(table, *text))
        return value;
    std::string words;
    for (const auto& w : table) {
        if (w.tool.empty())
            continue;
        if (!words.empty())
            words += '|';
        words += w.tool;
    }
    error = std::string(option.tool) + " is " + words + ", not " + shown(*text);
    return std::nullopt;
}

std::optional<models::TermMethod> readTermMethod(const GivenOptions& given, std::string& error)
{
    return readChoice(given, models::words::kTermsOption, models::words::kTermMethods, error);
}

// The place a --place names, or the reason: unknown, or ambiguous with the candidates listed.
const models::Place* readPlace(std::string_view name, std::string& error)
{
    if (const models::Place* place = models::findPlace(name))
        return place;
    const auto candidates = models::findPlaces(name, 5);
    if (candidates.empty()) {
        error = "unknown place " + shown(name) + " (see bazi places)";
        return nullptr;
    }
    error = "place " + shown(name) + " is ambiguous: ";
    for (std::size_t i = 0; i < candidates.size(); ++i)
        error += (i ? ", " : "") + models::placeName(*candidates[i]) + " " + std::string(candidates[i]->region);
    return nullptr;
}

bool readWhere(const GivenOptions& given, models::MomentOptions& o, std::string& error)
{
    if (const auto zone = given.value(models::words::kZoneOption.tool)) {
        if (auto refusal = zones::refuseZone(*zone)) {
            error = std::move(refusal->message);
            return false;
        }
        o.zone = *zone;
    }
    if (const auto place = given.value(models::words::kPlaceOption.tool)) {
        o.place = readPlace(*place, error);
        if (!o.place)
            return false;
    }
    if (const auto longitude = given.value(models::words::kLongitudeOption.tool)) {
        o.longitude = readLongitude(*longitude);
        if (!o.longitude) {
            error = "not a longitude: " + shown(*longitude) + " (degrees east, -180 to 180: 116.47 or 116°28′)";
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<engine::TermSource> readTermSource(const GivenOptions& given, std::string& error)
{
    const auto method = readTermMethod(given, error);
    return method ? std::optional(models::termSource(*method)) : std::nullopt;
}

bool hasMomentOptions(const GivenOptions& given)
{
    for (const NamedOption& option : kMomentOptions)
        if (given.has(option.name))
            return true;
    return false;
}

std::optional<double> readLongitude(std::string_view text)
{
    const auto value = readDegreesMinutes(engine::trimBlanks(text));
    return value && std::abs(*value) <= kMaxLongitude ? value : std::nullopt;
}

std::optional<models::MomentOptions> readMomentOptions(const GivenOptions& given, std::string& error)
{
    using engine::SolarTimeKind;
    models::MomentOptions o;
    const auto terms = readTermMethod(given, error);
    namespace w = models::words;
    const auto solar = terms ? readChoice(given, w::kSolarTimeOption, w::kSolarTimes, error) : std::nullopt;
    const auto lateZi = solar ? readChoice(given, w::kLateZiOption, w::kLateZis, error) : std::nullopt;
    const auto fold = lateZi ? readChoice(given, w::kFoldOption, w::kFolds, error) : std::nullopt;
    if (!fold || !readWhere(given, o, error))
        return std::nullopt;
    o.terms = *terms;
    o.solarTime = *solar;
    o.lateZi = *lateZi;
    o.fold = *fold;
    if (o.solarTime != SolarTimeKind::clock && !o.effectiveLongitude()) {
        error = std::string(w::kSolarTimeOption.tool) + " " + std::string(*given.value(w::kSolarTimeOption.tool)) +
                " needs --place or --longitude";
        return std::nullopt;
    }
    return o;
}

std::optional<models::PalaceYear> readPalaceYear(const GivenOptions& given, std::string& error)
{
    return readChoice(given, models::words::kPalaceYearOption, models::words::kPalaceYears, error);
}

std::optional<std::string> checkMomentOptions(const GivenOptions& given)
{
    std::string error;
    if (!readMomentOptions(given, error))
        return error;
    return std::nullopt;
}

} // namespace options
