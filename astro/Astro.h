#pragma once

#include <array>
#include <chrono>

// Solar-term instants, the equation of time and the TT - UTC model behind them, computed with ERFA (the IAU SOFA
// routines). Standard C++ and ERFA only: no calendar tables, no Qt.
namespace astro {

using UtcSeconds = std::chrono::sys_seconds;

// Gregorian years whose terms are computed; others throw std::out_of_range.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2200;

// The 24 instants at which the Sun's apparent geocentric ecliptic longitude of date reaches 285 + 15n degrees,
// n = 0 小寒 (early January) to 23 冬至 (late December) of `year`, in UTC rounded to the second (converted from TT
// as deltaTSeconds says). Computed once per year on first use and kept for the life of the process; safe to call
// from several threads.
// False in a build without ERFA: the functions below then throw std::out_of_range for every argument.
bool available();

const std::array<UtcSeconds, 24>& termInstants(int year);

// The same instants computed afresh, bypassing the cache.
std::array<UtcSeconds, 24> computeTermInstants(int year);

// Apparent minus mean solar time at `utc` in seconds: positive when a sundial runs ahead of the clock. Throws
// std::out_of_range outside the years kFirstYear to kLastYear.
double equationOfTimeSeconds(UtcSeconds utc);

// TT - UTC in seconds at a decimal year (2000.0 = 2000-01-01 00:00 UTC, years of 365.2425 days), as the library
// converts: exact from the leap-second table for 1960 to the end of the table's validity, the Espenak-Meeus 2006
// model of TT - UT1 elsewhere.
double deltaTSeconds(double decimalYear);

} // namespace astro
