#pragma once

#include <string>

// The calendar window's navigation as plain rules: which of the four step buttons may be pressed, the steps
// themselves within 1901-01 to 2099-12, and the double-hour text of its clock.
namespace models {

inline constexpr int kFirstShownYear = 1901;
inline constexpr int kLastShownYear = 2099;

struct ShownMonth
{
    int year = kFirstShownYear;
    int month = 1; // 1-12
    friend constexpr bool operator==(const ShownMonth&, const ShownMonth&) = default;
};

// Enabled state of CommandYearUp (年↑, a year back), CommandYearDown (年↓), CommandMonthUp (月↑, a month back)
// and CommandMonthDown (月↓).
struct NavButtons
{
    bool yearUp = true;
    bool yearDown = true;
    bool monthUp = true;
    bool monthDown = true;
    friend constexpr bool operator==(const NavButtons&, const NavButtons&) = default;
};

// All four buttons from the shown month, so that no step can leave 1901-01 to 2099-12 whichever control moved
// last: a step back is possible after 1901-01, a step forward before 2099-12, a year step within 1901-2099.
NavButtons navButtons(ShownMonth shown);

// The nearest month within 1901-01 to 2099-12; a month outside 1-12 is taken as the nearest of them.
ShownMonth clampShown(int year, int month);

// The shown month moved by whole years or months and kept within 1901-01 to 2099-12.
ShownMonth stepYear(ShownMonth shown, int years);
ShownMonth stepMonth(ShownMonth shown, int months);

// "(子)" for 23:00-00:59, "(丑)" for 01:00-02:59 ... "(亥)" for 21:00-22:59; hour 0-23.
std::string shiChenText(int hour);

} // namespace models
