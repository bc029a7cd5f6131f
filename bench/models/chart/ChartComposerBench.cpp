#include "models/chart/ChartComposer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// A man's birth with the stars on, as the window's lists give it.
models::ChartRequest birth(const char* y, const char* m, const char* d, const char* h, const char* minute)
{
    models::ChartRequest request;
    request.name = "张三";
    request.year = y;
    request.month = m;
    request.day = d;
    request.hour = h;
    request.minute = minute;
    request.stars = true;
    return request;
}

// Presses of the chart button: every value fetched, every row laid out, the rows joined.
void composeRepeatedly(benchmark::State& state, const models::ChartRequest& request)
{
    const models::ChartComposer composer{kFixedNow};
    for (auto _ : state) {
        std::string error;
        const auto lines = composer.compose(request, error);
        std::string text = models::joinLines(*lines);
        benchmark::DoNotOptimize(text);
    }
}

// One press of the chart button with stars on: every value fetched, every row laid out, the rows joined.
void BM_ChartComposer(benchmark::State& state)
{
    composeRepeatedly(state, birth("1984", "03", "02", "16", "25"));
}
BENCHMARK(BM_ChartComposer)->Unit(benchmark::kMicrosecond);

// The same chart with every moment option on: a place, its zone with summer time, true solar time, astronomical
// terms and the next-day 子 convention. Kept beside the default chart so that one run compares the two.
void BM_ChartComposerEveryOption(benchmark::State& state)
{
    models::ChartRequest request = birth("1988", "07", "15", "08", "00");
    request.moment.place = models::findPlace("哈尔滨");
    request.moment.solarTime = engine::SolarTimeKind::apparent;
    request.moment.terms = models::TermMethod::astro;
    request.moment.lateZi = engine::LateZi::nextDay;
    composeRepeatedly(state, request);
}
BENCHMARK(BM_ChartComposerEveryOption)->Unit(benchmark::kMicrosecond);

} // namespace
