#include "engine/LandPP.h"
#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// Items per second, and its inverse as "per_item" (seconds each) so the figure reads directly against a target.
void countItems(benchmark::State& state, std::int64_t itemsPerIteration)
{
    state.SetItemsProcessed(state.iterations() * itemsPerIteration);
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(itemsPerIteration),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every day the lunar table covers, already parsed: the loop times the conversion alone.
void BM_ToLunarAllDays(benchmark::State& state)
{
    std::vector<engine::LocalDays> coveredDays;
    for (engine::LocalDays d = engine::kFirstLunarDay; d <= engine::kLastLunarDay; d += days{1})
        coveredDays.push_back(d);
    for (auto _ : state) {
        for (const engine::LocalDays d : coveredDays) {
            engine::NongLiDate lunar = engine::toLunar(d);
            benchmark::DoNotOptimize(lunar);
        }
    }
    countItems(state, static_cast<std::int64_t>(coveredDays.size()));
}
BENCHMARK(BM_ToLunarAllDays)->Unit(benchmark::kMillisecond);

// The whole text method: read the date, walk the table, write the lunar text.
void BM_YangLi2NongLi(benchmark::State& state)
{
    const LandPP lp{kFixedNow};
    for (auto _ : state) {
        std::string sTime = "2023-03-22"; // a leap month's first day; a fresh copy because sTime may be rewritten
        std::string lunar = lp.YangLi2NongLi(sTime);
        benchmark::DoNotOptimize(lunar);
    }
}
BENCHMARK(BM_YangLi2NongLi);

// Date-time texts spread over the lunar table's years. The stride is not a whole number of minutes, hours or
// days, so the items fall at every hour, near and far from term instants, with no cache-friendly pattern.
std::vector<std::string> pillarTexts()
{
    constexpr int kCount = 100'000;
    constexpr seconds kStride{63'421};
    std::vector<std::string> texts;
    texts.reserve(kCount);
    engine::LocalTime t{local_days{year{1900} / 1 / 1}};
    for (int i = 0; i < kCount; ++i, t += kStride)
        texts.push_back(engine::writeTime(t));
    return texts;
}

// What a chart does for its pillars: read the birth time text, then compute the four pillars.
void BM_FourPillars(benchmark::State& state)
{
    const std::vector<std::string> texts = pillarTexts();
    for (auto _ : state) {
        for (const std::string& text : texts) {
            const auto t = engine::readTime(text); // always readable: writeTime wrote it
            std::array<std::string, 4> pillars = engine::fourPillars(t.value());
            benchmark::DoNotOptimize(pillars);
        }
    }
    countItems(state, static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_FourPillars)->Unit(benchmark::kMillisecond);

// A year of term instants, as the calendar window needs for each year it shows.
void BM_SolarTermsOfYear(benchmark::State& state)
{
    for (auto _ : state) {
        for (int n = 0; n < 24; ++n) {
            engine::LocalTime at = engine::termInstant(2024, n);
            benchmark::DoNotOptimize(at);
        }
    }
    countItems(state, 24);
}
BENCHMARK(BM_SolarTermsOfYear);

} // namespace
