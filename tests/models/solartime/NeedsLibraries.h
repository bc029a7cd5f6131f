#pragma once

#include "astro/Astro.h"
#include "zones/Zones.h"

#include <gtest/gtest.h>

// A build without the time-zone or the astronomy library (a Windows cross build) refuses what needs them; the
// tests of those readings are skipped there, and the refusal itself is tested where the libraries are missing.
#define SKIP_WITHOUT_ZONES_AND_ASTRONOMY()                                                                             \
    if (!zones::available() || !astro::available())                                                                    \
    GTEST_SKIP() << "built without the time-zone or the astronomy library"
