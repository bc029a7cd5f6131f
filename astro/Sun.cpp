#include "astro/Sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace astro {

// eraEpv00 gives the Earth's heliocentric and barycentric position and velocity (fitted to the JPL ephemeris over
// 1900-2100 to a few mas in direction, degrading slowly beyond); it wants TDB, and TT stands in for it (under 2 ms
// apart). The apparent direction is the Sun where it was when its light left, aberrated by the Earth's barycentric
// velocity with eraAb (the rigorous relativistic formula).
GeocentricSun geocentricSun(double ttDays)
{
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(ERFA_DJ00, ttDays, heliocentric, barycentric);

    GeocentricSun sun{};
    for (std::size_t k = 0; k < 3; ++k) {
        sun.position[k] = -heliocentric[0][k];
        sun.velocity[k] = -heliocentric[1][k];
    }
    // The Sun moves about the barycentre at some 13 m/s: during the 500 s light time that is 0.01".
    const double distance = eraPm(sun.position.data());
    const double lightDays = distance * ERFA_AULT / ERFA_DAYSEC;
    Vector3 natural{};
    for (std::size_t k = 0; k < 3; ++k) {
        const double sunBarycentricVelocity = barycentric[1][k] - heliocentric[1][k];
        natural[k] = (sun.position[k] - lightDays * sunBarycentricVelocity) / distance;
    }
    double earthVelocity[3]; // in units of c
    for (int k = 0; k < 3; ++k)
        earthVelocity[k] = barycentric[1][k] / ERFA_DC;
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(earthVelocity, earthVelocity));
    eraAb(natural.data(), earthVelocity, distance, inverseLorentz, sun.apparent.data());
    return sun;
}

Vector3 rotate(double (&r)[3][3], Vector3 v)
{
    Vector3 out{};
    eraRxp(r, v.data(), out.data());
    return out;
}

} // namespace astro
