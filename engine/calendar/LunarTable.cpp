#include "engine/LandPP.h"

#include <algorithm>
#include <bit>
#include <charconv>

#include "engine/calendar/GanZhiTables.h"

using namespace engine;
using namespace std::chrono;

namespace {

// One code per lunar year 1900-2100, ten years to a line. Bits 0-3: the leap month (0 = none); bits 15 down to 4:
// months 1-12, set = 30 days; bit 16: the leap month has 30 days. The codes of 1933, 1996, 2033, 2089 and 2097
// follow the official calendar (new moons and terms at 120°E); each keeps its year's length.
// clang-format off
constexpr std::array<std::uint32_t, 201> kNongLiData = {
    0x04bd8, 0x04ae0, 0x0a570, 0x054d5, 0x0d260, 0x0d950, 0x16554, 0x056a0, 0x09ad0, 0x055d2, // 1900
    0x04ae0, 0x0a5b6, 0x0a4d0, 0x0d250, 0x1d255, 0x0b540, 0x0d6a0, 0x0ada2, 0x095b0, 0x14977, // 1910
    0x04970, 0x0a4b0, 0x0b4b5, 0x06a50, 0x06d40, 0x1ab54, 0x02b60, 0x09570, 0x052f2, 0x04970, // 1920
    0x06566, 0x0d4a0, 0x0ea50, 0x16a95, 0x05ad0, 0x02b60, 0x186e3, 0x092e0, 0x1c8d7, 0x0c950, // 1930
    0x0d4a0, 0x1d8a6, 0x0b550, 0x056a0, 0x1a5b4, 0x025d0, 0x092d0, 0x0d2b2, 0x0a950, 0x0b557, // 1940
    0x06ca0, 0x0b550, 0x15355, 0x04da0, 0x0a5b0, 0x14573, 0x052b0, 0x0a9a8, 0x0e950, 0x06aa0, // 1950
    0x0aea6, 0x0ab50, 0x04b60, 0x0aae4, 0x0a570, 0x05260, 0x0f263, 0x0d950, 0x05b57, 0x056a0, // 1960
    0x096d0, 0x04dd5, 0x04ad0, 0x0a4d0, 0x0d4d4, 0x0d250, 0x0d558, 0x0b540, 0x0b6a0, 0x195a6, // 1970
    0x095b0, 0x049b0, 0x0a974, 0x0a4b0, 0x0b27a, 0x06a50, 0x06d40, 0x0af46, 0x0ab60, 0x09570, // 1980
    0x04af5, 0x04970, 0x064b0, 0x074a3, 0x0ea50, 0x06b58, 0x05ac0, 0x0ab60, 0x096d5, 0x092e0, // 1990
    0x0c960, 0x0d954, 0x0d4a0, 0x0da50, 0x07552, 0x056a0, 0x0abb7, 0x025d0, 0x092d0, 0x0cab5, // 2000
    0x0a950, 0x0b4a0, 0x0baa4, 0x0ad50, 0x055d9, 0x04ba0, 0x0a5b0, 0x15176, 0x052b0, 0x0a930, // 2010
    0x07954, 0x06aa0, 0x0ad50, 0x05b52, 0x04b60, 0x0a6e6, 0x0a4e0, 0x0d260, 0x0ea65, 0x0d530, // 2020
    0x05aa0, 0x076a3, 0x096d0, 0x04afb, 0x04ad0, 0x0a4d0, 0x1d0b6, 0x0d250, 0x0d520, 0x0dd45, // 2030
    0x0b5a0, 0x056d0, 0x055b2, 0x049b0, 0x0a577, 0x0a4b0, 0x0aa50, 0x1b255, 0x06d20, 0x0ada0, // 2040
    0x14b63, 0x09370, 0x049f8, 0x04970, 0x064b0, 0x168a6, 0x0ea50, 0x06b20, 0x1a6c4, 0x0aae0, // 2050
    0x092e0, 0x0d2e3, 0x0c960, 0x0d557, 0x0d4a0, 0x0da50, 0x05d55, 0x056a0, 0x0a6d0, 0x055d4, // 2060
    0x052d0, 0x0a9b8, 0x0a950, 0x0b4a0, 0x0b6a6, 0x0ad50, 0x055a0, 0x0aba4, 0x0a5b0, 0x052b0, // 2070
    0x0b273, 0x06930, 0x07337, 0x06aa0, 0x0ad50, 0x14b55, 0x04b60, 0x0a570, 0x054e4, 0x0d160, // 2080
    0x0e968, 0x0d520, 0x0daa0, 0x16aa6, 0x056d0, 0x04ae0, 0x0a9d4, 0x0a2d0, 0x0d150, 0x0f252, // 2090
    0x0d520,                                                                                   // 2100
};
// clang-format on
static_assert(kNongLiData.size() == 201);

// Day names 1-30; index 0 is never shown.
// clang-format off
constexpr std::array<std::string_view, 31> kDayNames = {
    "*",    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十",
};
// clang-format on
static_assert(kDayNames.size() == 31);

// Month names 1-12; index 0 is never shown. Month 11 is "十一".
// clang-format off
constexpr std::array<std::string_view, 13> kMonthNames = {"*",  "正", "二", "三", "四",   "五", "六",
                                                          "七", "八", "九", "十", "十一", "腊"};
// clang-format on
static_assert(kMonthNames.size() == 13);

// Gregorian month lengths of a common year, January first.
constexpr std::array<int, 12> kSolarMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
static_assert(kSolarMonth.size() == 12);

constexpr std::uint32_t codeAt(int year)
{
    return kNongLiData[static_cast<std::size_t>(year - kFirstLunarYear)];
}

constexpr int leapDaysOf(std::uint32_t code)
{
    return (code & 0xF) == 0 ? 0 : (code & 0x10000) != 0 ? 30 : 29;
}

constexpr int yearDaysOf(std::uint32_t code)
{
    return 348 + std::popcount(code & 0xFFF0) + leapDaysOf(code);
}

// Day offset from 1900-01-31 of each lunar new year 1900-2101; the last entry ends lunar 2100.
constexpr std::array<int, 202> kYearStart = [] {
    std::array<int, 202> start{};
    for (std::size_t i = 0; i < kNongLiData.size(); ++i)
        start[i + 1] = start[i] + yearDaysOf(kNongLiData[i]);
    return start;
}();
static_assert(kYearStart.back() - 1 == (kLastLunarDay - kFirstLunarDay).count());

void checkYear(int year)
{
    if (year < kFirstLunarYear || year > kLastLunarYear)
        throw RangeError("lunar year " + std::to_string(year) + " is outside 1900-2100");
}

} // namespace

