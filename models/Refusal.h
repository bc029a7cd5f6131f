#pragma once

#include <string>

// Why a request gives no chart or no moment: a reason a caller can act on, and the message a person reads.
namespace models {

enum class Reason {
    noName,          // the name is empty
    noSuchLunarDate, // the lunar table has no such day
    invalidBirth,    // a Gregorian date or time that does not exist
    outOfRange,      // outside the days the lunar table or the engine covers
    unknownZone,     // a zone the tz database does not know
    skippedTime,     // the clocks jumped over the birth's clock time
    repeatedTime,    // the clocks showed the birth's clock time twice and no fold picks one
    zoneFailure,     // the tz database cannot answer (unreadable, or years outside 1-9999)
    unavailable,     // a part this build lacks: time zones or astronomy
    noLongitude,     // mean or true solar time without a place or a longitude
};

struct Refusal
{
    Reason reason;
    std::string message;
};

} // namespace models
