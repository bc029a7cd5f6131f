#include "models/chart/Chart.h"

#include "models/chart/DateLists.h"

#include "engine/support/RangeError.h"
#include "engine/support/Text.h"

using namespace engine;

namespace models {
namespace {

// "05": a month, day, hour or minute as the window's lists write it, for the messages that name a birth.
std::string listNumber(int n)
{
    return GetIntStr(static_cast<std::int16_t>(n));
}

// The Gregorian clock time of a lunar birth, or why the table has none.
std::variant<LocalTime, Refusal> resolveLunar(const LunarBirth& b)
{
    const auto day = toGregorian(b.year, b.month, b.day, b.leap);
    if (!day)
        return Refusal{Reason::noSuchLunarDate, "农历" + std::to_string(b.year) + "年" + (b.leap ? "闰" : "") +
                                                    listNumber(b.month) + "月" + listNumber(b.day) + "日不存在"};
    return LocalTime{*day} + std::chrono::hours{b.hour} + std::chrono::minutes{b.minute};
}

// The birth's clock time within the lunar table's days, or the refusal.
std::variant<LocalTime, Refusal> clockTime(const Birth& birth)
{
    auto t = std::holds_alternative<LunarBirth>(birth) ? resolveLunar(std::get<LunarBirth>(birth))
                                                       : std::variant<LocalTime, Refusal>(std::get<LocalTime>(birth));
    if (const auto* clock = std::get_if<LocalTime>(&t);
        clock && (*clock < LocalTime{kFirstLunarDay} || *clock >= LocalTime{kLastLunarDay + std::chrono::days{1}}))
        return Refusal{Reason::outOfRange, "出生日期超出范围（1900-01-31 至 2101-01-28）：" +
                                               writeDate(std::chrono::floor<std::chrono::days>(*clock))};
    return t;
}

// Every reading of the chart from the engine, once.
void gather(Chart& c, bool withStars)
{
    const BirthMoment& m = c.moment.birth();
    const PillarChars p = pillarChars(m);
    c.lunar = toLunar(std::chrono::floor<std::chrono::days>(m.solar));
    c.previousJie = jiePre(m.beijing(), m.terms);
    c.nextJie = jieNext(m.beijing(), m.terms);
    c.conception = conceptionPillar(monthCount(m));
    c.lifePalace = lifePalace(m);
    if (c.moment.options().palaceYear == PalaceYear::pillar) {
        // The same palace, its stem by the five tigers from the year pillar's stem (the year that turns at 立春).
        const int branch = lifePalaceBranch(floorMod(monthCount(m), 12), hourBranch(toCivil(m.solar).hour));
        c.lifePalace = ganZhiOf(palaceStem(floorMod(yearCount(m), 10), branch), branch);
    }
    c.pillars = pillarReadings(p);
    if (withStars)
        c.stars = starRows(p);
    c.luck = luckReadings(m, c.sexFlag());
    // The start age counts calendar-year boundaries between the birth and the hand-over.
    c.startYear = static_cast<int>(toCivil(c.luck.handOver).date.year());
    c.startAge = c.startYear - static_cast<int>(toCivil(m.clock).date.year());
}

// A birth of unknown hour keeps the three pillars that do not need it: every hour item, and 命宫, which counts
// from the hour, is left out.
void leaveOutHour(Chart& c)
{
    constexpr std::size_t kHour = 3;
    PillarReadings& p = c.pillars;
    p.chars.stems[kHour] = p.chars.branches[kHour] = kNoHour;
    p.tenGods[kHour] = p.branchTenGods[kHour] = p.growth[kHour] = p.naYin[kHour] = p.voids[kHour] = kNoHour;
    p.hiddenStems[kHour] = kNoHour;
    if (c.stars)
        for (auto& row : *c.stars)
            row[kHour] = kNoHour;
    c.lifePalace = kNoHour;
}

// The moment charted: the clock time as given, or, when nobody knows the hour, noon of its day read on the clock.
std::variant<Moment, Refusal> momentOf(LocalTime clock, const ChartRequest& request)
{
    if (!request.hourUnknown)
        return resolveMoment(clock, request.moment);
    auto moment = resolveMoment(std::chrono::floor<std::chrono::days>(clock) + std::chrono::hours{12}, request.moment);
    if (auto* resolved = std::get_if<Moment>(&moment))
        *resolved = resolved->onClockDay();
    return moment;
}

} // namespace

std::variant<LocalTime, Refusal> gregorianBirth(int year, int month, int day, int hour, int minute)
{
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok() || month < 1 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return Refusal{Reason::invalidBirth, "出生时间无效：" + std::to_string(year) + "-" + listNumber(month) + "-" +
                                                 listNumber(day) + " " + listNumber(hour) + ":" + listNumber(minute)};
    }
    return LocalTime{std::chrono::local_days{date}} + std::chrono::hours{hour} + std::chrono::minutes{minute};
}

std::optional<Refusal> refuseName(std::string_view name)
{
    if (engine::trimName(name).empty())
        return Refusal{Reason::noName, "请输入姓名"};
    return std::nullopt;
}

Layout layoutOf(std::string_view word)
{
    return word == "竖排" ? Layout::vertical : Layout::horizontal;
}

std::string_view layoutWord(Layout layout)
{
    return layout == Layout::vertical ? "竖排" : "横排";
}

std::variant<Chart, Refusal> chartOf(const ChartRequest& request, const Clock& now)
{
    if (auto refusal = refuseName(request.name))
        return *refusal;
    Chart c;
    c.name = std::string(trimName(request.name));
    try {
        const auto clock = clockTime(request.birth);
        if (const auto* refusal = std::get_if<Refusal>(&clock))
            return *refusal;
        auto moment = momentOf(std::get<LocalTime>(clock), request);
        if (auto* refusal = std::get_if<Refusal>(&moment))
            return std::move(*refusal);
        c.moment = std::get<Moment>(std::move(moment));
        c.male = request.male;
        c.layout = request.layout;
        c.hourKnown = !request.hourUnknown;
        gather(c, request.stars);
        if (!c.hourKnown)
            leaveOutHour(c);
        if (request.analysis || request.drawn)
            c.analysis = analysisOf(c);
        c.analysisShown = request.analysis;
        c.today = now();
    } catch (const RangeError& e) {
        return Refusal{Reason::outOfRange, std::string("日期超出范围：") + e.what()};
    }
    return c;
}

} // namespace models
