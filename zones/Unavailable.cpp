#include "zones/Zones.h"

// Time zones in a build without the date library (a Windows build, say): every zone is refused by name, so that a
// chart asked for in a zone says why it is not made.
namespace zones {
namespace {

Refusal unavailable(std::string_view zone)
{
    return {Reason::unavailable, "time zones are not part of this build: " + std::string(zone)};
}

} // namespace

std::variant<Resolved, Refusal> resolve(std::string_view zone, std::chrono::local_seconds, Fold)
{
    return unavailable(zone);
}

std::variant<Local, Refusal> toLocal(std::string_view zone, std::chrono::sys_seconds)
{
    return unavailable(zone);
}

bool isKnownZone(std::string_view)
{
    return false;
}

std::optional<Refusal> refuseZone(std::string_view zone)
{
    return unavailable(zone);
}

std::vector<std::string> zoneNames()
{
    return {};
}

bool available()
{
    return false;
}

} // namespace zones
