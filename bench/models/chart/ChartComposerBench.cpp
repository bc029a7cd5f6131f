#include "models/chart/ChartComposer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// One press of the chart button with stars on: every value fetched, every row laid out, the rows joined.
void BM_ChartComposer(benchmark::State& state)
{
    const models::ChartComposer composer{kFixedNow};
    models::ChartRequest request;
    request.name = "张三";
    request.year = "1984";
    request.month = "03";
    request.day = "02";
    request.hour = "16";
    request.minute = "25";
    request.stars = true;
    for (auto _ : state) {
        std::string error;
        const auto lines = composer.compose(request, error);
        std::string text = models::joinLines(*lines);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ChartComposer)->Unit(benchmark::kMicrosecond);

// The same chart with every moment option on: a place, its zone with summer time, true solar time, astronomical
// terms and the next-day 子 convention. Kept beside the default chart so that one run compares the two.
void BM_ChartComposerEveryOption(benchmark::State& state)
{
    const models::ChartComposer composer{kFixedNow};
    models::ChartRequest request;
    request.name = "张三";
    request.year = "1988";
    request.month = "07";
    request.day = "15";
    request.hour = "08";
    request.minute = "00";
    request.stars = true;
    request.moment.place = models::findPlace("哈尔滨");
    request.moment.solarTime = engine::SolarTimeKind::apparent;
    request.moment.terms = models::TermMethod::astro;
    request.moment.lateZi = engine::LateZi::nextDay;
    for (auto _ : state) {
        std::string error;
        const auto lines = composer.compose(request, error);
        std::string text = models::joinLines(*lines);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ChartComposerEveryOption)->Unit(benchmark::kMicrosecond);

} // namespace
