#include "engine/LandPP.h"

using namespace engine;
using namespace std::chrono;

namespace {

constexpr LocalDays kDayCountEpoch{year{1900} / 1 / 1}; // day count 10, 甲戌
constexpr long kDayCountAtEpoch = 10;

// The counts are defined from 1900 on; past 2200 the mean term formula is no longer meant to be used.
year_month_day checkedDate(LocalTime t)
{
    const year_month_day ymd{floor<days>(t)};
    const int y = static_cast<int>(ymd.year());
    if (y < kFirstPillarYear || y > kLastPillarYear)
        throw RangeError("moment " + writeTime(t) + " is outside the years 1900-2200");
    return ymd;
}

} // namespace

namespace engine {

int yearCountIn(int year, bool fromLiChun)
{
    return fromLiChun ? year - 1864 : year - 1865; // 1864 is a 甲子 year
}

int monthCountIn(int year, int month0, bool fromJie)
{
    // 12 is 丙子, the month before 1900's first 节
    return 12 * (year - 1900) + month0 + (fromJie ? 13 : 12);
}

int yearCount(LocalTime t, TermSource terms)
{
    const int y = static_cast<int>(checkedDate(t).year());
    return yearCountIn(y, t >= terms(y, 2)); // the year turns at 立春
}

int monthCount(LocalTime t, TermSource terms)
{
    const year_month_day ymd = checkedDate(t);
    const int y = static_cast<int>(ymd.year());
    const int m0 = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1; // [0, 11]
    return monthCountIn(y, m0, t >= terms(y, 2 * m0));                       // the month turns at its 节
}

long dayCount(LocalDays d)
{
    checkedDate(LocalTime{d});
    return static_cast<long>((d - kDayCountEpoch).count()) + kDayCountAtEpoch;
}

int hourBranch(int hour)
{
    return ((hour + 1) / 2) % 12; // [0, 11]; 23:00 already belongs to 子
}

int hourStem(long dayCount, int hour)
{
    // 甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途
    const int dayStem = floorMod(dayCount, 10);         // [0, 9]
    return (hourBranch(hour) + 2 * (dayStem % 5)) % 10; // [0, 9]
}

} // namespace engine

std::int16_t LandPP::GZYear(std::string& sTime) const
{
    return static_cast<std::int16_t>(yearCount(acceptFullTime(sTime, m_now)));
}

std::int16_t LandPP::GZMonth(std::string& sTime) const
{
    return static_cast<std::int16_t>(monthCount(acceptFullTime(sTime, m_now)));
}

std::int32_t LandPP::GZDay(std::string& sTime) const
{
    return static_cast<std::int32_t>(dayCount(floor<days>(acceptTime(sTime, m_now))));
}

std::string LandPP::YearTianGan(std::string& sTime) const
{
    return TianGan(GZYear(sTime));
}

std::string LandPP::YearDiZhi(std::string& sTime) const
{
    return DiZhi(GZYear(sTime));
}

std::string LandPP::MonthTianGan(std::string& sTime) const
{
    return TianGan(GZMonth(sTime));
}

std::string LandPP::MonthDiZhi(std::string& sTime) const
{
    return DiZhi(GZMonth(sTime));
}

std::string LandPP::DayTianGan(std::string& sTime) const
{
    return TianGan(static_cast<std::int16_t>(GZDay(sTime) % 10));
}

std::string LandPP::DayDiZhi(std::string& sTime) const
{
    return DiZhi(static_cast<std::int16_t>(GZDay(sTime) % 12));
}

std::string LandPP::HourTianGan(std::string& sTime) const
{
    const LocalTime t = acceptTime(sTime, m_now);
    return std::string(stemName(hourStem(dayCount(floor<days>(t)), toCivil(t).hour)));
}

std::string LandPP::HourDiZhi(std::string& sTime) const
{
    const LocalTime t = acceptTime(sTime, m_now);
    checkedDate(t);
    return std::string(branchName(hourBranch(toCivil(t).hour)));
}
