#include "cli/ChartJson.h"

#include "cli/CliJson.h"
#include "engine/support/Text.h"
#include "models/chart/AnalysisText.h"
#include "models/chart/ChartText.h"
#include "models/solartime/MomentWords.h"

namespace cli {
namespace {

namespace words = models::words;

// The JSON's word for each pillar place, in the order of engine::PillarPlace: the natal pillars, then the periods.
constexpr std::string_view kPlaceKeys[] = {"year", "month", "day", "hour", "luck", "flowYear", "flowMonth", "flowDay"};

// An item that needs the unknown hour is null; every other the text.
JsonWriter& known(JsonWriter& json, std::string_view value)
{
    return value == models::kNoHour ? json.null() : json.text(value);
}

template <typename Range> JsonWriter& knownTexts(JsonWriter& json, const Range& values)
{
    json.open('[');
    for (const auto& value : values)
        known(json, value);
    return json.close(']');
}

// Lists of the four pillars, each a ","-separated text; null for the unknown hour's.
void writeLists(JsonWriter& json, const std::array<std::string, 4>& lists)
{
    json.open('[');
    for (const auto& list : lists)
        list == models::kNoHour ? json.null() : json.texts(engine::listEntries(list));
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
    json.open('{');
    for (std::size_t i = 0; i < chars.stems.size(); ++i)
        chars.stems[i] == models::kNoHour ? json.key(kPlaceKeys[i]).null()
                                          : json.key(kPlaceKeys[i]).text(chars.ganZhi(i));
    json.close('}');
}

// The birth in both calendars and, when an option differs from the default, the moment.
void writeBirth(JsonWriter& json, const models::Chart& c)
{
    json.key("name").text(c.name).key("sex").text(c.sexWord());
    if (c.hourKnown)
        json.key("birth").text(engine::writeTime(c.moment.clock()));
    else // the date alone: noon is only where the luck counts from
        json.key("birth").text(engine::writeDate(std::chrono::floor<std::chrono::days>(c.moment.clock())));
    if (!c.hourKnown)
        json.key("hourKnown").flag(false);
    json.key("lunar").text(engine::lunarText(c.lunar));
    if (!c.moment.options().isDefault())
        json.key("moment").raw(momentJson(c.moment, c.hourPillar()));
    json.key("terms").open('{');
    writeTerm(json.key("previous"), c.previousJie);
    writeTerm(json.key("next"), c.nextJie);
    json.close('}');
}

void writeReadings(JsonWriter& json, const models::Chart& c)
{
    const engine::PillarReadings& p = c.pillars;
    writePillars(json.key("pillars"), p.chars);
    json.key("conception").text(c.conception);
    known(json.key("lifePalace"), c.lifePalace);
    knownTexts(json.key("void"), p.voids);
    knownTexts(json.key("tenGods"), p.tenGods);
    writeLists(json.key("hiddenStems"), p.hiddenStems);
    knownTexts(json.key("growth"), p.growth);
    knownTexts(json.key("naYin"), p.naYin);
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

// {"木":n,…} in the order of the elements, and {"比肩":n,…} in the order of the ten gods: every key, zeros kept.
void writeElementCounts(JsonWriter& json, const std::array<int, 5>& counts)
{
    json.open('{');
    for (std::size_t e = 0; e < counts.size(); ++e)
        json.key(engine::elementName(static_cast<engine::Element>(e))).number(counts[e]);
    json.close('}');
}

void writeTenGodCounts(JsonWriter& json, const std::array<int, 10>& counts)
{
    json.open('{');
    for (std::size_t g = 0; g < counts.size(); ++g)
        json.key(engine::tenGodName(static_cast<int>(g))).number(counts[g]);
    json.close('}');
}

void writeRelations(JsonWriter& json, const std::vector<engine::Relation>& relations)
{
    json.open('[');
    for (const engine::Relation& r : relations) {
        json.open('{').key("kind").text(engine::relationName(r.kind)).key("chars").text(models::relationChars(r));
        json.key("pillars").open('[');
        for (int i = 0; i < r.count; ++i)
            json.text(kPlaceKeys[static_cast<std::size_t>(r.pillars[static_cast<std::size_t>(i)])]);
        json.close(']').key("element");
        r.element ? json.text(engine::elementName(*r.element)) : json.null();
        json.close('}');
    }
    json.close(']');
}

void writeNotices(JsonWriter& json, const std::vector<models::Notice>& notices)
{
    json.open('[');
    for (const models::Notice& n : notices) {
        json.open('{').key("kind").text(models::noticeKindWord(n.kind)).key("text").text(n.text);
        if (!n.term.empty())
            json.key("term").text(n.term);
        if (n.minutes)
            json.key("minutes").number(*n.minutes);
        if (!n.others.empty()) {
            json.key("others").open('[');
            for (const auto& other : n.others)
                json.open('{').key("what").text(other.what).key("pillar").text(other.pillar).close('}');
            json.close(']');
        }
        json.close('}');
    }
    json.close(']');
}

void writeAnalysis(JsonWriter& json, const models::ChartAnalysis& a)
{
    json.open('{');
    known(json.key("bodyPalace"), a.bodyPalace).key("breath").text(a.breath);
    constexpr std::string_view kNaYinKeys[] = {"conception", "breath", "lifePalace", "bodyPalace"};
    json.key("naYin").open('{');
    for (std::size_t i = 0; i < a.naYin.size(); ++i)
        known(json.key(kNaYinKeys[i]), a.naYin[i]);
    json.close('}');
    knownTexts(json.key("selfSeat"), a.selfSeats);
    writeRelations(json.key("relations"), a.relations);
    json.key("elements").open('{');
    writeElementCounts(json.key("visible"), a.elements.visible);
    writeElementCounts(json.key("withHidden"), a.elements.withHidden);
    json.close('}').key("tenGods").open('{');
    writeTenGodCounts(json.key("visible"), a.tenGods.visible);
    writeTenGodCounts(json.key("withHidden"), a.tenGods.withHidden);
    json.close('}').key("season").open('{');
    for (std::size_t e = 0; e < a.season.size(); ++e)
        json.key(engine::elementName(static_cast<engine::Element>(e))).text(engine::vigourName(a.season[e]));
    json.close('}');
    writeNotices(json.key("notices"), a.notices);
    json.close('}');
}

} // namespace

std::string momentJson(const models::Moment& moment, engine::HourPillar hour)
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
    if (m.solarKind != engine::SolarTimeKind::clock && hour == engine::HourPillar::unknown)
        object
            .json(words::kSolarTimeOption.json, "null") // not applied to a time nobody knows
            .text("solarTimeKind", words::of(words::kSolarTimes, m.solarKind).tool);
    else if (m.solarKind != engine::SolarTimeKind::clock)
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
    if (chart.analysis && chart.analysisShown)
        writeAnalysis(json.key("analysis"), *chart.analysis);
    json.close('}');
}

std::string chartJson(const models::Chart& chart)
{
    std::string out;
    writeChartJson(out, chart);
    return out;
}

} // namespace cli
