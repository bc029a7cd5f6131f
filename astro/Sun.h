#pragma once

#include <array>

namespace astro {

using Vector3 = std::array<double, 3>;

// The Sun seen from the geocentre at a TT instant (days from J2000.0), in GCRS axes.
struct GeocentricSun
{
    Vector3 apparent; // unit vector: light time and annual aberration applied
    Vector3 position; // geometric, in au
    Vector3 velocity; // of the Sun relative to the Earth, in au per day
};

GeocentricSun geocentricSun(double ttDays);

// r v as a matrix product, for ERFA's plain arrays.
Vector3 rotate(double (&r)[3][3], Vector3 v);

} // namespace astro
