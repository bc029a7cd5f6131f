#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Civil clock time without a time zone, and the one place that reads and writes it as text.
namespace engine {

using LocalTime = std::chrono::local_seconds;
using LocalDays = std::chrono::local_days;

// Stands in for "now" everywhere; tests pass a fixed one.
using Clock = std::function<LocalTime()>;

// The local wall clock.
Clock systemClock();

// Reads "Y-M-D", "Y-M-D H:M" or "Y-M-D H:M:S" ('-' or '/' between date parts, padding optional, surrounding
// blanks allowed). No time of day means 00:00:00. Returns nothing for any other text or an impossible date or time.
std::optional<LocalTime> readTime(std::string_view text);

// "YYYY-MM-DD HH:mm:ss".
std::string writeTime(LocalTime t);

// The years the text form holds, four digits as readTime takes them.
inline constexpr int kFirstTextYear = 1;
inline constexpr int kLastTextYear = 9999;

// writeTime of an answer computed from `given` (the text or value it was asked for). A formula that runs on past
// the text form's years would write a fifth digit or year 0: RangeError naming `given` instead.
std::string writeAnswerTime(LocalTime answer, std::string_view given);

// "YYYY-MM-DD".
std::string writeDate(LocalDays d);

struct CivilTime
{
    std::chrono::year_month_day date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

CivilTime toCivil(LocalTime t);

// Every chart method starts here: an unusable sTime becomes "now", in the caller's string too.
inline LocalTime acceptTime(std::string& sTime, const Clock& now)
{
    if (const auto t = readTime(sTime))
        return *t;
    const LocalTime t = now();
    sTime = writeTime(t);
    return t;
}

// True for text already in the full "YYYY-MM-DD HH:mm:ss" form (readTime then checks the values).
constexpr bool isFullTimeText(std::string_view text)
{
    constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != kShape.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i])
            return false;
    }
    return true;
}

// As acceptTime, and the caller's text is left in the full "YYYY-MM-DD HH:mm:ss" form.
inline LocalTime acceptFullTime(std::string& sTime, const Clock& now)
{
    const LocalTime t = acceptTime(sTime, now);
    if (!isFullTimeText(sTime))
        sTime = writeTime(t);
    return t;
}

// A birth and a date examined for it, as the methods that take both read them: each as acceptFullTime reads it,
// and a date before the birth becomes the birth, in the caller's text too.
struct BirthAndQuery
{
    LocalTime birth;
    LocalTime query; // never before the birth
};
inline BirthAndQuery acceptBirthAndQuery(std::string& sTime, std::string& sTime2, const Clock& now)
{
    const LocalTime birth = acceptFullTime(sTime, now);
    const LocalTime query = acceptFullTime(sTime2, now);
    if (query >= birth)
        return {birth, query};
    sTime2 = sTime;
    return {birth, birth};
}

// As acceptTime, for methods whose fallback is today's date without a time of day.
inline LocalTime acceptDate(std::string& sTime, const Clock& now)
{
    if (const auto t = readTime(sTime))
        return *t;
    const LocalDays today = std::chrono::floor<std::chrono::days>(now());
    sTime = writeDate(today);
    return LocalTime{today};
}

} // namespace engine
