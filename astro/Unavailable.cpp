#include "astro/Astro.h"

#include <stdexcept>

// The astronomy of a build without ERFA (a Windows build, say): nothing is computed, and the callers, which ask
// available() first, say so instead of charting.
namespace astro {
namespace {

[[noreturn]] void unavailable()
{
    throw std::out_of_range("the astronomical terms and true solar time are not part of this build");
}

} // namespace

bool available()
{
    return false;
}

const std::array<UtcSeconds, 24>& termInstants(int)
{
    unavailable();
}

std::array<UtcSeconds, 24> computeTermInstants(int)
{
    unavailable();
}

double equationOfTimeSeconds(UtcSeconds)
{
    unavailable();
}

double deltaTSeconds(double)
{
    unavailable();
}

} // namespace astro