namespace engine {

std::uint32_t yearCode(int year)
{
    checkYear(year);
    return codeAt(year);
}

int leapMonth(int year)
{
    return static_cast<int>(yearCode(year) & 0xF);
}

int leapDays(int year)
{
    return leapDaysOf(yearCode(year));
}

int monthDays(int year, int month)
{
    if (month < 1 || month > 12)
        throw RangeError("lunar month " + std::to_string(month) + " is outside 1-12");
    return (yearCode(year) & (0x10000u >> month)) != 0 ? 30 : 29;
}

int lunarYearDays(int year)
{
    return yearDaysOf(yearCode(year));
}

NongLiDate toLunar(LocalDays d)
{
    if (d < kFirstLunarDay || d > kLastLunarDay)
        throw RangeError("date " + writeDate(d) + " is outside 1900-01-31 to 2101-01-28");
    int offset = static_cast<int>((d - kFirstLunarDay).count());
    // The first new year after the offset, then one back: the year that holds it.
    const auto next = std::upper_bound(kYearStart.begin(), kYearStart.end(), offset);
    const int index = static_cast<int>(next - kYearStart.begin()) - 1; // [0, 200]
    const int year = kFirstLunarYear + index;
    offset -= kYearStart[static_cast<std::size_t>(index)];

    // Months in calendar order, the leap month right after the ordinary month of the same number.
    const std::uint32_t code = codeAt(year);
    const int leap = static_cast<int>(code & 0xF);
    NongLiDate date{static_cast<std::int16_t>(year), 1, 1, false};
    for (int month = 1; month <= 12; ++month) {
        const int ordinary = (code & (0x10000u >> month)) != 0 ? 30 : 29;
        if (offset < ordinary) {
            date.Month = static_cast<std::int16_t>(month);
            break;
        }
        offset -= ordinary;
        if (month == leap) {
            if (offset < leapDaysOf(code)) {
                date.Month = static_cast<std::int16_t>(month);
                date.IsLeap = true;
                break;
            }
            offset -= leapDaysOf(code);
        }
    }
    date.Day = static_cast<std::int16_t>(offset + 1);
    return date;
}

int lunarMonthLength(int year, int month, bool leap)
{
    if (!leap)
        return monthDays(year, month);
    return leapMonth(year) == month ? leapDays(year) : 0;
}

std::optional<LocalDays> toGregorian(int year, int month, int day, bool leap)
{
    if (year < kFirstLunarYear || year > kLastLunarYear - 1 || month < 1 || month > 12 || day < 1 || day > 30)
        return std::nullopt;
    if (day > lunarMonthLength(year, month, leap)) // 0 for a leap month the year lacks
        return std::nullopt;
    int offset = kYearStart[static_cast<std::size_t>(year - kFirstLunarYear)];
    // The ordinary month of the same number precedes the leap month.
    const int ordinaryMonthsBefore = leap ? month : month - 1;
    for (int k = 1; k <= ordinaryMonthsBefore; ++k)
        offset += monthDays(year, k);
    const int leapMonthOfYear = leapMonth(year);
    if (!leap && leapMonthOfYear != 0 && leapMonthOfYear < month)
        offset += leapDays(year);
    return kFirstLunarDay + days{offset + day - 1};
}

std::optional<LunarDay> readLunarDate(std::string_view text)
{
    std::array<int, 3> parts{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const std::size_t end = last ? text.size() : text.find('-', pos);
        if (end == std::string_view::npos)
            return std::nullopt; // fewer than three pieces
        const char* first = text.data() + pos;
        const char* stop = text.data() + end;
        const auto [ptr, ec] = std::from_chars(first, stop, parts[i]);
        // A minus sign, a blank or a fourth piece leaves characters unread.
        if (first == stop || *first == '-' || ec != std::errc{} || ptr != stop)
            return std::nullopt;
        pos = end + 1;
    }
    return LunarDay{parts[0], parts[1], parts[2]};
}

std::string lunarText(const NongLiDate& date)
{
    const int count = floorMod(date.Year - 4, 60); // [0, 59]
    std::string text = "农历";
    text += stemName(count);
    text += branchName(count);
    text += "年(";
    text += tables::kAnimals[static_cast<std::size_t>(count % 12)];
    text += ")";
    if (date.IsLeap)
        text += "闰";
    text += kMonthNames.at(static_cast<std::size_t>(date.Month));
    text += "月";
    text += kDayNames.at(static_cast<std::size_t>(date.Day));
    return text;
}

int solarMonthDays(int month0)
{
    return kSolarMonth[static_cast<std::size_t>(month0 >= 0 && month0 < 12 ? month0 : 0)];
}

int solarDays(int year, int month0)
{
    if (month0 == 1)
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    return solarMonthDays(month0);
}

} // namespace engine

