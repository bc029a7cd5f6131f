#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

// The calculation class of the charting program. It holds nothing but the clock that stands in for "now".
// Date-time texts passed as std::string& may be rewritten: an unreadable one becomes the present moment (or
// today's date), and the year and month pillar methods leave it as "YYYY-MM-DD HH:mm:ss". Values outside the
// tables (a date before 1900-01-31 or after 2101-01-28 for the lunar calendar, a year index outside 0-200)
// throw engine::RangeError.
class LandPP
{
public:
    using NongLiDate = engine::NongLiDate;

    explicit LandPP(engine::Clock now = engine::systemClock()) : m_now(std::move(now)) {}

    // calendar/SolarTerms.cpp
    std::string STerm(std::int16_t iYear, std::int16_t n) const; // "YYYY-MM-DD HH:mm:ss" of term n mod 24
    std::int32_t STermInfo(std::int16_t n) const;                // minutes after 小寒
    std::string SolarTerm(std::int16_t n) const;

    // calendar/LunarTable.cpp
    std::int16_t SolarMonth(std::int16_t iMonth) const; // iMonth 0-based
    std::int16_t SolarDays(std::int16_t iYear, std::int16_t iMonth) const;
    std::int16_t LYearDays(std::int16_t iYear) const;
    std::int16_t LeapDays(std::int16_t iYear) const;
    std::int16_t MonthDays(std::int16_t iYear, std::int16_t iMonth) const;
    std::int16_t LeapMonth(std::int16_t iYear) const;

    // calendar/GanZhi.cpp
    std::string DiZhi(std::int16_t idz) const;
    std::string TianGan(std::int16_t itg) const;
    std::int16_t TianGanToNum(const std::string& sTG) const; // 0 when no stem equals sTG
    std::int16_t DiZhiToNum(const std::string& sDZ) const;   // 0 when no branch equals sDZ

    // calendar/LunarTable.cpp
    // The lunar date text "Y-M-D" with iLeap 1 for the leap month; "YYYY-MM-DD", or empty when rejected.
    std::string Solar(const std::string& sTime, std::int16_t iLeap) const;
    std::uint32_t NongLiData(int index) const; // index = lunar year - 1900
    std::string YangLi2NongLi(std::string& sTime) const;
    std::string NongLi2YangLi(const std::string& sTime, std::int16_t iLeap) const;

    // calendar/SolarTerms.cpp
    std::string JiePreName(std::string& sTime) const;
    std::string JiePreTime(std::string& sTime) const;
    std::string JieNextName(std::string& sTime) const;
    std::string JieNextTime(std::string& sTime) const;
    std::string QiPreName(std::string& sTime) const;
    std::string QiPreTime(std::string& sTime) const;
    std::string QiNextName(std::string& sTime) const;
    std::string QiNextTime(std::string& sTime) const;

    // calendar/SolarTime.cpp
    std::string PTaiYang(std::string& sTime, double iDu, double iFen) const; // local mean solar time
    std::string ZTaiYang(std::string& sTime) const;                          // true solar time

    // calendar/Pillars.cpp
    std::int16_t GZYear(std::string& sTime) const;
    std::int16_t GZMonth(std::string& sTime) const;
    std::int32_t GZDay(std::string& sTime) const;
    std::string YearTianGan(std::string& sTime) const;
    std::string YearDiZhi(std::string& sTime) const;
    std::string MonthTianGan(std::string& sTime) const;
    std::string MonthDiZhi(std::string& sTime) const;
    std::string DayTianGan(std::string& sTime) const;
    std::string DayDiZhi(std::string& sTime) const;
    std::string HourTianGan(std::string& sTime) const;
    std::string HourDiZhi(std::string& sTime) const;

private:
    // calendar/LunarTable.cpp
    NongLiDate GetNongLiDate(std::string& sTime) const;

    engine::Clock m_now;
};
