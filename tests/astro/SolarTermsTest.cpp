#include "astro/Astro.h"
#include "engine/support/DateTime.h"
#include "tests/astro/ReferenceData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono;
using astro::UtcSeconds;

namespace {

UtcSeconds utc(const char* text)
{
    return astro::reference::utcOf(engine::readTime(text).value());
}

std::string label(int year, int n)
{
    return std::to_string(year) + " term " + std::to_string(n);
}

// Largest and mean absolute difference in seconds.
struct Deviation
{
    double largest = 0.0;
    double sum = 0.0;
    int count = 0;

    void add(double seconds)
    {
        largest = std::max(largest, std::abs(seconds));
        sum += std::abs(seconds);
        ++count;
    }
    double mean() const { return count == 0 ? 0.0 : sum / count; }
};

void report(const char* name, const Deviation& d)
{
    std::cout << name << ": largest " << d.largest << " s, mean " << d.mean() << " s over " << d.count << " terms\n";
    ::testing::Test::RecordProperty(std::string(name) + "_largest_s", std::to_string(d.largest));
    ::testing::Test::RecordProperty(std::string(name) + "_mean_s", std::to_string(d.mean()));
}

// First in the file, so that these years are not yet cached when the whole suite runs in one process.
TEST(TermInstants, CachedYearsEqualFreshOnesUnderConcurrentFirstUse)
{
    const int years[] = {1899, 1984, 2101}; // neighbours of the calendar's range and a busy year, first requested here
    std::vector<std::thread> threads;
    std::vector<const std::array<UtcSeconds, 24>*> seen(8 * std::size(years));
    for (std::size_t t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            for (std::size_t i = 0; i < std::size(years); ++i)
                seen[t * std::size(years) + i] = &astro::termInstants(years[i]);
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const int year = years[i % std::size(years)];
        EXPECT_EQ(seen[i], &astro::termInstants(year)) << year;
        EXPECT_EQ(*seen[i], astro::computeTermInstants(year)) << year;
    }
}

// Our instant for the year and term number in a fixture row's first two columns.
UtcSeconds oursForRow(const astro::reference::Row& row)
{
    return astro::termInstants(std::stoi(row[0])).at(std::stoul(row[1]));
}

// Our instant in TT, seconds since 1970: our UTC plus our TT - UTC, to within the half second of rounding.
double oursInTt(UtcSeconds ours)
{
    const double utcSeconds = static_cast<double>(ours.time_since_epoch().count());
    const double decimalYear = 2000.0 + (utcSeconds - 946684800.0) / (365.2425 * 86400.0);
    return utcSeconds + astro::deltaTSeconds(decimalYear);
}

// Every term 1900-2100 from astronomy-engine (tests/astro/data/term-reference.tsv). Its truncated series put the
// Sun up to 2.3" (56 s) off; its UTC uses the Espenak-Meeus delta T throughout, ours the leap-second table where
// one exists, which adds up to 7 s in 1960-2026. The TT figures show the astronomy alone.
TEST(TermInstants, AgreeWithAstronomyEngineWithinAMinute)
{
    const auto rows = astro::reference::readRows("term-reference.tsv");
    ASSERT_EQ(rows.size(), 201u * 24u) << "missing or short fixture in " << ASTRO_DATA_DIR;
    Deviation inUtc;
    Deviation inTt;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        SCOPED_TRACE(row[0] + " term " + row[1]);
        const auto referenceUtc = astro::reference::readSeconds(row[2]);
        const auto referenceTt = astro::reference::readSeconds(row[3]);
        ASSERT_TRUE(referenceUtc && referenceTt);

        const UtcSeconds ours = oursForRow(row);
        const double oursUtc = static_cast<double>(ours.time_since_epoch().count());
        EXPECT_NEAR(oursUtc, *referenceUtc, 60.0);
        inUtc.add(oursUtc - *referenceUtc);
        inTt.add(oursInTt(ours) - *referenceTt);
    }
    report("astronomy_engine_utc", inUtc);
    report("astronomy_engine_tt", inTt);
}

// A sample from the Swiss Ephemeris, a compression of JPL DE431 (tests/astro/data/term-precise.tsv), at both ends
// of the supported years. Compared in TT, so only the astronomy and the rounding to the second count.
TEST(TermInstants, AgreeWithSwissEphemerisWithinASecond)
{
    const auto rows = astro::reference::readRows("term-precise.tsv");
    ASSERT_EQ(rows.size(), 13u * 6u) << "missing or short fixture in " << ASTRO_DATA_DIR;
    Deviation inTt;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
        SCOPED_TRACE(row[0] + " term " + row[1]);
        const auto referenceTt = astro::reference::readSeconds(row[2]);
        ASSERT_TRUE(referenceTt);
        const double ours = oursInTt(oursForRow(row));
        EXPECT_NEAR(ours, *referenceTt, 1.0);
        inTt.add(ours - *referenceTt);
    }
    report("swiss_ephemeris_tt", inTt);
}

// 立春 2024 is widely published as 16:26:53 Beijing time. That second comes from a truncated VSOP87 series: the
// JPL-based ephemeris above puts the crossing at 08:28:16.8 TT, 08:27:07.6 UTC, which this library follows.
TEST(TermInstants, LiChun2024IsWithinFifteenSecondsOfThePublishedSecond)
{
    const UtcSeconds ours = astro::termInstants(2024)[2];
    EXPECT_LE(abs(ours - utc("2024-02-04 08:27:08")), seconds{1});
    EXPECT_LE(abs(ours - utc("2024-02-04 08:26:53")), seconds{15});
}

// The Sun covers 15 degrees in 14.7 days near perihelion (early January) and 15.7 days near aphelion (early July).
TEST(TermInstants, FollowEachOtherEveryFifteenDaysInEverySupportedYear)
{
    constexpr auto kShortest = days{14} + hours{12};
    constexpr auto kLongest = days{15} + hours{22};
    UtcSeconds previous = astro::computeTermInstants(astro::kFirstYear)[0] - days{15};
    for (int year = astro::kFirstYear; year <= astro::kLastYear; ++year) {
        const auto& terms = astro::termInstants(year);
        EXPECT_EQ(year_month_day{floor<days>(terms[0])}.month(), January) << year;
        EXPECT_EQ(year_month_day{floor<days>(terms[0])}.year(), std::chrono::year{year});
        EXPECT_EQ(year_month_day{floor<days>(terms[23])}.month(), December) << year;
        for (std::size_t n = 0; n < terms.size(); ++n) {
            const auto gap = terms[n] - previous;
            ASSERT_TRUE(gap > kShortest && gap < kLongest) << label(year, static_cast<int>(n)) << ": " << gap.count();
            previous = terms[n];
        }
    }
}

TEST(TermInstants, RejectUnsupportedYears)
{
    const int years[] = {
        astro::kFirstYear - 1, // just before the range
        astro::kLastYear + 1,  // just after
        0,                     // far before it
        INT_MIN,               // the index must not wrap
        INT_MAX,               //
    };
    for (const int year : years) {
        SCOPED_TRACE(year);
        EXPECT_THROW(astro::termInstants(year), std::out_of_range);
        EXPECT_THROW(astro::computeTermInstants(year), std::out_of_range);
    }
    EXPECT_NO_THROW(astro::computeTermInstants(astro::kFirstYear));
    EXPECT_NO_THROW(astro::computeTermInstants(astro::kLastYear));
}

} // namespace
