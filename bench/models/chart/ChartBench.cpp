#include "models/chart/ChartText.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// A man's birth with the stars on.
models::ChartRequest birth(int y, unsigned m, unsigned d, int h, int minute)
{
    models::ChartRequest request;
    request.name = "张三";
    request.birth = engine::LocalTime{local_days{year{y} / month{m} / day{d}}} + hours{h} + minutes{minute};
    request.stars = true;
    return request;
}

// Presses of the chart button: the chart built, every row laid out into the text.
void chartRepeatedly(benchmark::State& state, const models::ChartRequest& request)
{
    for (auto _ : state) {
        const auto chart = models::chartOf(request, kFixedNow);
        std::string text = models::chartText(std::get<models::Chart>(chart));
        benchmark::DoNotOptimize(text);
    }
}

// One press of the chart button with stars on: every value fetched, every row laid out.
void BM_Chart(benchmark::State& state)
{
    chartRepeatedly(state, birth(1984, 3, 2, 16, 25));
}
BENCHMARK(BM_Chart)->Unit(benchmark::kMicrosecond);

// The same chart with its analysis: palaces, relations, counts, season and notices, and their rows.
void BM_ChartAnalysis(benchmark::State& state)
{
    models::ChartRequest request = birth(1984, 3, 2, 16, 25);
    request.analysis = true;
    chartRepeatedly(state, request);
}
BENCHMARK(BM_ChartAnalysis)->Unit(benchmark::kMicrosecond);

// The same chart with every moment option on: a place, its zone with summer time, true solar time, astronomical
// terms and the next-day 子 convention. Kept beside the default chart so that one run compares the two.
void BM_ChartEveryOption(benchmark::State& state)
{
    models::ChartRequest request = birth(1988, 7, 15, 8, 0);
    request.moment.place = models::findPlace("哈尔滨");
    request.moment.solarTime = engine::SolarTimeKind::apparent;
    request.moment.terms = models::TermMethod::astro;
    request.moment.lateZi = engine::LateZi::nextDay;
    chartRepeatedly(state, request);
}
BENCHMARK(BM_ChartEveryOption)->Unit(benchmark::kMicrosecond);

// The chart alone, without its text: what every presenter shares.
void BM_ChartOf(benchmark::State& state)
{
    const models::ChartRequest request = birth(1984, 3, 2, 16, 25);
    for (auto _ : state) {
        auto chart = models::chartOf(request, kFixedNow);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ChartOf)->Unit(benchmark::kMicrosecond);

// The chart with its analysis, without the text.
void BM_ChartOfWithAnalysis(benchmark::State& state)
{
    models::ChartRequest request = birth(1984, 3, 2, 16, 25);
    request.analysis = true;
    for (auto _ : state) {
        auto chart = models::chartOf(request, kFixedNow);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ChartOfWithAnalysis)->Unit(benchmark::kMicrosecond);

} // namespace
