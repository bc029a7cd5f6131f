#include "astro/Astro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct DeltaTCase
{
    double decimalYear;
    double seconds;
    double tolerance;
};

// Decimal year of noon on a day: 2000.0 is 2000-01-01 00:00 UTC and years have 365.2425 days.
constexpr double yearOf(int daysFrom2000)
{
    return 2000.0 + (daysFrom2000 + 0.5) / 365.2425;
}

// clang-format off
const DeltaTCase kDeltaT[] = {
    // Within the leap-second table TT - UTC is 32.184 s plus TAI - UTC (IERS Bulletin C).
    {yearOf(-10227), 42.184, 1e-9}, // 1972-01-01: the first whole second offset, TAI - UTC = 10 s
    {yearOf(-1), 64.184, 1e-9},     // 1999-12-31: 32 s since 1999-01-01
    {yearOf(6209), 68.184, 1e-9},   // 2016-12-31: the last day with 36 s
    {yearOf(6210), 69.184, 1e-9},   // 2017-01-01: 37 s after the latest leap second
    {yearOf(8800), 69.184, 1e-9},   // 2024-02-04: no leap second since
    // Before it, observed TT - UT1 (Astronomical Almanac), which the model fits to about a second.
    {1800.0, 13.7, 1.0}, // the first supported year
    {1850.0, 7.1, 1.0},  //
    {1870.0, 1.6, 1.0},  // falling fast towards the minimum of the 1890s
    {1900.0, -2.7, 1.0}, // negative around the turn of the century
    {1920.0, 21.2, 1.0}, // the steep rise of the 1910s
    {1950.0, 29.1, 1.0}, //
    // After it, hand calculation from the published extrapolation, -20 + 32u^2 - 0.5628 (2150 - y) with
    // u = (y - 1820) / 100, and the long-term parabola; a model, not a prediction to trust.
    {2100.0, 202.74, 0.01}, // 2050-2150 piece
    {2200.0, 442.08, 0.01}, // the parabola alone
};
// clang-format on

TEST(DeltaTSeconds, FollowsLeapSecondsObservationsAndTheModel)
{
    for (const auto& c : kDeltaT) {
        SCOPED_TRACE(std::to_string(c.decimalYear));
        EXPECT_NEAR(astro::deltaTSeconds(c.decimalYear), c.seconds, c.tolerance);
    }
}

// A year that is no number has no TT - UTC, and asking must not reach the calendar routines with it.
TEST(DeltaTSeconds, IsNotANumberForNonFiniteYears)
{
    EXPECT_TRUE(std::isnan(astro::deltaTSeconds(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_FALSE(std::isfinite(astro::deltaTSeconds(std::numeric_limits<double>::infinity())));
}

} // namespace
