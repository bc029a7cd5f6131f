#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/chart/ChartRequest.h"

// The entries of the main window's date lists. Qt-free, so that they are tested without windows.
namespace models {

inline constexpr int kFirstListedYear = 1900;
inline constexpr int kLastListedYear = 2099;
inline constexpr int kYearWhenNoneChosen = 1980;

// The decimal text of n, preceded by "0" when n is 9 or less: 0 gives "00", 5 "05", 12 "12".
std::string GetIntStr(std::int16_t n);

// GetIntStr of first, first + 1, ..., last.
std::vector<std::string> numberTexts(int first, int last);

// "1900" to "2099".
std::vector<std::string> yearTexts();

// "01" to "12"; in the lunar calendar the year's leap month follows its ordinary month as the same two digits and
// "闰" ("04", "04闰"). Nothing when the year text is not a number or the lunar table does not cover it.
std::optional<std::vector<std::string>> monthTexts(bool lunar, std::string_view yearText);

// "01" up to the length of the month that a month list entry names ("04闰": the leap fourth month). An empty
// Gregorian year counts as 1980. Nothing for an unreadable year or month, or one the lunar table does not have.
std::optional<std::vector<std::string>> dayTexts(bool lunar, std::string_view yearText, std::string_view monthText);

// The texts the date and time lists show.
struct ListedBirth
{
    bool lunar = false;
    std::string_view year, month, day, hour, minute; // "1980", "04" or "04闰", "01", "01", "01"
};

// The birth the lists show, typed: a Gregorian clock time, or a lunar date that the chart resolves. Nothing when a
// list shows no number (an emptied list) or a Gregorian date that does not exist.
std::optional<Birth> birthOfLists(const ListedBirth& lists);

} // namespace models
