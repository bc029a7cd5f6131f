#include "astro/Astro.h"

#include <gtest/gtest.h>

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

// Within the leap-second table TT - UTC is 32.184 s plus TAI - UTC (IERS Bulletin C).
const DeltaTCase kLeapSecondEra[] = {
    {yearOf(-10227), 42.184, 1e-9}, // 1972-01-01: the first whole second offset, TAI - UTC = 10 s
    {yearOf(-1), 64.184, 1e-9},     // 1999-12-31: 32 s since 1999-01-01
    {yearOf(6209), 68.184, 1e-9},   // 2016-12-31: the last day with 36 s
    {yearOf(6210), 69.184, 1e-9},   // 2017-01-01: 37 s after the latest leap second
    {yearOf(8800), 69.184, 1e-9},   // 2024-02-04: no leap second since
};

// Observed TT - UT1 before the leap-second table (Astronomical Almanac), which the model fits to about a second.
const DeltaTCase kObserved[] = {
    {1800.0, 13.7, 1.0}, // the first supported year
    {1850.0, 7.1, 1.0},  //
    {1870.0, 1.6, 1.0},  // falling fast towards the minimum of the 1890s
    {1900.0, -2.7, 1.0}, // negative around the turn of the century
    {1920.0, 21.2, 1.0}, // the steep rise of the 1910s
    {1950.0, 29.1, 1.0}, //
};

// Hand calculation from the published extrapolation (-20 + 32u^2 - 0.5628 (2150 - y), u = (y - 1820) / 100) and
// the long-term parabola; future values are a model, not a prediction to trust.
const DeltaTCase kModelled[] = {
    {2100.0, 202.74, 0.01}, // 2050-2150 piece
    {2200.0, 442.08, 0.01}, // the parabola alone
};

TEST(DeltaTSeconds, IsExactWithinTheLeapSecondTable)
{
    for (const auto& c : kLeapSecondEra) {
        SCOPED_TRACE(std::to_string(c.decimalYear));
        EXPECT_NEAR(astro::deltaTSeconds(c.decimalYear), c.seconds, c.tolerance);
    }
}

TEST(DeltaTSeconds, FollowsObservationsBeforeTheLeapSecondTable)
{
    for (const auto& c : kObserved) {
        SCOPED_TRACE(std::to_string(c.decimalYear));
        EXPECT_NEAR(astro::deltaTSeconds(c.decimalYear), c.seconds, c.tolerance);
    }
}

TEST(DeltaTSeconds, FollowsTheEspenakMeeusExtrapolationAfterIt)
{
    for (const auto& c : kModelled) {
        SCOPED_TRACE(std::to_string(c.decimalYear));
        EXPECT_NEAR(astro::deltaTSeconds(c.decimalYear), c.seconds, c.tolerance);
    }
}

} // namespace
