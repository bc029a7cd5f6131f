#include "models/calendar/MonthInfo.h"
#include "models/calendar/MonthView.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// One month's records, as every repaint and every click of the calendar window computes them. February 2024
// has the most to do: 立春 turns the year, 除夕 and 春节 fall in it, and today's marker is set.
void BM_GetMonthInfo(benchmark::State& state)
{
    const models::MonthInfo info{kFixedNow};
    for (auto _ : state) {
        auto days = info.GetMonthInfo(2024, 1);
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_GetMonthInfo)->Unit(benchmark::kMicrosecond);

// The whole grid the window paints: the records plus the 42 captions, markers and colours.
void BM_MonthGrid(benchmark::State& state)
{
    const models::MonthInfo info{kFixedNow};
    for (auto _ : state) {
        auto grid = models::monthGrid(info, 2024, 2);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_MonthGrid)->Unit(benchmark::kMicrosecond);

} // namespace
