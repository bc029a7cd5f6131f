#pragma once

#include <date/tz.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The tz database behind the public functions: the date library's zones, each completed by the rule its zone file
// states for the times after the last change it lists. Internal to the zones library.
namespace zones::detail {

struct ZoneRules;

// The rules of a known zone, loaded on first use and kept for the life of the process; nullptr for a name the
// database does not know. Throws std::runtime_error when the database itself cannot be read.
const ZoneRules* findRules(std::string_view name);

// The offset in force at an instant, or around a local time. Nothing when the instant lies past the last listed
// change and the zone file's rule for later times cannot be read.
std::optional<date::sys_info> infoAt(const ZoneRules& rules, date::sys_seconds utc);
std::optional<date::local_info> infoAt(const ZoneRules& rules, date::local_seconds local);

// Every name findRules accepts, sorted. Throws as findRules does.
std::vector<std::string> knownNames();

} // namespace zones::detail
