#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Clock times in IANA time zones ("Asia/Shanghai", "America/New_York"), read from the system tz database. The first
// call loads the database (a few milliseconds); each zone is then looked up once and kept.
namespace zones {

// How to read a local time that the clocks showed twice, when they were turned back.
enum class Fold {
    none,    // refuse it
    earlier, // the first occurrence, still on the offset before the change
    later,   // the second occurrence, on the offset after the change
};

struct Resolved
{
    std::chrono::sys_seconds utc;
    std::chrono::seconds offset{0}; // UTC offset in force, summer time included
    bool dst = false;               // summer time in force
    std::string abbreviation;       // "CDT", "EST", "+08"
};

// What a clock in the zone showed at a UTC instant.
struct Local
{
    std::chrono::local_seconds local;
    std::chrono::seconds offset{0};
    bool dst = false;
    std::string abbreviation;
};

// What kind of request has no answer.
enum class Reason {
    unknownZone, // no such zone in the database
    skipped,     // the clocks jumped over the local time
    repeated,    // the clocks showed the local time twice and no fold picks a reading
    outOfYears,  // outside the years 1-9999
    unreadable,  // the database or one of its rules cannot be read
    unavailable, // a build without the date library
};

// Why a request has no answer: names the zone, and the gap or the two readings of the local time.
struct Refusal
{
    Reason reason;
    std::string message;
};

// The UTC instant at which clocks in `zone` showed `local`. Refuses an unknown zone, a local time skipped by a change
// of offset, a repeated one unless `fold` picks a reading, and years outside 1-9999. Never throws.
std::variant<Resolved, Refusal> resolve(std::string_view zone, std::chrono::local_seconds local,
                                        Fold fold = Fold::none);

// The clock time and offset in force in `zone` at `utc`. Never throws.
std::variant<Local, Refusal> toLocal(std::string_view zone, std::chrono::sys_seconds utc);

bool isKnownZone(std::string_view zone);

// The refusal of a zone name that no request can use (unknown, or no zones in this build); nothing for a known
// zone. The one place that says why a zone name is refused.
std::optional<Refusal> refuseZone(std::string_view zone);

// Every zone name the database knows, aliases included, sorted; empty when the database cannot be read.
std::vector<std::string> zoneNames();

// False in a build without the date library: every zone is then unknown.
bool available();

} // namespace zones
