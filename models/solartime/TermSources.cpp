#include "models/solartime/TermSources.h"

#include "astro/Astro.h"

#include <string>

using namespace std::chrono;

namespace models {

engine::LocalTime astroTermBeijing(int year, int n)
{
    if (!astro::available())
        throw engine::RangeError("astronomical terms are not part of this build");
    if (year < astro::kFirstYear || year > astro::kLastYear)
        throw engine::RangeError("year " + std::to_string(year) + " is outside the astronomical terms' years " +
                                 std::to_string(astro::kFirstYear) + "-" + std::to_string(astro::kLastYear));
    const auto utc = astro::termInstants(year)[static_cast<std::size_t>(engine::floorMod(n, 24))];
    return engine::LocalTime{utc.time_since_epoch() + hours{8}};
}

engine::TermSource termSource(TermMethod method)
{
    return method == TermMethod::astro ? astroTermBeijing : engine::termInstant;
}

} // namespace models
