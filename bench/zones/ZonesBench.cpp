#include "zones/Zones.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string_view>

using namespace std::chrono;

namespace {

void resolveLoop(benchmark::State& state, std::string_view zone, local_seconds birth)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zones::resolve(zone, birth));
}

// The first call in the process loads the database and the zone: registered first, run once, so that it measures
// that load when the benchmarks run in their usual order.
void BM_FirstResolve(benchmark::State& state)
{
    resolveLoop(state, "Asia/Shanghai", local_days{1988y / 7 / 15} + 8h);
}
BENCHMARK(BM_FirstResolve)->Iterations(1);

// A summer-time birth in the zone most charts use.
void BM_ResolveShanghai(benchmark::State& state)
{
    resolveLoop(state, "Asia/Shanghai", local_days{1988y / 7 / 15} + 8h);
}
BENCHMARK(BM_ResolveShanghai);

// A zone with many listed changes, and a year past them that the zone file's later rule answers.
void BM_ResolveNewYork(benchmark::State& state)
{
    resolveLoop(state, "America/New_York", local_days{2024y / 7 / 1} + 12h);
}
BENCHMARK(BM_ResolveNewYork);

void BM_ResolveNewYorkAfter2037(benchmark::State& state)
{
    resolveLoop(state, "America/New_York", local_days{2050y / 7 / 1} + 12h);
}
BENCHMARK(BM_ResolveNewYorkAfter2037);

void BM_ToLocalNewYork(benchmark::State& state)
{
    const sys_seconds instant = sys_days{2024y / 7 / 1} + 16h;
    for (auto _ : state)
        benchmark::DoNotOptimize(zones::toLocal("America/New_York", instant));
}
BENCHMARK(BM_ToLocalNewYork);

} // namespace

BENCHMARK_MAIN();
