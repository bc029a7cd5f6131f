#pragma once

#include "engine/calendar/Calendar.h"

// Where a chart or the calendar takes its solar terms from: the engine's mean formula or the astronomy.
namespace models {

enum class TermMethod {
    mean,  // the calendar's mean formula, read as Beijing time
    astro, // the Sun's apparent longitude, computed astronomically
};

// The astronomical term instants on the Beijing clock; RangeError for a year astro does not cover.
engine::LocalTime astroTermBeijing(int year, int n);

engine::TermSource termSource(TermMethod method);

} // namespace models
