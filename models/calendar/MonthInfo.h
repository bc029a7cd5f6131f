#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

// The perpetual calendar's month information: one record per Gregorian day with its lunar date, its three
// stem-branch pairs, solar terms, festivals and almanac lines. Qt-free; the calendar window only paints it. The
// calendar operations are the engine's; the functions below are the window's forms of them.
namespace models {

// One day of the shown month, fields as the calendar window knows them.
struct DayInfo
{
    std::int16_t IsToday = 0; // -1 on the clock's current date, else 0
    std::int16_t Year = 0;
    std::int16_t Month = 0; // 1-12
    std::int16_t Day = 0;   // 1-31
    std::string Week;       // "日" "一" ... "六"
    std::int16_t NYear = 0; // lunar year
    std::int16_t NMonth = 0;
    std::int16_t NDay = 0;
    bool IsLeap = false;
    std::string YearGZ;  // changes on the day of 立春
    std::string MonthGZ; // changes on the day of the month's 节
    std::string DayGZ;
    std::string NongFestival; // lunar festivals, each followed by a blank
    std::string Festival;     // Gregorian and floating festivals (each followed by a blank), 复活节, 黑色星期五
    std::string TermName;     // the solar term on its day; "今天" on the current date unless a term is due
    std::string MonthTerms;   // "◆6日小寒 ◆20日大寒", the same for every day of the month
    std::string XiShenText;   // "喜神:东北"
    std::string FuShenText;   // "福神:东南"
    std::string CaiShenText;  // "财神:东北"
    std::string PengZuText;   // "彭祖百忌:甲不开仓 子不问卜"
    std::string YiJiText;     // a warning line, or 宜 text CR LF 忌 text
};

// Index = Gregorian day - 1; records past the month's last day stay empty.
using MonthDays = std::array<DayInfo, 32>;

// The months whose information is defined: every day of them lies within the lunar table.
inline constexpr int kFirstInfoYear = 1900; // from February
inline constexpr int kLastInfoYear = 2100;

// Weekday of the month's first day, 0 = Sunday; month 1-12.
int GetWeekDay(int year, int month);

// "初一" ... "初十", "十一" ... "二十", "廿一" ... "三十"; empty outside 0-39.
std::string NongDay(int day);

// "一" ... "十二" for lunar months 1-12; empty for any other value.
std::string_view NongMonth(int month);

// The zodiac animal of branch idz mod 12.
std::string_view Animals(int idz);

// Day of the month (1-31) of term n (0-23, 0 = 小寒) of Gregorian year iYear, on the Beijing clock the source gives
// it in; 0 for any other n.
int STerm(int iYear, int n, engine::TermSource terms = engine::termInstant);

// Days of the lunar month a record lies in: 29 or 30; 0 for an empty record.
int lunarMonthLength(const DayInfo& day);

// "日", "一" ... "六" for weekday 0 (Sunday) to 6.
std::string_view weekdayName(int weekday);

class MonthInfo
{
public:
    // The terms mark their days and turn the year and month pillars on them; by default the mean formula's.
    explicit MonthInfo(engine::Clock now = engine::systemClock(), engine::TermSource terms = engine::termInstant);

    // The month's records, month0 0-11; nothing outside 1900-02 to 2100-12, nor where the term source has no
    // terms. Never throws.
    std::optional<MonthDays> GetMonthInfo(int year, int month0) const;

    // The clock's current date.
    std::chrono::year_month_day today() const;

private:
    engine::Clock m_now;
    engine::TermSource m_terms;
};

} // namespace models
