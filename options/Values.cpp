#include "options/Values.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <cstdio>

using namespace engine;

namespace options {
namespace {

constexpr std::size_t kShownCharacters = 60;

// Why the lunar table has no such date: the year, the month or the day lies outside it.
std::string missingReason(const LunarDay& date, bool leap)
{
    if (date.year < kFirstLunarYear || date.year >= kLastLunarYear)
        return "lunar years run from 1900 to 2099";
    if (date.month < 1 || date.month > 12)
        return "months run from 1 to 12";
    const std::string year = std::to_string(date.year);
    const std::string month = std::to_string(date.month);
    if (!leap)
        return "month " + month + " of " + year + " has " + std::to_string(monthDays(date.year, date.month)) + " days";
    if (leapMonth(date.year) == 0)
        return year + " has no leap month";
    if (leapMonth(date.year) != date.month)
        return "the leap month of " + year + " follows month " + std::to_string(leapMonth(date.year));
    return "leap month " + month + " of " + year + " has " + std::to_string(leapDays(date.year)) + " days";
}

} // namespace

std::string shown(std::string_view value)
{
    if (!utf8::isValid(value))
        return std::string(kInvalidUtf8);
    std::string text = "\"";
    for (const char c : utf8::left(value, kShownCharacters)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (b < 0x20 || b == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(b));
            text += buf;
        } else {
            text += c;
        }
    }
    text += '"';
    const std::size_t length = utf8::length(value);
    if (length > kShownCharacters)
        text += "... (" + std::to_string(length) + " characters)";
    return text;
}

std::string echoed(std::string_view value)
{
    if (!utf8::isValid(value))
        return std::string(kInvalidUtf8);
    std::string echo(utf8::left(value, kShownCharacters));
    if (echo.size() < value.size())
        echo += "...";
    return echo;
}

std::optional<std::vector<int>> readNumbers(std::string_view text, char separator,
                                            std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> numbers;
    for (const auto& [low, high] : ranges) {
        if (!numbers.empty()) {
            if (!text.starts_with(separator))
                return std::nullopt;
            text.remove_prefix(1);
        }
        const std::size_t end = std::min(text.find(separator), text.size());
        const auto n = readNumber(text.substr(0, end));
        if (!n || *n < low || *n > high)
            return std::nullopt;
        numbers.push_back(*n);
        text.remove_prefix(end);
    }
    if (!text.empty())
        return std::nullopt;
    return numbers;
}

std::optional<LocalTime> readCoveredTime(std::string_view value, std::string_view expected, std::string& refusal)
{
    const auto t = readTime(value);
    if (!t) {
        refusal = "not a date: " + shown(value) + " (expected " + std::string(expected) + ")";
        return std::nullopt;
    }
    const LocalDays day = std::chrono::floor<std::chrono::days>(*t);
    if (day < kFirstLunarDay || day > kLastLunarDay) {
        refusal = "date out of range: " + shown(value) + " (dates run from " + writeDate(kFirstLunarDay) + " to " +
                  writeDate(kLastLunarDay) + ")";
        return std::nullopt;
    }
    return t;
}

std::optional<LocalDays> readLunarDay(std::string_view value, bool leap, std::string& refusal)
{
    const auto lunar = readLunarDate(trimBlanks(value));
    if (!lunar) {
        refusal = "not a lunar date: " + shown(value) + " (expected Y-M-D, e.g. 2023-2-1)";
        return std::nullopt;
    }
    const auto day = toGregorian(lunar->year, lunar->month, lunar->day, leap);
    if (!day)
        refusal = "no such lunar date: " + shown(value) + (leap ? " with --leap" : "") + " (" +
                  missingReason(*lunar, leap) + ")";
    return day;
}

} // namespace options
