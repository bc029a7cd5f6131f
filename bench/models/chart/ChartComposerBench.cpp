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

} // namespace
