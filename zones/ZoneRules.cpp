#include "zones/ZoneRules.h"

// ptz.h writes hh_mm_ss under using-directives for both date and std::chrono, which is ambiguous in C++20; a name
// declared in its own namespace is found first.
namespace Posix {
using date::hh_mm_ss;
} // namespace Posix
// ptz.h defines a function that is not inline: this file is the only one to include it.
#include <date/ptz.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <stdexcept>

namespace zones::detail {

// A zone's binary file ends with a POSIX TZ rule ("EST5EDT,M3.2.0,M11.1.0") that continues after the last change the
// file lists: Debian lists changes up to 2037. The date library answers from the list alone, so the rule is read
// here and evaluated with the date library's reader of such rules.
struct ZoneRules
{
    const date::time_zone* zone = nullptr;
    std::optional<Posix::time_zone> later; // none when the last listed offset continues
    bool laterReadable = true;             // false when the file or its rule cannot be read
};

namespace {

// Where Debian's tzdata installs the zone files, and where its build of the date library reads them.
constexpr std::string_view kZoneDirectory = "/usr/share/zoneinfo/";

// The end the date library gives the offset that follows a zone's last listed change.
constexpr date::sys_days kOpenEnd{date::year::max() / date::December / date::last};

// Names the database lists that are no zone: "localtime" is this machine's own setting.
bool isMachineSetting(std::string_view name)
{
    return name == "localtime";
}

// The rule text of a zone file (format version 2 or later): the line between the file's last two newlines. Empty
// when the file states none; nothing when the file cannot be read or is not a zone file.
std::optional<std::string> readLaterRuleText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 5 || !bytes.starts_with("TZif"))
        return std::nullopt;
    if (bytes[4] == '\0') // version 1 files end with the list
        return std::string{};
    if (bytes.back() != '\n')
        return std::nullopt;
    const auto start = bytes.rfind('\n', bytes.size() - 2);
    if (start == std::string::npos)
        return std::nullopt;
    return bytes.substr(start + 1, bytes.size() - start - 2);
}

ZoneRules loadRules(const date::time_zone* zone)
{
    ZoneRules rules;
    rules.zone = zone;
    const auto text = readLaterRuleText(std::string(kZoneDirectory) + zone->name());
    if (!text) {
        rules.laterReadable = false;
    } else if (text->find(',') != std::string::npos) {
        // Only a rule with changes is kept: a fixed one ("CST-8") repeats the last listed offset, and the reader
        // leaves the summer-time field of a fixed rule unset.
        try {
            rules.later.emplace(*text);
        } catch (const std::runtime_error&) { // a form the reader does not know, such as a negative hour
            rules.laterReadable = false;
        }
    }
    return rules;
}

bool isOpenEnded(const date::sys_info& info)
{
    return info.end >= kOpenEnd;
}

// The answer for a time after the zone's last listed change, where the list says `listed`.
template <class Time, class Info>
std::optional<Info> afterLastChange(const ZoneRules& rules, Time t, const Info& listed)
{
    if (rules.later)
        return rules.later->get_info(t);
    if (!rules.laterReadable)
        return std::nullopt;
    return listed;
}

} // namespace

const ZoneRules* findRules(std::string_view name)
{
    static std::mutex mutex;
    static std::map<std::string, ZoneRules, std::less<>> cache; // known zones only, so it stays small
    const std::lock_guard lock(mutex);
    if (const auto found = cache.find(name); found != cache.end())
        return &found->second;
    date::get_tzdb(); // throws when the database cannot be read
    if (isMachineSetting(name))
        return nullptr;
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(name);
    } catch (const std::runtime_error&) { // "not found"
        return nullptr;
    }
    return &cache.emplace(std::string(name), loadRules(zone)).first->second;
}

std::optional<date::sys_info> infoAt(const ZoneRules& rules, date::sys_seconds utc)
{
    const date::sys_info info = rules.zone->get_info(utc);
    if (!isOpenEnded(info))
        return info;
    return afterLastChange(rules, utc, info);
}

std::optional<date::local_info> infoAt(const ZoneRules& rules, date::local_seconds local)
{
    const date::local_info info = rules.zone->get_info(local);
    // A gap or a repeat at the last listed change is answered from the list; only the time after it needs the rule.
    if (info.result != date::local_info::unique || !isOpenEnded(info.first))
        return info;
    return afterLastChange(rules, local, info);
}

std::vector<std::string> knownNames()
{
    std::vector<std::string> names;
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        if (!isMachineSetting(zone.name()))
            names.push_back(zone.name());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace zones::detail
