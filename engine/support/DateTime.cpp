#include "engine/support/DateTime.h"

#include "engine/support/RangeError.h"
#include "engine/support/Text.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <iterator>

using namespace std::chrono;

namespace engine {
namespace {

// Reads an unsigned decimal field of 1 to `maxDigits` digits at `pos`, advancing it.
std::optional<int> readField(std::string_view text, std::size_t& pos, int maxDigits)
{
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    int digits = 0;
    while (first + digits < last && digits <= maxDigits && first[digits] >= '0' && first[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > maxDigits)
        return std::nullopt;
    int value = 0;
    std::from_chars(first, first + digits, value);
    pos += static_cast<std::size_t>(digits);
    return value;
}

bool skip(std::string_view text, std::size_t& pos, std::string_view separators)
{
    if (pos < text.size() && separators.find(text[pos]) != std::string_view::npos) {
        ++pos;
        return true;
    }
    return false;
}

std::optional<LocalDays> readDatePart(std::string_view text, std::size_t& pos)
{
    const auto y = readField(text, pos, 4);
    if (!y || !skip(text, pos, "-/"))
        return std::nullopt;
    const auto m = readField(text, pos, 2);
    if (!m || !skip(text, pos, "-/"))
        return std::nullopt;
    const auto d = readField(text, pos, 2);
    if (!d)
        return std::nullopt;
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (*y < 1 || !ymd.ok())
        return std::nullopt;
    return LocalDays{ymd};
}

std::optional<seconds> readTimeOfDay(std::string_view text, std::size_t& pos)
{
    const auto h = readField(text, pos, 2);
    if (!h || !skip(text, pos, ":"))
        return std::nullopt;
    const auto m = readField(text, pos, 2);
    if (!m)
        return std::nullopt;
    int s = 0;
    if (skip(text, pos, ":")) {
        const auto sec = readField(text, pos, 2);
        if (!sec)
            return std::nullopt;
        s = *sec;
    }
    if (*h > 23 || *m > 59 || s > 59)
        return std::nullopt;
    return hours{*h} + minutes{*m} + seconds{s};
}

// Zero-padded to `width` digits; a negative year keeps its sign.
void appendDigits(std::string& text, int value, int width)
{
    if (value < 0) {
        text += '-';
        value = -value;
    }
    char digits[12];
    const auto [end, ec] = std::to_chars(std::begin(digits), std::end(digits), value);
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(width - (end - digits), 0)), '0');
    text.append(digits, end);
}

} // namespace

Clock systemClock()
{
    return [] {
        const std::time_t raw = std::time(nullptr);
        std::tm tm{};
#ifdef _WIN32
        localtime_s(&tm, &raw); // the C runtime's reentrant form; POSIX has localtime_r
#else
        localtime_r(&raw, &tm);
#endif
        const year_month_day ymd{year{tm.tm_year + 1900}, month{static_cast<unsigned>(tm.tm_mon + 1)},
                                 day{static_cast<unsigned>(tm.tm_mday)}};
        return LocalTime{LocalDays{ymd}} + hours{tm.tm_hour} + minutes{tm.tm_min} + seconds{tm.tm_sec % 60};
    };
}

std::optional<LocalTime> readTime(std::string_view text)
{
    text = trimTrailing(trimLeading(text), " \t\r\n"); // a line end may be left on the text
    std::size_t pos = 0;
    const auto date = readDatePart(text, pos);
    if (!date)
        return std::nullopt;
    if (pos == text.size())
        return LocalTime{*date};
    if (!skip(text, pos, " T"))
        return std::nullopt;
    while (skip(text, pos, " "))
        ;
    const auto time = readTimeOfDay(text, pos);
    if (!time || pos != text.size())
        return std::nullopt;
    return LocalTime{*date} + *time;
}

CivilTime toCivil(LocalTime t)
{
    const LocalDays d = floor<days>(t);
    const hh_mm_ss hms{t - d};
    return {year_month_day{d}, static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
            static_cast<int>(hms.seconds().count())};
}

std::string writeTime(LocalTime t)
{
    const CivilTime c = toCivil(t);
    std::string text = writeDate(LocalDays{c.date});
    text += ' ';
    appendDigits(text, c.hour, 2);
    text += ':';
    appendDigits(text, c.minute, 2);
    text += ':';
    appendDigits(text, c.second, 2);
    return text;
}

std::string writeAnswerTime(LocalTime answer, std::string_view given)
{
    const int y = static_cast<int>(year_month_day{floor<days>(answer)}.year());
    if (y < kFirstTextYear || y > kLastTextYear)
        throw RangeError("no answer within years " + std::to_string(kFirstTextYear) + "-" +
                         std::to_string(kLastTextYear) + " for " + std::string(given) + " (it falls in year " +
                         std::to_string(y) + ")");
    return writeTime(answer);
}

std::string writeDate(LocalDays d)
{
    const year_month_day ymd{d};
    std::string text;
    text.reserve(19);
    appendDigits(text, static_cast<int>(ymd.year()), 4);
    text += '-';
    appendDigits(text, static_cast<int>(static_cast<unsigned>(ymd.month())), 2);
    text += '-';
    appendDigits(text, static_cast<int>(static_cast<unsigned>(ymd.day())), 2);
    return text;
}

} // namespace engine
