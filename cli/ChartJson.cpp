#include "cli/ChartJson.h"

#include "cli/CliJson.h"
#include "engine/support/Text.h"
#include "models/chart/ChartText.h"
#include "models/solartime/MomentWords.h"

namespace cli {
namespace {

namespace words = models::words;

// Lists of the four pillars, each a ","-separated text.
void writeLists(JsonWriter& json, const std::array<std::string, 4>& lists)
{
    json.open('[');
    for (const auto& list : lists)
        json.texts(engine::listEntries(list));
    json.close(']');
}

void writeStars(JsonWriter& json, const std::optional<engine::StarRows>& stars)
{
    if (!stars) {
        json.null();
        return;
    }
    constexpr std::string_view kKeys[] = {"yearBranch", "yearStem", "monthBranch", "dayBranch", "dayStem"};
    json.open('{');
    for (std::size_t c = 0; c < std::size(kKeys); ++c)
        writeLists(json.key(kKeys[c]), (*stars)[c]);
    json.close('}');
}

void writeLuck(JsonWriter& json, const models::Chart& c)
{
    json.open('[');
    for (std::size_t i = 0; i < c.luck.pillars.size(); ++i) {
        const int decades = static_cast<int>(10 * i);
        json.open('{')
            .key("pillar")
            .text(engine::ganZhiName(c.luck.pillars[i]))
            .key("tenGod")
            .text(c.luck.tenGods[i])
            .key("growth")
            .text(c.luck.growth[i])
            .key("naYin")
            .text(c.luck.naYin[i])
            .key("age")
            .number(c.startAge + decades)
            .key("year")
            .number(c.startYear + decades)
            .close('}');
    }
    json.close(']');
}

void writeTerm(JsonWriter& json, const engine::Term& term)
{
    json.open('{').key("name").text(engine::termName(term.n)).key("time").text(engine::writeTime(term.at)).close('}');
}

void writePillars(JsonWriter& json, const engine::PillarChars& chars)
{
    constexpr std::string_view kPillars[] = {"year", "month", "day", "hour"};
    json.open('{');
    for (std::size_t i = 0; i < std::size(kPillars); ++i)
        json.key(kPillars[i]).text(chars.ganZhi(i));
    json.close('}');
}

// The birth in both calendars and, when an option differs from the default, the moment.
void writeBirth(JsonWriter& json, const models::Chart& c)
{
    json.key("name").text(c.name).key("sex").text(c.sexWord());
    json.key("birth").text(engine::writeTime(c.moment.clock())).key("lunar").text(engine::lunarText(c.lunar));
    if (!c.moment.options().isDefault())
        json.key("moment").raw(momentJson(c.moment));
    json.key("terms").open('{');
    writeTerm(json.key("previous"), c.previousJie);
    writeTerm(json.key("next"), c.nextJie);
    json.close('}');
}

void writeReadings(JsonWriter& json, const models::Chart& c)
{
    const engine::PillarReadings& p = c.pillars;
    writePillars(json.key("pillars"), p.chars);
    json.key("conception").text(c.conception).key("lifePalace").text(c.lifePalace);
    json.key("void").texts(p.voids).key("tenGods").texts(p.tenGods);
    writeLists(json.key("hiddenStems"), p.hiddenStems);
    json.key("growth").texts(p.growth).key("naYin").texts(p.naYin);
    writeStars(json.key("stars"), c.stars);
}

void writeLuckSection(JsonWriter& json, const models::Chart& c)
{
    json.key("startAge").text(engine::startAgeText(c.luck.age));
    json.key("handOver").text(engine::writeTime(c.luck.handOver));
    json.key("startYear").number(c.startYear);
    writeLuck(json.key("luck"), c);
    json.key("yearly").open('[');
    for (int i = 0; i < engine::LuckReadings::kYearlyPillars; ++i)
        json.text(engine::ganZhiName(c.luck.firstYearly + i));
    json.close(']');
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
    if (o.palaceYear != models::PalaceYear::calendar)
        object.text(words::kPalaceYearOption.json, words::of(words::kPalaceYears, o.palaceYear).tool);
    return object.str();
}

void writeChartJson(std::string& out, const models::Chart& chart)
{
    JsonWriter json(out);
    json.open('{');
    writeBirth(json, chart);
    writeReadings(json, chart);
    writeLuckSection(json, chart);
    json.close('}');
}

std::string chartJson(const models::Chart& chart)
{
    std::string out;
    writeChartJson(out, chart);
    return out;
}

} // namespace cli
