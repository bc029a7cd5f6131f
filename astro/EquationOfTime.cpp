#include "astro/Astro.h"
#include "astro/Sun.h"
#include "astro/TimeScales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>
#include <string>

using namespace astro;
using namespace std::chrono;

namespace {

// The first and last instants of the supported years.
constexpr UtcSeconds kFirstInstant = sys_days{year{kFirstYear} / 1 / 1};
constexpr UtcSeconds kLastInstant = sys_days{year{kLastYear} / 12 / 31} + hours{24} - seconds{1};

} // namespace

namespace astro {

// Apparent solar time is the Sun's Greenwich hour angle plus 12 h, mean solar time is UT1: their difference is
// GAST - RA - 2 pi UT1 (from noon), where GAST (eraGst06) and the Sun's apparent right ascension share one IAU
// 2006/2000A precession-nutation matrix (eraPnm06a), so the equation of the equinoxes cancels. UTC stands in for
// UT1: the 0.9 s between them moves the result by under 3 ms.
double equationOfTimeSeconds(UtcSeconds utc)
{
    if (utc < kFirstInstant || utc > kLastInstant)
        throw std::out_of_range("equation of time: instant " + std::to_string(utc.time_since_epoch().count()) +
                                " s outside the years " + std::to_string(kFirstYear) + "-" + std::to_string(kLastYear));
    const double utDays = utcDaysOf(utc);
    const double ttDays = ttFromUtc(utDays);
    double toTrueEquator[3][3];
    eraPnm06a(ERFA_DJ00, ttDays, toTrueEquator);
    const Vector3 sun = rotate(toTrueEquator, geocentricSun(ttDays).apparent);
    const double rightAscension = std::atan2(sun[1], sun[0]);
    const double siderealTime = eraGst06(ERFA_DJ00, utDays, ERFA_DJ00, ttDays, toTrueEquator);
    const double meanSunHourAngle = ERFA_D2PI * (utDays - std::floor(utDays));
    return eraAnpm(siderealTime - rightAscension - meanSunHourAngle) * ERFA_DAYSEC / ERFA_D2PI;
}

} // namespace astro
