#include "models/solartime/TermSources.h"

#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono;

namespace {

struct PublishedTerm
{
    int year;
    int n;
    const char* beijing; // as the almanacs print it, to the minute
};

// clang-format off
const PublishedTerm kPublished[] = {
    {2024, 2, "2024-02-04 16:27"},  // 立春, where the mean formula says 14:39
    {2024, 5, "2024-03-20 11:06"},  // 春分
    {2024, 11, "2024-06-21 04:51"}, // 夏至: UTC is still the 20th
    {2024, 23, "2024-12-21 17:21"}, // 冬至
    {2023, 2, "2023-02-04 10:42"},  // 立春 of another year
    {2000, 23, "2000-12-21 21:37"}, // 冬至 of 2000
};
// clang-format on

TEST(astroTermBeijing, AgreesWithThePrintedAlmanacToTheMinute)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const auto& c : kPublished) {
        SCOPED_TRACE(c.beijing);
        const engine::LocalTime term = models::astroTermBeijing(c.year, c.n);
        EXPECT_LE(abs(term - *engine::readTime(c.beijing)), 60s) << engine::writeTime(term);
    }
}

// Every year's terms come in order about fifteen days apart, never far from the mean formula's, and term n is read
// mod 24 within its year.
TEST(astroTermBeijing, EveryYearsTermsAreInOrderNearTheMeanOnes)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (int y = 1900; y <= 2100; ++y) {
        for (int n = 0; n < 24; ++n) {
            const engine::LocalTime term = models::astroTermBeijing(y, n);
            ASSERT_LE(abs(term - engine::termInstant(y, n)), 4h) << y << " term " << n;
            if (n > 0) {
                const auto gap = term - models::astroTermBeijing(y, n - 1);
                ASSERT_TRUE(gap > days{14} && gap < days{16}) << y << " term " << n;
            }
        }
        ASSERT_EQ(models::astroTermBeijing(y, 24), models::astroTermBeijing(y, 0)) << y;
        ASSERT_EQ(models::astroTermBeijing(y, -1), models::astroTermBeijing(y, 23)) << y;
    }
}

TEST(astroTermBeijing, RefusesYearsTheAstronomyDoesNotCover)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const int y : {1799, 2201}) {
        try {
            models::astroTermBeijing(y, 0);
            ADD_FAILURE() << y << ": no RangeError";
        } catch (const engine::RangeError& e) {
            EXPECT_NE(std::string(e.what()).find(std::to_string(y)), std::string::npos) << e.what();
        }
    }
}

TEST(termSource, NamesTheMethodsSource)
{
    EXPECT_EQ(models::termSource(models::TermMethod::mean), engine::termInstant);
    EXPECT_EQ(models::termSource(models::TermMethod::astro), models::astroTermBeijing);
}

} // namespace
