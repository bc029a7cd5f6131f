#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/support/DateTime.h"
#include "engine/support/RangeError.h"

// Typed calendar functions behind the text methods of LandPP. Tests, benchmarks, the command-line tool and the
// calendar window's model call these directly.
namespace engine {

// ---- Stems, branches, the sexagenary cycle (calendar/GanZhi.cpp)

std::string_view stemName(long long count);   // count reduced mod 10
std::string_view branchName(long long count); // count reduced mod 12
std::string ganZhi(long long count);          // stem then branch of one count
std::string_view ganZhiName(long long count); // the same, viewing a table built at first use
int stemIndex(std::string_view text);         // 0-9; 0 when no stem equals the text
int branchIndex(std::string_view text);       // 0-11; 0 when no branch equals the text

// ---- The lunar calendar (calendar/LunarTable.cpp)

struct NongLiDate
{
    std::int16_t Year = 0;
    std::int16_t Month = 0; // 1-12
    std::int16_t Day = 0;   // 1-30
    bool IsLeap = false;    // the leap month that follows ordinary month Month
};

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;
// 1900-01-31 is lunar 1900-01-01; 2101-01-28 is the last day of lunar 2100.
inline constexpr LocalDays kFirstLunarDay{std::chrono::year{1900} / 1 / 31};
inline constexpr LocalDays kLastLunarDay{std::chrono::year{2101} / 1 / 28};

// Throw RangeError for a year outside 1900-2100 or a month outside 1-12.
std::uint32_t yearCode(int year);
int leapMonth(int year); // 0 when the year has none
int leapDays(int year);  // 0 when the year has none
int monthDays(int year, int month);
// Days of lunar month `month` of `year`, or of its leap month with `leap`; 0 when the year has no such leap month.
int lunarMonthLength(int year, int month, bool leap);
int lunarYearDays(int year);

// Throws RangeError outside kFirstLunarDay..kLastLunarDay.
NongLiDate toLunar(LocalDays d);
// Nothing for a date the table rejects: year outside 1900-2099, month outside 1-12, day outside 1-30, a leap flag
// on a month that is not the year's leap month, or a day past the month's end.
std::optional<LocalDays> toGregorian(int year, int month, int day, bool leap);
// A lunar date as typed: year, month and day numbers, not yet checked against the table.
struct LunarDay
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// Reads "Y-M-D": exactly three plain decimal numbers. A lunar date is no Gregorian one (a first month may have a
// 30th day), so readTime cannot serve.
std::optional<LunarDay> readLunarDate(std::string_view text);

// "农历甲子年(鼠)正月初一"
std::string lunarText(const NongLiDate& date);

// Gregorian month lengths; month0 is 0-based (0 = January).
int solarMonthDays(int month0); // a month outside 0-11 counts as January
int solarDays(int year, int month0);

// ---- Solar terms (calendar/SolarTerms.cpp)

std::int32_t termOffset(int n);         // minutes after 小寒, n reduced mod 24
std::string_view termName(int n);       // n reduced mod 24
LocalTime termInstant(int year, int n); // term n mod 24 of Gregorian year `year`, to the minute

// Where term instants come from: term n (0-23, 小寒 = 0) of a Gregorian year as a Beijing (UTC+8) clock time, the
// clock the terms are published in. termInstant is the mean formula; an astronomical source is supplied from
// outside the engine. A source throws RangeError for a year it does not cover.
using TermSource = LocalTime (*)(int year, int n);

struct Term
{
    int year = 0; // Gregorian year whose term table holds it
    int n = 0;    // 0-23; even n is a 节
    LocalTime at;
};

// t is a Beijing clock time, as the source's instants are.
Term jiePre(LocalTime t, TermSource terms = termInstant);  // latest 节 at or before t
Term jieNext(LocalTime t, TermSource terms = termInstant); // first 节 strictly after t
Term qiPre(LocalTime t, TermSource terms = termInstant);   // see the method QiPreName
Term qiNext(LocalTime t, TermSource terms = termInstant);  // see the method QiNextName

// ---- Four pillars (calendar/Pillars.cpp)

// The pillars are computed for moments from 1900-01-01 00:00:00 through 2200-12-31; outside, RangeError.
inline constexpr int kFirstPillarYear = 1900;
inline constexpr int kLastPillarYear = 2200;

// t is a Beijing clock time, compared with the source's instants.
int yearCount(LocalTime t, TermSource terms = termInstant); // turns at 立春; 1864 is 甲子 (count 0)
// The year count of a Gregorian year before or from its 立春, and the month count of its month month0 (0-11) before
// or from the month's 节: the counts of a moment, and of whole days for the perpetual calendar.
int yearCountIn(int year, bool fromLiChun);
int monthCountIn(int year, int month0, bool fromJie);
int monthCount(LocalTime t, TermSource terms = termInstant); // turns at each 节; January 1900 after 小寒 is 13 (丁丑)
long dayCount(LocalDays d);                                  // 1900-01-01 is 10 (甲戌)
int hourBranch(int hour);                                    // [0, 11]; 23:00-00:59 is 子
int hourStem(long dayCount, int hour);                       // [0, 9]

// ---- The birth moment (calendar/BirthMoment.cpp)

// The local time the day and hour pillars follow.
enum class SolarTimeKind {
    clock,    // the clock time as entered
    mean,     // local mean solar time: UTC plus 4 minutes per degree east
    apparent, // true solar time: mean solar time plus the equation of time
};

// How the hour 23:00-23:59 (早子 and 晚子 around midnight) is counted.
enum class LateZi {
    same,     // both 子 hours of a calendar day carry that day's pillar and its 子-hour stem
    nextStem, // 23:00-23:59 keeps the day pillar but takes the next day's 子-hour stem
    nextDay,  // the day changes at 23:00: day and hour pillars of the next day
};

using UtcTime = std::chrono::sys_seconds;

// A birth as charted: built once from the request and carried down. The year and month follow the UTC instant
// against the term instants; the day, the hour and the lunar date follow `solar`.
struct BirthMoment
{
    LocalTime clock;                                     // the clock time as entered
    std::string zone;                                    // IANA zone; empty for the fixed UTC+8 without summer time
    std::chrono::seconds offset = std::chrono::hours{8}; // of `clock` from UTC, summer time included
    bool dst = false;                                    // summer time in force at the birth
    UtcTime utc;                                         // clock - offset
    SolarTimeKind solarKind = SolarTimeKind::clock;
    LocalTime solar; // the local time the day and hour follow
    TermSource terms = termInstant;
    LateZi lateZi = LateZi::same;

