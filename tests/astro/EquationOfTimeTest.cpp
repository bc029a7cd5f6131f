#include "astro/Astro.h"
#include "engine/support/DateTime.h"
#include "tests/astro/ReferenceData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iostream>

using namespace std::chrono;
using astro::UtcSeconds;

namespace {

UtcSeconds utc(const char* text)
{
    return astro::reference::utcOf(engine::readTime(text).value());
}

// Noon UTC twice a month in 1900, 2024 and 2100 from astronomy-engine (tests/astro/data/eot-reference.tsv).
TEST(EquationOfTime, AgreesWithAstronomyEngine)
{
    const auto rows = astro::reference::readRows("eot-reference.tsv");
    ASSERT_EQ(rows.size(), 72u) << "missing or short fixture in " << ASTRO_DATA_DIR;
    double largest = 0.0;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 2u);
        SCOPED_TRACE(row[0]);
        const auto at = astro::reference::readSeconds(row[0]);
        ASSERT_TRUE(at);
        const double ours = astro::equationOfTimeSeconds(UtcSeconds{seconds{static_cast<long long>(*at)}});
        EXPECT_NEAR(ours, std::stod(row[1]), 1.0);
        largest = std::max(largest, std::abs(ours - std::stod(row[1])));
    }
    std::cout << "equation of time: largest deviation " << largest << " s\n";
    RecordProperty("eot_largest_deviation_s", std::to_string(largest));
}

struct PublishedValue
{
    const char* utc;
    double seconds;
    double tolerance;
};

// Almanac values of apparent minus mean time; the dates of the zeros move by a day from year to year.
// clang-format off
const PublishedValue kPublished[] = {
    {"2024-02-11 12:00:00", -14 * 60 - 15, 10}, // the year's minimum, about -14 min 15 s
    {"2024-05-14 12:00:00", 3 * 60 + 40, 10},   // the May maximum, about +3 min 40 s
    {"2024-07-26 12:00:00", -6 * 60 - 30, 10},  // the July minimum, about -6 min 30 s
    {"2024-11-03 12:00:00", 16 * 60 + 25, 10},  // the year's maximum, about +16 min 25 s
    {"2024-04-15 12:00:00", 0, 30},             // zero in mid-April
    {"2024-06-13 12:00:00", 0, 30},             // zero in mid-June
    {"2024-09-01 12:00:00", 0, 30},             // zero at the start of September
    {"2024-12-25 12:00:00", 0, 30},             // zero at Christmas
};
// clang-format on

TEST(EquationOfTime, MatchesAlmanacValues)
{
    for (const auto& c : kPublished) {
        SCOPED_TRACE(c.utc);
        EXPECT_NEAR(astro::equationOfTimeSeconds(utc(c.utc)), c.seconds, c.tolerance);
    }
}

TEST(EquationOfTime, RejectsInstantsOutsideTheSupportedYears)
{
    const UtcSeconds outside[] = {
        utc("1799-12-31 23:59:59"),         // a second before the first supported year
        utc("2201-01-01 00:00:00"),         // the first second after the last
        UtcSeconds{seconds{LLONG_MIN / 2}}, // far out: no overflow on the way to the check
        UtcSeconds{seconds{LLONG_MAX / 2}}, //
    };
    for (const UtcSeconds t : outside) {
        SCOPED_TRACE(t.time_since_epoch().count());
        EXPECT_THROW(astro::equationOfTimeSeconds(t), std::out_of_range);
    }
    EXPECT_NO_THROW(astro::equationOfTimeSeconds(utc("1800-01-01 00:00:00")));
    EXPECT_NO_THROW(astro::equationOfTimeSeconds(utc("2200-12-31 23:59:59")));
}

} // namespace
