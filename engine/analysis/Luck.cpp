#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"

#include <algorithm>

using namespace engine;
using namespace std::chrono;

namespace {

// Three days of real time count as one year of age.
constexpr int kMinutesPerYear = 4320;
constexpr int kMinutesPerMonth = 360;
constexpr int kMinutesPerDay = 12;
constexpr int kHoursPerMinute = 2;

// Decades 0 to 100 after the cycle start are examined for the pillar in force.
constexpr int kLastDecade = 100;

// Calendar addition keeps the day when the month has it and otherwise takes the month's last day.
year_month_day clampToMonthEnd(year_month_day ymd)
{
    return ymd.ok() ? ymd : ymd.year() / ymd.month() / last;
}

} // namespace

namespace engine {

bool luckForward(int yearCount, int sex)
{
    // 阳男阴女顺排，阴男阳女逆排; an even year count has a yang stem (甲丙戊庚壬).
    const bool yang = floorMod(yearCount, 2) == 0;
    return (sex == 1 && yang) || (sex == 0 && !yang);
}

bool luckForward(LocalTime birth, int sex)
{
    return luckForward(yearCount(birth), sex);
}

LuckTerms luckTerms(LocalTime birth)
{
    // The month's own 节 when the birth is at or after it, else the one before; January reaches back to the
    // previous year's 大雪 and December forward to the next year's 小寒.
    return {jiePre(birth).at, jieNext(birth).at};
}

long long startMinutes(LocalTime birth, bool forward)
{
    return startMinutes(birth, forward, termInstant);
}

long long startMinutes(LocalTime beijing, bool forward, TermSource terms)
{
    // The month's own 节 when the birth is at or after it, else the one before (see luckTerms).
    const LocalTime from = forward ? beijing : jiePre(beijing, terms).at;
    const LocalTime to = forward ? jieNext(beijing, terms).at : beijing;
    return (floor<minutes>(to) - floor<minutes>(from)).count(); // each instant truncated to its minute
}

StartAge startAge(long long minutes)
{
    return {static_cast<int>(floorDiv(minutes, kMinutesPerYear)),
            floorMod(minutes, kMinutesPerYear) / kMinutesPerMonth, // [0, 11]
            floorMod(minutes, kMinutesPerMonth) / kMinutesPerDay,  // [0, 29]
            floorMod(minutes, kMinutesPerDay) * kHoursPerMinute};  // [0, 22]
}

StartAge startAge(LocalTime birth, int sex)
{
    return startAge(startMinutes(birth, luckForward(birth, sex)));
}

std::string startAgeText(const StartAge& age)
{
    std::string text = std::to_string(age.years);
    text += "年";
    text += std::to_string(age.months);
    text += "月";
    text += std::to_string(age.days);
    text += "天";
    text += std::to_string(age.hours);
    text += "时";
    return text;
}

LocalTime handOver(LocalTime birth, const StartAge& age)
{
    const LocalDays day = floor<days>(birth);
    year_month_day date = clampToMonthEnd(year_month_day{day} + years{age.years}); // 29 February may clamp too
    date = clampToMonthEnd(date + months{age.months});
    return LocalTime{LocalDays{date}} + days{age.days} + (birth - day) + hours{age.hours};
}

LocalTime handOver(LocalTime birth, int sex)
{
    return handOver(birth, startAge(birth, sex));
}

int luckPillar(int monthCount, bool forward, int i)
{
    return forward ? monthCount + 1 + i : monthCount - 1 - i;
}

std::array<int, 8> luckPillars(LocalTime birth, int sex)
{
    const bool forward = luckForward(birth, sex);
    const int n = monthCount(birth);
    std::array<int, 8> pillars{};
    for (std::size_t i = 0; i < pillars.size(); ++i)
        pillars[i] = luckPillar(n, forward, static_cast<int>(i));
    return pillars;
}

std::optional<int> luckPillarAt(LocalTime birth, LocalTime query, int sex)
{
    query = std::max(query, birth);
    const bool forward = luckForward(birth, sex);
    const int n = monthCount(birth);
    const year_month_day h{floor<days>(handOver(birth, sex))};
    const year_month_day start = h.year() / h.month() / 1; // the cycles count from the hand-over month's first day
    if (query < LocalTime{LocalDays{start}})
        return std::nullopt;
    for (int i = 0; i <= kLastDecade; ++i) {
        const LocalTime from{LocalDays{start + years{10 * i}}};
        const LocalTime to{LocalDays{start + years{10 * (i + 1)}}};
        if (from < query && query < to) // a boundary belongs to neither decade
            return luckPillar(n, forward, i);
    }
    return std::nullopt;
}

int yearlyPillarStart(LocalTime birth, int sex)
{
    return yearCount(handOver(birth, sex));
}

SmallLuck smallLuck(LocalTime birth, bool forward, int i)
{
    const int hour = toCivil(birth).hour;
    const int stem = hourStem(dayCount(floor<days>(birth)), hour);
    const int branch = hourBranch(hour);
    const int step = forward ? 1 + i : -1 - i;
    return {floorMod(stem + step, 10), floorMod(branch + step, 12)};
}

} // namespace engine

std::string LandPP::QiYun(std::string& sTime, std::int16_t iSex) const
{
    return startAgeText(startAge(acceptFullTime(sTime, m_now), iSex));
}

std::string LandPP::JiaoYun(std::string& sTime, std::int16_t iSex) const
{
    return writeTime(handOver(acceptFullTime(sTime, m_now), iSex));
}

std::int16_t LandPP::DaYunGZ(std::string& sTime, std::string& sTime2, std::int16_t iSex) const
{
    const BirthAndQuery t = acceptBirthAndQuery(sTime, sTime2, m_now);
    return static_cast<std::int16_t>(luckPillarAt(t.birth, t.query, iSex).value_or(0));
}

std::string LandPP::DaYunGan(std::string& sTime, std::string& sTime2, std::int16_t iSex) const
{
    const std::int16_t pillar = DaYunGZ(sTime, sTime2, iSex);
    return pillar == 0 ? std::string{} : TianGan(pillar);
}

std::string LandPP::DaYunZhi(std::string& sTime, std::string& sTime2, std::int16_t iSex) const
{
    const std::int16_t pillar = DaYunGZ(sTime, sTime2, iSex);
    return pillar == 0 ? std::string{} : DiZhi(pillar);
}

std::array<std::string, 100> LandPP::XiaoYun(std::string& sTime, std::int16_t iSex) const
{
    const LocalTime birth = acceptFullTime(sTime, m_now);
    const bool forward = luckForward(birth, iSex);
    std::array<std::string, 100> result;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const SmallLuck p = smallLuck(birth, forward, static_cast<int>(i));
        result[i] = std::string(stemName(p.stem)) + std::string(branchName(p.branch));
    }
    return result;
}