    // The instant on the terms' Beijing clock.
    LocalTime beijing() const { return LocalTime{utc.time_since_epoch() + std::chrono::hours{8}}; }
};

// The moment every chart had before zones and solar time: a Beijing clock time, mean terms, both 子 hours one day.
BirthMoment beijingMoment(LocalTime clock);

// The day count and hour of the day and hour pillars under the moment's 子 convention.
struct DayHour
{
    long day = 0;   // day count of the day pillar
    int stem = 0;   // [0, 9] of the hour pillar
    int branch = 0; // [0, 11] of the hour pillar
};
DayHour dayHour(LocalTime solar, LateZi lateZi);

int yearCount(const BirthMoment& m);
int monthCount(const BirthMoment& m);
// Year, month, day and hour pillars as GanZhi texts.
std::array<std::string, 4> fourPillars(const BirthMoment& m);
std::array<std::string, 4> fourPillars(LocalTime t); // of beijingMoment(t)

// ---- Mean and true solar time by the published table rule (calendar/SolarTime.cpp)
// A chart's solar time is worked astronomically at the birth's instant instead, by the models' birth moment.

// The table rule for mean solar time: the clock read as time on the 120°E meridian, moved 4 minutes for each degree
// of longitude east of it, to the whole minute.
LocalTime tableMeanSolarTime(LocalTime t, double degrees, double arcMinutes);
// The table rule for true solar time: the time plus the equation of time the table lists for its calendar day,
// whatever the year and the hour.
LocalTime tableTrueSolarTime(LocalTime t);

} // namespace engine
