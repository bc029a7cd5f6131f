#include "cli/ChartJson.h"

#include "cli/CliJson.h"
#include "engine/support/Text.h"
#include "models/chart/ChartText.h"
#include "models/solartime/MomentWords.h"

#include <ranges>

namespace cli {
namespace {

namespace words = models::words;

// Lists of the four pillars, each a ","-separated text.
std::string listsJson(const std::array<std::string, 4>& lists)
{
    return jsonArray(lists, [](const std::string& list) { return jsonStrings(engine::listEntries(list)); });
}

std::string starsJson(const std::optional<engine::StarRows>& stars)
{
    if (!stars)
        return "null";
    constexpr std::string_view kKeys[] = {"yearBranch", "yearStem", "monthBranch", "dayBranch", "dayStem"};
    JsonObject object;
    for (std::size_t c = 0; c < std::size(kKeys); ++c)
        object.json(kKeys[c], listsJson((*stars)[c]));
    return object.str();
}

std::string luckJson(const models::Chart& c)
{
    return jsonArray(std::views::iota(std::size_t{0}, c.luck.pillars.size()), [&c](std::size_t i) {
        const int decades = static_cast<int>(10 * i);
        return JsonObject()
            .text("pillar", engine::ganZhiName(c.luck.pillars[i]))
            .text("tenGod", c.luck.tenGods[i])
            .text("growth", c.luck.growth[i])
            .text("naYin", c.luck.naYin[i])
            .number("age", c.startAge + decades)
            .number("year", c.startYear + decades)
            .str();
    });
}

std::string termJson(const engine::Term& term)
{
    return JsonObject().text("name", engine::termName(term.n)).text("time", engine::writeTime(term.at)).str();
}

std::string pillarsJson(const engine::PillarChars& chars)
{
    JsonObject pillars;
    constexpr std::string_view kPillars[] = {"year", "month", "day", "hour"};
    for (std::size_t i = 0; i < std::size(kPillars); ++i)
        pillars.text(kPillars[i], chars.ganZhi(i));
    return pillars.str();
}

} // namespace

std::string momentJson(const models::Moment& moment)
{
    const models::MomentOptions& o = moment.options();
    const engine::BirthMoment& m = moment.birth();
    JsonObject object;
    if (o.place)
        object.text(words::kPlaceOption.json, models::placeName(*o.place)).text("region", o.place->region);
    if (const auto longitude = o.effectiveLongitude())
        object.json(words::kLongitudeOption.json, models::degreesText(*longitude));
    if (!m.zone.empty())
        object.text(words::kZoneOption.json, m.zone)
            .text("utcOffset", models::offsetText(m.offset).substr(3))
            .flag("dst", m.dst);
    if (o.fold != zones::Fold::none)
        object.text(words::kFoldOption.json, words::of(words::kFolds, o.fold).tool);
    object.text("utc", engine::writeTime(engine::LocalTime{m.utc.time_since_epoch()}));
    if (m.solarKind != engine::SolarTimeKind::clock)
        object.text(words::kSolarTimeOption.json, engine::writeTime(m.solar))
            .text("solarTimeKind", words::of(words::kSolarTimes, m.solarKind).tool);
    if (o.terms != models::TermMethod::mean)
        object.text(words::kTermsOption.json, words::of(words::kTermMethods, o.terms).tool);
    if (m.lateZi != engine::LateZi::same)
        object.text(words::kLateZiOption.json, words::of(words::kLateZis, m.lateZi).tool);
    return object.str();
}

std::string chartJson(const models::Chart& c)
{
    JsonObject object;
    object.text("name", c.name)
        .text("sex", c.sexWord())
        .text("birth", engine::writeTime(c.moment.clock()))
        .text("lunar", engine::lunarText(c.lunar));
    if (!c.moment.options().isDefault())
        object.json("moment", momentJson(c.moment));
    const engine::PillarReadings& p = c.pillars;
    return object
        .json("terms", JsonObject().json("previous", termJson(c.previousJie)).json("next", termJson(c.nextJie)).str())
        .json("pillars", pillarsJson(p.chars))
        .text("conception", c.conception)
        .text("lifePalace", c.lifePalace)
        .json("void", jsonStrings(p.voids))
        .json("tenGods", jsonStrings(p.tenGods))
        .json("hiddenStems", listsJson(p.hiddenStems))
        .json("growth", jsonStrings(p.growth))
        .json("naYin", jsonStrings(p.naYin))
        .json("stars", starsJson(c.stars))
        .text("startAge", engine::startAgeText(c.luck.age))
        .text("handOver", engine::writeTime(c.luck.handOver))
        .number("startYear", c.startYear)
        .json("luck", luckJson(c))
        .json("yearly", jsonArray(std::views::iota(0, engine::LuckReadings::kYearlyPillars),
                                  [&c](int i) { return jsonString(engine::ganZhiName(c.luck.firstYearly + i)); }))
        .str();
}

} // namespace cli
