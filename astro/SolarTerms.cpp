#include "astro/Astro.h"
#include "astro/Sun.h"
#include "astro/TimeScales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <mutex>
#include <stdexcept>
#include <string>

using namespace astro;
using namespace std::chrono;

namespace {

constexpr int kYearCount = kLastYear - kFirstYear + 1;

// Longitude and its rate in radians and radians per day.
struct Longitude
{
    double angle;
    double rate;
};

// The Sun's apparent ecliptic longitude of date: the apparent direction on the mean ecliptic and equinox of date
// (eraEcm06, IAU 2006 precession with frame bias), plus the nutation in longitude. IAU 2000B nutation (eraNut00b)
// is within 1 mas of 2000A, 0.02 s of the Sun's motion, at a twentieth of the cost. The rate is the geometric one,
// close enough to steer Newton's method.
Longitude apparentLongitude(double ttDays)
{
    const GeocentricSun sun = geocentricSun(ttDays);
    double toEcliptic[3][3];
    eraEcm06(ERFA_DJ00, ttDays, toEcliptic);
    double nutationInLongitude = 0.0;
    double nutationInObliquity = 0.0;
    eraNut00b(ERFA_DJ00, ttDays, &nutationInLongitude, &nutationInObliquity);

    const Vector3 apparent = rotate(toEcliptic, sun.apparent);
    const Vector3 r = rotate(toEcliptic, sun.position);
    const Vector3 v = rotate(toEcliptic, sun.velocity);
    const double angle = eraAnp(std::atan2(apparent[1], apparent[0]) + nutationInLongitude);
    return {angle, (r[0] * v[1] - r[1] * v[0]) / (r[0] * r[0] + r[1] * r[1])};
}

// The Sun's geometric longitude on a mean Keplerian orbit (mean longitude plus the equation of the centre), good to
// about 0.01 degree. It only seeds the search: its error changes so slowly that, corrected by the last exact
// longitude, it lands within minutes of the next term.
Longitude meanOrbitLongitude(double ttDays)
{
    const double t = ttDays / ERFA_DJC;
    const double meanAnomaly = (357.52911 + 35999.05029 * t) * ERFA_DD2R;
    const double centre = (1.914602 - 0.004817 * t) * std::sin(meanAnomaly) + 0.019993 * std::sin(2 * meanAnomaly);
    const double centreRate = // degrees per radian of mean anomaly
        1.914602 * std::cos(meanAnomaly) + 2 * 0.019993 * std::cos(2 * meanAnomaly);
    const double angle = (280.46646 + 36000.76983 * t + centre) * ERFA_DD2R;
    const double rate = (36000.76983 + centreRate * 35999.05029 * ERFA_DD2R) * ERFA_DD2R / ERFA_DJC;
    return {eraAnp(angle), rate};
}

// Newton's method on the mean orbit: when it reaches `target`, from `ttDays` less than a fortnight away. Cheap, so
// it runs to a hundredth of a second.
double meanOrbitCrossing(double target, double ttDays)
{
    constexpr double kCloseEnoughDays = 1e-7;
    for (int i = 0; i < 8; ++i) {
        const Longitude sun = meanOrbitLongitude(ttDays);
        const double step = eraAnpm(target - sun.angle) / sun.rate;
        ttDays += step;
        if (std::abs(step) < kCloseEnoughDays)
            break;
    }
    return ttDays;
}

// Newton's method converges quadratically: the error after a step is about |L''/2L'| step^2 with |L''/L'| under
// 7e-4 per day (the orbit's eccentricity and the Moon's pull on the Earth). A step under ten minutes therefore
// leaves under 2 ms, and no further evaluation is needed.
constexpr double kLastStepDays = 10.0 / 1440.0;
constexpr int kMaxSteps = 8;

// The TT instant of each term. The mean-orbit seed is corrected by the difference between the exact and the mean
// longitude at the last evaluation, so most terms take a single ERFA evaluation.
std::array<double, 24> termTimesTt(int year)
{
    std::array<double, 24> times{};
    double ttDays = static_cast<double>((sys_days{std::chrono::year{year} / 1 / 5} - sys_days{2000y / 1 / 1}).count());
    double seedCorrection = 0.0;
    for (int n = 0; n < 24; ++n) {
        const double target = eraAnp((285.0 + 15.0 * n) * ERFA_DD2R);
        ttDays = meanOrbitCrossing(target - seedCorrection, ttDays);
        for (int i = 0; i < kMaxSteps; ++i) {
            const Longitude sun = apparentLongitude(ttDays);
            seedCorrection = eraAnpm(sun.angle - meanOrbitLongitude(ttDays).angle);
            const double step = eraAnpm(target - sun.angle) / sun.rate;
            ttDays += step;
            if (std::abs(step) < kLastStepDays)
                break;
        }
        times[static_cast<std::size_t>(n)] = ttDays;
    }
    return times;
}

void requireSupportedYear(int year)
{
    if (year < kFirstYear || year > kLastYear)
        throw std::out_of_range("solar terms: year " + std::to_string(year) + " outside " + std::to_string(kFirstYear) +
                                "-" + std::to_string(kLastYear));
}

} // namespace

namespace astro {

bool available()
{
    return true;
}

std::array<UtcSeconds, 24> computeTermInstants(int year)
{
    requireSupportedYear(year);
    const std::array<double, 24> tt = termTimesTt(year);
    std::array<UtcSeconds, 24> instants{};
    for (std::size_t n = 0; n < tt.size(); ++n)
        instants[n] = utcSecondsOf(utcFromTt(tt[n]));
    return instants;
}

const std::array<UtcSeconds, 24>& termInstants(int year)
{
    requireSupportedYear(year);
    static std::array<std::once_flag, kYearCount> computed;
    static std::array<std::array<UtcSeconds, 24>, kYearCount> cache;
    const auto i = static_cast<std::size_t>(year - kFirstYear); // [0, kYearCount - 1]
    std::call_once(computed[i], [&] { cache[i] = computeTermInstants(year); });
    return cache[i];
}

} // namespace astro
