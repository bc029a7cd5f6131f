#include "engine/LandPP.h"

using namespace engine;
using namespace std::chrono;

namespace engine {

BirthMoment beijingMoment(LocalTime clock)
{
    BirthMoment m;
    m.clock = clock;
    m.utc = UtcTime{clock.time_since_epoch() - m.offset};
    m.solar = clock;
    return m;
}

DayHour dayHour(LocalTime solar, LateZi lateZi)
{
    const long day = dayCount(floor<days>(solar));
    const int hour = toCivil(solar).hour;
    const bool late = hour == 23; // 晚子: the first hour of the next day's 子
    // The next day's count is checked like any other: the last covered day's 23:00 has no next day.
    const long next = late && lateZi != LateZi::same ? dayCount(floor<days>(solar) + days{1}) : day;
    const long pillarDay = lateZi == LateZi::nextDay ? next : day;
    return {pillarDay, hourStem(next, hour), hourBranch(hour)};
}

int yearCount(const BirthMoment& m)
{
    return yearCount(m.beijing(), m.terms);
}

int monthCount(const BirthMoment& m)
{
    return monthCount(m.beijing(), m.terms);
}

std::array<std::string, 4> fourPillars(const BirthMoment& m)
{
    const DayHour dh = dayHour(m.solar, m.lateZi);
    std::string hourPillar(stemName(dh.stem));
    hourPillar += branchName(dh.branch);
    return {ganZhi(yearCount(m)), ganZhi(monthCount(m)), ganZhi(dh.day), hourPillar};
}

std::array<std::string, 4> fourPillars(LocalTime t)
{
    return fourPillars(beijingMoment(t));
}

} // namespace engine
