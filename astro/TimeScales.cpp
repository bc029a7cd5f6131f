#include "astro/TimeScales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <optional>

using namespace astro;
using namespace std::chrono;

namespace {

// 2000-01-01 12:00 UTC on the system clock.
constexpr UtcSeconds kJ2000Utc = sys_days{year{2000} / 1 / 1} + hours{12};
// Days of a decimal year: the mean Gregorian year.
constexpr double kDaysPerYear = 365.2425;
// TT = TAI + 32.184 s by definition.
constexpr double kTtMinusTai = 32.184;

// One piece of the Espenak-Meeus 2006 fit of TT - UT1: sum of c[k] (y - origin)^k for years up to `until`.
struct DeltaTPiece
{
    double until;
    double origin;
    std::array<double, 8> c;
};

// Rows as published (1800-2050), coefficient by power of years from the origin; 1/n entries are published so.
// clang-format off
constexpr std::array<DeltaTPiece, 8> kEspenakMeeus = {{
    {1860, 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}},
    {1900, 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174}},
    {1920, 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1941, 1920, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1961, 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547}},
    {1986, 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718}},
    {2005, 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2050, 2000, {62.92, 0.32217, 0.005589}},
}};
// clang-format on
static_assert(kEspenakMeeus.size() == 8);

// Espenak-Meeus 2006 TT - UT1 in seconds. Fitted to observations up to 2005 and extrapolated after; within
// 1800-2200 the earlier pieces are good to about a second, the later ones grow uncertain by minutes; before 1800 the
// first piece soon runs wild. After 2050 the long-term parabola -20 + 32u^2 (u in centuries from 1820) takes over,
// shifted to meet the last fit in 2050 and relaxing onto the parabola by 2150.
double espenakMeeus(double y)
{
    for (const DeltaTPiece& piece : kEspenakMeeus) {
        if (y < piece.until) {
            const double t = y - piece.origin;
            double sum = 0.0;
            for (auto c = piece.c.rbegin(); c != piece.c.rend(); ++c)
                sum = sum * t + *c;
            return sum;
        }
    }
    const double u = (y - 1820.0) / 100.0;
    const double shift = y < 2150.0 ? 0.5628 * (2150.0 - y) : 0.0;
    return -20.0 + 32.0 * u * u - shift;
}

// TT - UTC where the leap-second table defines UTC: from 1960 (the drifting offsets before 1972 included) to as
// long as ERFA trusts its table, five years after its release. Nothing elsewhere.
std::optional<double> leapSecondTtMinusUtc(double utcDays)
{
    if (!std::isfinite(utcDays))
        return std::nullopt;
    int iy = 0;
    int im = 0;
    int id = 0;
    double fd = 0.0;
    if (eraJd2cal(ERFA_DJ00, utcDays, &iy, &im, &id, &fd) != 0)
        return std::nullopt;
    double taiMinusUtc = 0.0;
    if (eraDat(iy, im, id, fd, &taiMinusUtc) != 0) // 1 means before 1960 or past the trusted years
        return std::nullopt;
    return kTtMinusTai + taiMinusUtc;
}

} // namespace

namespace astro {

double utcDaysOf(UtcSeconds utc)
{
    return static_cast<double>((utc - kJ2000Utc).count()) / ERFA_DAYSEC;
}

UtcSeconds utcSecondsOf(double utcDays)
{
    return kJ2000Utc + seconds{std::llround(utcDays * ERFA_DAYSEC)};
}

// Outside the leap-second table UTC is taken as UT1: before 1960 civil time followed UT, and leap seconds keep
// |UT1 - UTC| under 0.9 s for as long as they are inserted.
double ttMinusUtcSeconds(double utcDays)
{
    if (const auto exact = leapSecondTtMinusUtc(utcDays))
        return *exact;
    return espenakMeeus(2000.0 + (utcDays + 0.5) / kDaysPerYear);
}

double ttFromUtc(double utcDays)
{
    return utcDays + ttMinusUtcSeconds(utcDays) / ERFA_DAYSEC;
}

// TT - UTC is read at the UTC instant, so a second pass corrects the first guess across a leap second.
double utcFromTt(double ttDays)
{
    const double guess = ttDays - ttMinusUtcSeconds(ttDays) / ERFA_DAYSEC;
    return ttDays - ttMinusUtcSeconds(guess) / ERFA_DAYSEC;
}

double deltaTSeconds(double decimalYear)
{
    return ttMinusUtcSeconds((decimalYear - 2000.0) * kDaysPerYear - 0.5);
}

} // namespace astro
