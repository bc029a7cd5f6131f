#include "models/solartime/Places.h"

#include <benchmark/benchmark.h>

// One keystroke of completion: a search over every row of the table.
static void BM_FindPlaces(benchmark::State& state, const char* query)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(models::findPlaces(query));
}
BENCHMARK_CAPTURE(BM_FindPlaces, initials, "wlmq");
BENCHMARK_CAPTURE(BM_FindPlaces, oneLetter, "s");
BENCHMARK_CAPTURE(BM_FindPlaces, chinese, "北");
BENCHMARK_CAPTURE(BM_FindPlaces, english, "New York");
BENCHMARK_CAPTURE(BM_FindPlaces, withRegion, "通州区 北京");
BENCHMARK_CAPTURE(BM_FindPlaces, nothing, "zzqxj");

static void BM_FindPlace(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(models::findPlace("Beijing"));
}
BENCHMARK(BM_FindPlace);
