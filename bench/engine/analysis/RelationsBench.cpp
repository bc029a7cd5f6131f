#include "engine/analysis/Relations.h"

#include <benchmark/benchmark.h>

#include <array>
#include <span>
#include <vector>

namespace {

using engine::PillarPlace;

// A heavy chart: 辛酉 丁酉 乙卯 丙子 hold eight relations; with the luck pillar 戊戌, the year 甲辰 and the month
// 丙寅 seven pillars hold nineteen, a 三会 among them. Arg(0) is the number of pillars read.
constexpr std::array<engine::PillarValue, 7> kPillars = {{
    {PillarPlace::year, 7, 9},
    {PillarPlace::month, 3, 9},
    {PillarPlace::day, 1, 3},
    {PillarPlace::hour, 2, 0},
    {PillarPlace::luck, 4, 10},
    {PillarPlace::flowYear, 0, 4},
    {PillarPlace::flowMonth, 2, 2},
}};

void BM_RelationsAmong(benchmark::State& state)
{
    const auto pillars = std::span(kPillars).first(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<engine::Relation> relations = engine::relationsAmong(pillars);
        benchmark::DoNotOptimize(relations);
    }
}
BENCHMARK(BM_RelationsAmong)->Arg(4)->Arg(7);

} // namespace
