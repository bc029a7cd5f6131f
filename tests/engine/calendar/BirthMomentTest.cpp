#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace std::chrono;
using engine::LocalTime;

namespace {

const engine::Clock kFixedNow = [] { return LocalTime{local_days{2024y / 2 / 10}} + 8h; };

// Moments across every year the pillars cover: an odd step, so the walk meets every hour and most minutes of the
// day, and the second either side of every 节, where the year and month turn.
std::vector<LocalTime> sweepMoments()
{
    std::vector<LocalTime> moments;
    const LocalTime first{local_days{1900y / 1 / 1}};
    const LocalTime last = LocalTime{local_days{2201y / 1 / 1}} - 1s;
    for (LocalTime t = first; t <= last; t += 25h + 7min + 13s)
        moments.push_back(t);
    for (int y = engine::kFirstPillarYear; y <= engine::kLastPillarYear; ++y) {
        for (int n = 0; n < 24; n += 2) {
            moments.push_back(engine::termInstant(y, n) - 1s);
            moments.push_back(engine::termInstant(y, n));
        }
    }
    return moments;
}

// The clock-time forms read a time as Beijing time against the mean terms: the same as the plain birth moment.
TEST(BirthMoment, BeijingMomentChartsAsTheClockTime)
{
    for (const LocalTime t : sweepMoments()) {
        const engine::BirthMoment m = engine::beijingMoment(t);
        ASSERT_EQ(engine::fourPillars(m), engine::fourPillars(t)) << engine::writeTime(t);
        const engine::PillarChars byMoment = engine::pillarChars(m);
        const engine::PillarChars byClock = engine::pillarChars(t);
        ASSERT_EQ(byMoment.stems, byClock.stems) << engine::writeTime(t);
        ASSERT_EQ(byMoment.branches, byClock.branches) << engine::writeTime(t);
        ASSERT_EQ(engine::lifePalace(m), engine::lifePalace(t)) << engine::writeTime(t);
    }
}

// The one-pillar text methods count each pillar on their own; the whole chart must name the same pillars.
TEST(BirthMoment, ChartAgreesWithTheOnePillarMethods)
{
    const LandPP lp{kFixedNow};
    for (const LocalTime t : sweepMoments()) {
        std::string s = engine::writeTime(t);
        const std::array<std::string, 4> byMethods = {
            lp.YearTianGan(s) + lp.YearDiZhi(s), lp.MonthTianGan(s) + lp.MonthDiZhi(s),
            lp.DayTianGan(s) + lp.DayDiZhi(s), lp.HourTianGan(s) + lp.HourDiZhi(s)};
        const std::array<std::string, 4> chart = engine::fourPillars(engine::beijingMoment(t));
        ASSERT_EQ(chart, byMethods) << s;
        const engine::PillarChars chars = engine::pillarChars(t);
        for (std::size_t i = 0; i < 4; ++i)
            ASSERT_EQ(chars.ganZhi(i), chart[i]) << s << ", pillar " << i;
        ASSERT_EQ(lp.MingGong(s), engine::lifePalace(engine::beijingMoment(t))) << s;
    }
}

std::string rangeMessage(const std::function<void()>& call)
{
    try {
        call();
    } catch (const engine::RangeError& e) {
        return e.what();
    }
    return "no RangeError";
}

// Just outside the covered years both forms refuse, naming the same value.
TEST(BirthMoment, BothFormsRefuseTheSameMomentsAlike)
{
    const LocalTime outside[] = {
        LocalTime{local_days{1900y / 1 / 1}} - 1s, // the last second of 1899
        LocalTime{local_days{2201y / 1 / 1}},      // the first second of 2201
    };
    for (const LocalTime t : outside) {
        SCOPED_TRACE(engine::writeTime(t));
        const engine::BirthMoment m = engine::beijingMoment(t);
        const std::string message = rangeMessage([&] { engine::fourPillars(t); });
        EXPECT_NE(message, "no RangeError");
        EXPECT_EQ(rangeMessage([&] { engine::fourPillars(m); }), message);
        EXPECT_EQ(rangeMessage([&] { engine::pillarChars(t); }), rangeMessage([&] { engine::pillarChars(m); }));
        EXPECT_EQ(rangeMessage([&] { engine::lifePalace(t); }), rangeMessage([&] { engine::lifePalace(m); }));
    }
}

} // namespace
