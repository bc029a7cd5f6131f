#pragma once

#include <chrono>
#include <optional>

#include "models/calendar/MonthInfo.h"

// Festival days of the perpetual calendar: a Gregorian table, a lunar table, a table of weekdays in a month,
// Easter and Friday the 13th.
namespace models {

// Appends the month's festival names to `Festival` (Gregorian, floating, 复活节, 黑色星期五) and `NongFestival`
// (lunar) of its records. month 1-12; first: weekday of the 1st, 0 = Sunday; n: days in the month.
void markFestivals(MonthDays& days, int year, int month, int first, int n);

// Easter Sunday: the first Sunday strictly after the 15th of the lunar month that holds 春分, or of the next one
// when 春分 falls on or after that month's 15th. Nothing outside 1900-2100.
std::optional<std::chrono::year_month_day> Easter(int iYear);

} // namespace models
