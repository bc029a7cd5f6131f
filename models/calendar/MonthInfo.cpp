#include "models/calendar/MonthInfo.h"

#include "engine/calendar/Calendar.h"
#include "engine/calendar/GanZhiTables.h"
#include "models/calendar/Almanac.h"
#include "models/calendar/Festivals.h"

using namespace engine;
using namespace std::chrono;

namespace models {
namespace {

// Weekday characters, Sunday first.
constexpr std::array<std::string_view, 7> kWeekNames = {"日", "一", "二", "三", "四", "五", "六"};
static_assert(kWeekNames.size() == 7);

// NongDay: the tens prefix by day / 10 and the digit by day % 10 (the digit row keeps its unused "十").
constexpr std::array<std::string_view, 4> kDayPrefixes = {"初", "十", "廿", "卅"};
static_assert(kDayPrefixes.size() == 4);
// clang-format off
constexpr std::array<std::string_view, 11> kDayDigits = {"日", "一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九", "十"};
// clang-format on
static_assert(kDayDigits.size() == 11);

// Lunar month names as the calendar window writes them: 1 is "一" and 12 "十二", not 正 and 腊.
// clang-format off
constexpr std::array<std::string_view, 12> kMonthNames = {"一", "二", "三", "四", "五",   "六",
                                                          "七", "八", "九", "十", "十一", "十二"};
// clang-format on
static_assert(kMonthNames.size() == 12);

constexpr int kTermsPerYear = 24;

std::string monthTermsText(int year, int month0, TermSource terms)
{
    std::string text = "◆" + std::to_string(STerm(year, 2 * month0, terms)) + "日";
    text += termName(2 * month0);
    text += " ◆" + std::to_string(STerm(year, 2 * month0 + 1, terms)) + "日";
    text += termName(2 * month0 + 1);
    return text;
}

// The five almanac lines of a day from its counts: y turns at 立春, mc at the month's 节, dayIndex at midnight.
void fillAlmanac(DayInfo& r, int y, int mc, long dayIndex)
{
    r.XiShenText = "喜神:" + std::string(XiShen(dayIndex));
    r.FuShenText = "福神:" + std::string(FuShen(dayIndex));
    r.CaiShenText = "财神:" + std::string(CaiShen(dayIndex));
    r.PengZuText = "彭祖百忌:" + PengZu(dayIndex % 60);
    const int yearBranch = y % 12, monthBranch = mc % 12, dayBranch = static_cast<int>(dayIndex % 12); // [0, 11]
    r.YiJiText =
        CalConv2(yearBranch, monthBranch, dayBranch, y % 10, static_cast<int>(dayIndex % 10), r.NMonth, r.NDay);
    if (r.YiJiText == "0")
        r.YiJiText = JiYi(monthBranch, dayBranch);
}

// "今天" on the clock's date, then the month's two terms on their days, replacing it.
void markTodayAndTerms(MonthDays& days, int year, int month0, year_month_day today, TermSource terms)
{
    if (today.year() == std::chrono::year{year} && today.month() == std::chrono::month(month0 + 1)) {
        DayInfo& r = days[static_cast<unsigned>(today.day()) - 1];
        r.IsToday = -1;
        r.TermName = "今天";
    }
    for (const int term : {2 * month0, 2 * month0 + 1})
        days[static_cast<std::size_t>(STerm(year, term, terms) - 1)].TermName = termName(term); // [1, 31]
}

// The walk of one month: the year count turns on the day of 立春, the month count on the day of the month's 节
// (the whole day, not from the instant on), and the lunar table is consulted only when a lunar month runs out.
void buildMonth(MonthDays& days, int year, int month0, year_month_day today, TermSource terms)
{
    const LocalDays firstDay{std::chrono::year{year} / (month0 + 1) / 1};
    const int first = GetWeekDay(year, month0 + 1);
    const int n = solarDays(year, month0);
    const int lichun = STerm(year, 2, terms);
    const int jie = STerm(year, 2 * month0, terms);
    int y = yearCountIn(year, month0 >= 2); // January and February open in the previous year
    int mc = monthCountIn(year, month0, false);
    const long d1 = dayCount(firstDay);
    const std::string monthTerms = monthTermsText(year, month0, terms);

    NongLiDate lunar;
    int lunarLength = 0;
    for (int i = 0; i < n; ++i) {
        if (i == 0 || lunar.Day > lunarLength) {
            lunar = toLunar(firstDay + std::chrono::days{i});
            lunarLength = engine::lunarMonthLength(lunar.Year, lunar.Month, lunar.IsLeap);
        }
        if (month0 == 1 && i + 1 == lichun)
            y = yearCountIn(year, true);
        if (i + 1 == jie)
            mc = monthCountIn(year, month0, true);
        DayInfo& r = days[static_cast<std::size_t>(i)];
        r.Year = static_cast<std::int16_t>(year);
        r.Month = static_cast<std::int16_t>(month0 + 1);
        r.Day = static_cast<std::int16_t>(i + 1);
        r.Week = weekdayName((i + first) % 7);
        r.NYear = lunar.Year;
        r.NMonth = lunar.Month;
        r.NDay = lunar.Day++;
        r.IsLeap = lunar.IsLeap;
        r.YearGZ = ganZhi(y);
        r.MonthGZ = ganZhi(mc);
        r.DayGZ = ganZhi(d1 + i);
        r.MonthTerms = monthTerms;
        fillAlmanac(r, y, mc, d1 + i);
    }
    markTodayAndTerms(days, year, month0, today, terms);
    markFestivals(days, year, month0 + 1, first, n);
}

} // namespace

int GetWeekDay(int year, int month)
{
    const int m = floorMod(month - 1, 12) + 1; // [1, 12]
    const LocalDays d{std::chrono::year{year} / m / 1};
    return static_cast<int>(weekday{d}.c_encoding()); // [0, 6], 0 = Sunday
}

std::string NongDay(int day)
{
    if (day < 0 || day >= 40)
        return {};
    if (day == 10)
        return "初十";
    if (day == 20)
        return "二十";
    if (day == 30)
        return "三十";
    std::string text(kDayPrefixes[static_cast<std::size_t>(day / 10)]);
    text += kDayDigits[static_cast<std::size_t>(day % 10)];
    return text;
}

std::string_view NongMonth(int month)
{
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string_view Animals(int idz)
{
    return tables::kAnimals[static_cast<std::size_t>(floorMod(idz, 12))];
}

int STerm(int iYear, int n, TermSource terms)
{
    if (n < 0 || n >= kTermsPerYear)
        return 0;
    const year_month_day date{floor<std::chrono::days>(terms(iYear, n))};
    return static_cast<int>(static_cast<unsigned>(date.day()));
}

std::string_view weekdayName(int weekday)
{
    return kWeekNames[static_cast<std::size_t>(engine::floorMod(weekday, 7))];
}

int lunarMonthLength(const DayInfo& day)
{
    if (day.NYear < kFirstLunarYear || day.NYear > kLastLunarYear || day.NMonth < 1 || day.NMonth > 12)
        return 0; // an empty record
    return engine::lunarMonthLength(day.NYear, day.NMonth, day.IsLeap);
}

MonthInfo::MonthInfo(engine::Clock now, engine::TermSource terms) : m_now(std::move(now)), m_terms(terms) {}

std::optional<MonthDays> MonthInfo::GetMonthInfo(int year, int month0) const
{
    // January 1900 opens before the lunar table's first day.
    if (month0 < 0 || month0 > 11 || year < kFirstInfoYear || year > kLastInfoYear ||
        (year == kFirstInfoYear && month0 == 0))
        return std::nullopt;
    try {
        std::optional<MonthDays> days(std::in_place); // built in place: a month of records is some 17 KB
        buildMonth(*days, year, month0, today(), m_terms);
        return days;
    } catch (const RangeError&) {
        return std::nullopt; // a term source that does not cover the year; the mean formula covers them all
    }
}

year_month_day MonthInfo::today() const
{
    return year_month_day{floor<std::chrono::days>(m_now())};
}

} // namespace models
