#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "models/calendar/MonthInfo.h"

// What the calendar window paints, as plain data: the 42 cells of the month grid with their captions and
// colours, the year header and the texts of the day panel.
namespace models {

struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kSundayFore{255, 0, 0};
inline constexpr Rgb kSaturdayFore{0, 132, 66};
inline constexpr Rgb kTodayBack{219, 245, 240};
inline constexpr Rgb kClickedBack{240, 234, 250};
inline constexpr Rgb kNongFestivalFore{196, 148, 2};
inline constexpr Rgb kFestivalFore{255, 128, 0};
inline constexpr Rgb kTermFore{48, 159, 0};

inline constexpr int kGridCells = 42; // 6 rows of 7, Sunday first: cell c is column c % 7, row c / 7

// One cell: the day number (Label_Newli) over the lunar caption or marker (Label_Oldli). Both labels share
// the back colour.
struct Cell
{
    std::string newli;
    std::string oldli;
    Rgb newliFore = kBlack;
    Rgb oldliFore = kBlack;
    Rgb back = kWhite;
};

struct MonthGrid
{
    std::array<Cell, kGridCells> cells;
    std::string header; // Label4, e.g. "建国76年 农历甲辰年 【龙年】"
};

// The texts of the day panel, one per label.
struct DayPanel
{
    std::string LabelToday; // term, festivals, or the month's two terms
    std::string LabelYM;    // "2024年5月"
    std::string LabelDay;   // "22"
    std::string LabelWeek;  // "星期三"
    std::string LabelNongYMD;
    std::string LabelNongLi;
    std::string LabelPZ;
    std::string LabelXS;
    std::string LabelFS;
    std::string LabelCS;
    std::string LabelYJ;
    Rgb weekFore = kBlack; // LabelDay and LabelWeek: green on Saturday, red on Sunday
};

// Label4 of a Gregorian year: era name, then the year's pair by its number alone (no 立春), and its animal.
std::string headerText(int year);

// The lower caption of a day: its lunar month on day 1 of a lunar month ("闰4月小", "8月大"), else its lunar day.
std::string lunarCaption(const DayInfo& day);

// A marker longer than four characters shows as its first three and "...".
std::string shortMarker(const std::string& marker);

// The grid of a month (1-12); nothing outside 1900-02 to 2100-12.
std::optional<MonthGrid> monthGrid(const MonthInfo& info, int year, int month);

// The day shown in a cell, or nothing for a cell outside the month.
std::optional<int> dayOfCell(int year, int month, int cell);

// The panel of one day of the month (its record from GetMonthInfo).
DayPanel dayPanel(const DayInfo& day);

// The panel of a date; nothing for a date outside 1900-02-01 to 2100-12-31 or no date at all.
std::optional<DayPanel> dayPanel(const MonthInfo& info, int year, int month, int day);

// Back colour of cell c after a click on cell `clicked`: tinted when it is that cell and shows a day, else white
// (the current-day tint goes too).
Rgb backAfterClick(int c, int clicked, bool clickedShowsDay);

} // namespace models
