#include "engine/LandPP.h"
#include "engine/analysis/ReverseLookup.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

using namespace std::chrono;

namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10} + hours{8}}; };

// The longest search: a 庚子 year has four candidates from 1900 (1900, 1960, 2020, 2080), and the 寅 month of the
// first three holds no 丁未 day, so the answer comes from the last, 2080-02-19 12:00.
void BM_BaZi2Date(benchmark::State& state)
{
    const LandPP lp{kFixedNow};
    const std::string year = "庚子", month = "戊寅", day = "丁未", hour = "丙午";
    for (auto _ : state) {
        std::string date = lp.BaZi2Date(year, month, day, hour, 1900);
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_BaZi2Date);

} // namespace
