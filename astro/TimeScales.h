#pragma once

#include "astro/Astro.h"

// Instants inside the library are days from J2000.0 (2000-01-01 12:00) as a double, in the scale the name says:
// TT for the ephemeris, UTC for civil instants. A double keeps such a count to about a microsecond.
namespace astro {

double utcDaysOf(UtcSeconds utc);

// Rounded to the nearest second.
UtcSeconds utcSecondsOf(double utcDays);

// TT - UTC in seconds at a UTC instant; deltaTSeconds is the same by decimal year.
double ttMinusUtcSeconds(double utcDays);

double ttFromUtc(double utcDays);

double utcFromTt(double ttDays);

} // namespace astro
