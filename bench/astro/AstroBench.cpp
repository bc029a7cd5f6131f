#include "astro/Astro.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace std::chrono;

namespace {

// A year already in the cache: what a pillar lookup pays for its terms.
void BM_TermInstantsCached(benchmark::State& state)
{
    benchmark::DoNotOptimize(astro::termInstants(2024));
    for (auto _ : state) {
        const auto& terms = astro::termInstants(2024);
        benchmark::DoNotOptimize(terms);
    }
}
BENCHMARK(BM_TermInstantsCached);

// A year's 24 terms computed afresh: what the first lookup in a year pays.
void BM_TermInstantsColdYear(benchmark::State& state)
{
    int year = 1900;
    for (auto _ : state) {
        auto terms = astro::computeTermInstants(year);
        benchmark::DoNotOptimize(terms);
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_TermInstantsColdYear)->Unit(benchmark::kMicrosecond);

// Every year of the calendar's range 1900-2100, as a process computing them all would.
void BM_TermInstantsAllYears(benchmark::State& state)
{
    for (auto _ : state) {
        for (int year = 1900; year <= 2100; ++year) {
            auto terms = astro::computeTermInstants(year);
            benchmark::DoNotOptimize(terms);
        }
    }
}
BENCHMARK(BM_TermInstantsAllYears)->Unit(benchmark::kMillisecond);

void BM_EquationOfTime(benchmark::State& state)
{
    const astro::UtcSeconds at = sys_days{year{2024} / 2 / 11} + hours{12};
    for (auto _ : state) {
        double seconds = astro::equationOfTimeSeconds(at);
        benchmark::DoNotOptimize(seconds);
    }
}
BENCHMARK(BM_EquationOfTime)->Unit(benchmark::kMicrosecond);

} // namespace
