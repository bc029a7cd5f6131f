#include "engine/analysis/ReverseLookup.h"
#include "engine/calendar/Calendar.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;
using namespace std::chrono;

namespace {

using Pillars = std::array<std::string, 4>;

int pillarYear(LocalTime t)
{
    return yearCount(t) + 1864;
}

// The first moment of the day, to the minute, with the pillars in a pillar year from firstYear on; nothing if none.
// Where the year and month pillars hold all day, one look per clock hour suffices, since the hour pillar changes only
// on the hour; on a day a term cuts, every minute of the clock hours that have the hour pillar is tried.
std::optional<LocalTime> firstOnDay(LocalDays day, const Pillars& wanted, int firstYear)
{
    const LocalTime midnight{day};
    const LocalTime lastMinute = midnight + days{1} - minutes{1};
    if (pillarYear(lastMinute) < firstYear)
        return std::nullopt;
    const bool termInside =
        yearCount(midnight) != yearCount(lastMinute) || monthCount(midnight) != monthCount(lastMinute);
    for (int h = 0; h < 24; ++h) {
        const LocalTime hour = midnight + hours{h};
        if (fourPillars(hour)[3] != wanted[3])
            continue;
        for (int m = 0; m < (termInside ? 60 : 1); ++m) {
            const LocalTime t = hour + minutes{m};
            if (pillarYear(t) >= firstYear && fourPillars(t) == wanted)
                return t;
        }
    }
    return std::nullopt;
}

// The earliest moment, not after `limit`, with the pillars in a pillar year from firstYear on. Only the calendar
// years that can hold the year pillar are walked, and in them only the days that have the day pillar.
std::optional<LocalTime> earliestByScan(const Pillars& wanted, int firstYear, LocalTime limit)
{
    const LocalDays lastDay = floor<days>(limit);
    const int lastYear = static_cast<int>(year_month_day{lastDay}.year());
    for (int y = firstYear; y <= lastYear; ++y) {
        if (ganZhi(y - 1865) != wanted[0] && ganZhi(y - 1864) != wanted[0]) // before and after 立春
            continue;
        LocalDays day{year{y} / 1 / 1};
        while (ganZhi(dayCount(day)) != wanted[2])
            day += days{1};
        for (; day <= lastDay && year_month_day{day}.year() == year{y}; day += days{60}) {
            if (const auto t = firstOnDay(day, wanted, firstYear); t && *t <= limit)
                return t;
        }
    }
    return std::nullopt;
}

struct Sample
{
    LocalTime moment;
    int firstYear;
};

// Half the moments anywhere in 1901-2099, half within a day of a 节, where the term-day rules apply; every moment
// searched from a first year at or before its own pillar year.
std::vector<Sample> samples(int count)
{
    std::mt19937_64 random(20240207);
    const auto below = [&random](long long n) {
        return static_cast<long long>(random() % static_cast<unsigned long long>(n));
    };
    const LocalTime first{local_days{year{1901} / 1 / 1}};
    const long long span = duration_cast<minutes>(LocalTime{local_days{year{2100} / 1 / 1}} - first).count();
    std::vector<Sample> out;
    for (int i = 0; i < count; ++i) {
        LocalTime t = first + minutes{below(span)};
        if (i % 2 == 1)
            t = termInstant(1901 + static_cast<int>(below(199)), 2 * static_cast<int>(below(12))) +
                minutes{below(2 * 1500 + 1) - 1500};
        const int own = pillarYear(t);
        out.push_back({t, kFirstLookupYear + static_cast<int>(below(own - kFirstLookupYear + 1))});
    }
    return out;
}

TEST(LookupBaZi, AgreesWithABruteForceScan)
{
    for (const Sample& s : samples(5000)) {
        const Pillars wanted = fourPillars(s.moment);
        SCOPED_TRACE(writeTime(s.moment) + " from " + std::to_string(s.firstYear));
        const auto lookup = lookupBaZi(wanted[0], wanted[1], wanted[2], wanted[3], s.firstYear);
        ASSERT_TRUE(std::holds_alternative<BaZiFound>(lookup)) << lookupText(lookup);
        const BaZiFound found = std::get<BaZiFound>(lookup);
        ASSERT_EQ(fourPillars(found.at), wanted) << writeTime(found.at);
        EXPECT_GE(pillarYear(found.at), s.firstYear);

        const auto earliest = earliestByScan(wanted, s.firstYear, s.moment);
        ASSERT_TRUE(earliest.has_value());
        // The answer lies in the earliest stretch of the double hour: its nominal hour, or where the stretch begins.
        const LocalDays day = floor<days>(found.at);
        EXPECT_EQ(floor<days>(*earliest), day) << writeTime(*earliest);
        EXPECT_LE(*earliest, found.at) << writeTime(*earliest);
        EXPECT_LE(found.at - *earliest, hours{1}) << writeTime(*earliest);
        if (found.atNominalHour)
            EXPECT_EQ(found.at, LocalTime{day} + hours{2 * hourBranch(toCivil(found.at).hour)});
        else
            EXPECT_EQ(found.at, *earliest);
    }
}

// Every year, month and day the tables allow, each with one hour (all twelve meet every day pillar), searched from
// 1900: an answer always carries the pillars asked for.
TEST(LookupBaZi, EveryAnswerHasThePillarsAskedFor)
{
    for (int y = 0; y < 60; ++y) {
        for (int m = 0; m < 12; ++m) {
            const std::string month = ganZhi(12 * (y % 5) + 2 + m); // 甲 years start at 丙寅 (2)
            for (int d = 0; d < 60; ++d) {
                const int h = (y + m + d) % 12;
                const Pillars wanted = {ganZhi(y), month, ganZhi(d), ganZhi(12 * (d % 5) + h)}; // 甲 days at 甲子
                const auto lookup = lookupBaZi(wanted[0], wanted[1], wanted[2], wanted[3], kFirstLookupYear);
                if (const auto* found = std::get_if<BaZiFound>(&lookup))
                    ASSERT_EQ(fourPillars(found->at), wanted) << writeTime(found->at);
                else
                    ASSERT_TRUE(std::holds_alternative<BaZiNotFound>(lookup)) << wanted[0] << wanted[1];
            }
        }
    }
}

} // namespace