std::uint32_t LandPP::NongLiData(int index) const
{
    if (index < 0 || index > kLastLunarYear - kFirstLunarYear)
        throw RangeError("year index " + std::to_string(index) + " is outside 0-200");
    return codeAt(kFirstLunarYear + index);
}

std::int16_t LandPP::LeapMonth(std::int16_t iYear) const
{
    return static_cast<std::int16_t>(leapMonth(iYear));
}

std::int16_t LandPP::LeapDays(std::int16_t iYear) const
{
    return static_cast<std::int16_t>(leapDays(iYear));
}

std::int16_t LandPP::MonthDays(std::int16_t iYear, std::int16_t iMonth) const
{
    return static_cast<std::int16_t>(monthDays(iYear, iMonth));
}

std::int16_t LandPP::LYearDays(std::int16_t iYear) const
{
    return static_cast<std::int16_t>(lunarYearDays(iYear));
}

std::int16_t LandPP::SolarMonth(std::int16_t iMonth) const
{
    return static_cast<std::int16_t>(solarMonthDays(iMonth));
}

std::int16_t LandPP::SolarDays(std::int16_t iYear, std::int16_t iMonth) const
{
    return static_cast<std::int16_t>(solarDays(iYear, iMonth));
}

NongLiDate LandPP::GetNongLiDate(std::string& sTime) const
{
    const auto t = readTime(sTime);
    if (t && toCivil(*t).date.year() >= year{kFirstLunarYear})
        return toLunar(floor<days>(*t));
    // Not a date, or before the table: today instead, in the caller's text too.
    const LocalDays today = floor<days>(m_now());
    sTime = writeDate(today);
    return toLunar(today);
}

std::string LandPP::YangLi2NongLi(std::string& sTime) const
{
    return lunarText(GetNongLiDate(sTime));
}

std::string LandPP::NongLi2YangLi(const std::string& sTime, std::int16_t iLeap) const
{
    // Anything after the first blank (a time of day) is ignored.
    const auto lunar = readLunarDate(std::string_view(sTime).substr(0, sTime.find(' ')));
    if (!lunar)
        return {};
    const auto date = toGregorian(lunar->year, lunar->month, lunar->day, iLeap == 1);
    return date ? writeDate(*date) : std::string{};
}

std::string LandPP::Solar(const std::string& sTime, std::int16_t iLeap) const
{
    return NongLi2YangLi(sTime, iLeap);
}
