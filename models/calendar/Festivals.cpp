#include "models/calendar/Festivals.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/calendar/Calendar.h"

using namespace engine;
using namespace std::chrono;

namespace models {
namespace {

// Row: month and day (two digits each), a flag ('*' or a blank, both read alike), the name.
// clang-format off
constexpr std::array<std::string_view, 24> GregorianFestivals = {
    "0101*元旦",
    "0214 情人节",
    "0308 妇女节",
    "0312 植树节",
    "0315 消费者权益日",
    "0401 愚人节",
    "0501 劳动节",
    "0504 青年节",
    "0512 护士节",
    "0601 儿童节",
    "0701 建党节 香港回归纪念日",
    "0801 建军节",
    "0909 毛泽东逝世纪念日",
    "0910 教师节",
    "0928 孔子诞辰",
    "1001*国庆节",
    "1006 老人节",
    "1024 联合国日",
    "1031 万圣节（鬼节）",
    "1112 孙中山诞辰纪念日",
    "1220 澳门回归纪念日",
    "1224*平安夜",
    "1225*圣诞节",
    "1226 毛泽东诞辰纪念日",
};
// clang-format on
static_assert(GregorianFestivals.size() == 24);

// Row: lunar month and day, flag, name. Day 00 is the last day of the month before: "0100" is 除夕.
// clang-format off
constexpr std::array<std::string_view, 30> LunarFestivals = {
    "0101*春节",
    "0107*人日",
    "0115*元宵节",
    "0125 填仓节",
    "0126 生菜会",
    "0202 龙头节",
    "0206 东华帝君诞",
    "0215 涅槃节",
    "0219 观音菩萨诞",
    "0323 天后、妈祖诞辰",
    "0408 释迦牟尼佛诞",
    "0505*端午节",
    "0508 龙母诞辰",
    "0520 分龙节",
    "0606 姑姑节",
    "0616 鲁班节",
    "0624 关公节",
    "0630 围香节",
    "0707 七夕情人节",
    "0715 中元节(鬼节)",
    "0802 土地公诞",
    "0827 孔子诞辰",
    "0815*中秋节",
    "0909 重阳节",
    "1001 祭祖节、祀靴节",
    "1025 感天大帝诞",
    "1208 腊八节",
    "1220 鲁班诞辰",
    "1224 小年（祀灶）",
    "0100*除夕",
};
// clang-format on
static_assert(LunarFestivals.size() == 30);

// Row: Gregorian month (two digits), week of the month (1-4, 5 = the last), weekday (0 = Sunday), flag, name.
// 胜利日 is the last Monday of May, so its week digit is 5.
// clang-format off
constexpr std::array<std::string_view, 10> FloatingFestivals = {
    "0231 总统日",
    "0520 母亲节",
    "0551 胜利日",
    "0630 父亲节",
    "0716 合作节",
    "0730 被奴役国家周",
    "0911 西方劳动节",
    "1011 世界住房日",
    "1021 哥伦布纪念日",
    "1144 感恩节",
};
// clang-format on
static_assert(FloatingFestivals.size() == 10);

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr int digitsAt(std::string_view row, std::size_t pos, std::size_t count)
{
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i)
        value = value * 10 + (row[i] - '0');
    return value;
}

// Four digits, the flag, a name of at least one byte.
constexpr bool wellFormed(std::string_view row)
{
    constexpr std::size_t kNameAt = 5;
    if (row.size() <= kNameAt || !std::all_of(row.begin(), row.begin() + 4, isDigit))
        return false;
    return row[4] == '*' || row[4] == ' ' || row[4] == '\t';
}

constexpr std::string_view nameOf(std::string_view row)
{
    return row.substr(5);
}

static_assert(std::ranges::all_of(GregorianFestivals, wellFormed));
static_assert(std::ranges::all_of(LunarFestivals, wellFormed));
static_assert(std::ranges::all_of(FloatingFestivals, wellFormed));

void append(std::string& field, std::string_view name)
{
    field += name;
    field += ' ';
}

void markGregorian(MonthDays& days, int month, int n)
{
    for (const std::string_view row : GregorianFestivals) {
        const int day = digitsAt(row, 2, 2);
        if (digitsAt(row, 0, 2) == month && day >= 1 && day <= n)
            append(days[static_cast<std::size_t>(day - 1)].Festival, nameOf(row));
    }
}

// A festival falls on the day of its own lunar date in an ordinary month; a date its month lacks (a 30th in a
// month of 29 days) falls nowhere.
bool fallsOn(const DayInfo& d, int month, int day)
{
    if (d.IsLeap)
        return false;
    if (day == 0) { // the last day of the ordinary month before; no year of the table has a leap twelfth month
        const int before = month == 1 ? 12 : month - 1;
        return d.NMonth == before && d.NDay == monthDays(d.NYear, before);
    }
    return d.NMonth == month && d.NDay == day;
}

void markLunar(MonthDays& days, int n)
{
    for (const std::string_view row : LunarFestivals) {
        const int month = digitsAt(row, 0, 2);
        const int day = digitsAt(row, 2, 2);
        for (int i = 0; i < n; ++i) {
            DayInfo& d = days[static_cast<std::size_t>(i)];
            if (fallsOn(d, month, day))
                append(d.NongFestival, nameOf(row));
        }
    }
}

// Day index of the week-th weekday (week 5 = the last) of a month of n days whose 1st is weekday `first`.
int floatingIndex(int week, int weekday, int first, int n)
{
    if (week < 5)
        return (week - 1) * 7 + (first > weekday ? 7 : 0) + weekday - first;
    const int last = (first + n - 1) % 7; // [0, 6], weekday of the last day
    return n - 1 - last + weekday - 7 * (week - 5) - (weekday > last ? 7 : 0);
}

void markFloating(MonthDays& days, int month, int first, int n)
{
    for (const std::string_view row : FloatingFestivals) {
        if (digitsAt(row, 0, 2) != month)
            continue;
        const int i = floatingIndex(digitsAt(row, 2, 1), digitsAt(row, 3, 1), first, n);
        if (i >= 0 && i < n)
            append(days[static_cast<std::size_t>(i)].Festival, nameOf(row));
    }
}

} // namespace

void markFestivals(MonthDays& days, int year, int month, int first, int n)
{
    markGregorian(days, month, n);
    markLunar(days, n);
    markFloating(days, month, first, n);
    if (month == 3 || month == 4) {
        if (const auto easter = Easter(year); easter && easter->month() == std::chrono::month(month))
            days[static_cast<unsigned>(easter->day()) - 1].Festival += "复活节";
    }
    if ((first + 12) % 7 == 5) // the 13th is a Friday
        days[12].Festival += "黑色星期五";
}

std::optional<year_month_day> Easter(int iYear)
{
    if (iYear < kFirstLunarYear || iYear > kLastLunarYear)
        return std::nullopt;
    const LocalDays equinox{std::chrono::year{iYear} / 3 / STerm(iYear, 5)}; // 春分
    const NongLiDate lunar = toLunar(equinox);
    const int length = lunar.IsLeap ? leapDays(lunar.Year) : monthDays(lunar.Year, lunar.Month);
    const int toFullMoon = lunar.Day >= 15 ? length - lunar.Day + 15 : 15 - lunar.Day;
    const LocalDays fullMoon = equinox + days{toFullMoon};
    const int weekday = static_cast<int>(std::chrono::weekday{fullMoon}.c_encoding()); // [0, 6], 0 = Sunday
    return year_month_day{fullMoon + days{7 - weekday}};
}

} // namespace models
