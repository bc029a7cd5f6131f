#include "models/chart/ChartAnalysis.h"

#include "models/chart/Chart.h"

#include "engine/support/RangeError.h"
#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

constexpr std::size_t kYear = 0, kMonth = 1, kDay = 2, kHour = 3;

// The stem of the palaces' year: the calendar year's number, or the year pillar's stem.
int palaceYearStem(const Moment& moment)
{
    if (moment.options().palaceYear == PalaceYear::pillar)
        return floorMod(yearCount(moment.birth()), 10);
    return calendarYearStem(static_cast<int>(toCivil(moment.birth().solar).date.year()));
}

// Among the four pillars, or the first three when the hour is unknown.
std::vector<Relation> natalRelations(const PillarChars& p, HourPillar hour)
{
    constexpr PillarPlace kPlaces[] = {PillarPlace::year, PillarPlace::month, PillarPlace::day, PillarPlace::hour};
    std::array<PillarValue, 4> values{};
    for (std::size_t i = 0; i < 4; ++i)
        values[i] = {kPlaces[i], stemIndex(p.stems[i]), branchIndex(p.branches[i])};
    return relationsAmong(std::span(values).first(hour == HourPillar::known ? 4 : 3));
}

// 身宫 counts from the hour branch as 命宫 does: without the hour neither palace, nor its NaYin, is known.
void leaveOutHour(ChartAnalysis& a)
{
    a.bodyPalace = kNoHour;
    a.naYin[2] = a.naYin[3] = kNoHour;
    a.selfSeats[kHour] = kNoHour;
}

} // namespace

ChartAnalysis analysisOf(const Chart& chart)
{
    const Moment& moment = chart.moment;
    const PillarChars& p = chart.pillars.chars;
    ChartAnalysis a;
    const int monthBranch = branchIndex(p.branches[kMonth]);
    if (chart.hourKnown) {
        const Palaces palaces = palacesOf(monthBranch, branchIndex(p.branches[kHour]), palaceYearStem(moment));
        a.bodyPalace = ganZhiOf(palaces.bodyStem, palaces.bodyBranch);
    }
    const StemBranch breath = breathPillar(stemIndex(p.stems[kDay]), branchIndex(p.branches[kDay]));
    a.breath = ganZhiOf(breath.stem, breath.branch);
    a.naYin = {naYin(chart.conception), naYin(a.breath), naYin(chart.lifePalace), naYin(a.bodyPalace)};
    a.selfSeats = selfSeats(p);
    a.relations = natalRelations(p, chart.hourPillar());
    a.elements = elementCounts(p, chart.hourPillar());
    a.tenGods = tenGodCounts(p, chart.hourPillar());
    a.season = seasonOf(monthBranch);
    a.notices = noticesOf(moment, chart.previousJie, chart.nextJie, chart.hourPillar());
    if (!chart.hourKnown)
        leaveOutHour(a);
    return a;
}

std::string_view placeName(PillarPlace place)
{
    constexpr std::string_view kNames[] = {"年", "月", "日", "时", "运", "岁", "月", "日"};
    return kNames[static_cast<std::size_t>(place)];
}

} // namespace models
