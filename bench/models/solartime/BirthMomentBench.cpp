#include "models/solartime/BirthMoment.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace std::chrono;

namespace {

// Four pillars of a birth in Harbin (1995: no summer-time change to refuse) with astronomical terms and true solar
// time, the year's terms already cached: the zone lookup, the equation of time and the pillars, per birth.
void BM_FourPillarsAstroTrueSolar(benchmark::State& state)
{
    models::MomentOptions options;
    options.place = models::findPlace("哈尔滨");
    options.solarTime = engine::SolarTimeKind::apparent;
    options.terms = models::TermMethod::astro;
    engine::LocalTime birth = engine::LocalTime{local_days{year{1995} / 7 / 15}} + hours{8};
    models::resolveMoment(birth, options); // fills the year's term cache
    for (auto _ : state) {
        const auto moment = std::get<models::Moment>(models::resolveMoment(birth, options)).birth();
        auto pillars = engine::fourPillars(moment);
        benchmark::DoNotOptimize(pillars);
        birth += minutes{7}; // walk within the cached year
        if (birth > engine::LocalTime{local_days{year{1995} / 12 / 1}})
            birth = engine::LocalTime{local_days{year{1995} / 7 / 15}};
    }
}
BENCHMARK(BM_FourPillarsAstroTrueSolar);

} // namespace
