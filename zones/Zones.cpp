#include "zones/Zones.h"

#include "zones/ZoneRules.h"

#include <cstdio>
#include <exception>

using namespace std::chrono;

namespace zones {
namespace {

using detail::ZoneRules;

// The years a request may name: the calendar arithmetic below is exact there, and the database starts in the 1800s.
constexpr local_days kFirstDay{year{1} / January / 1};
constexpr local_days kPastLastDay{year{10000} / January / 1};

bool inYearRange(local_seconds t)
{
    return t >= kFirstDay && t < kPastLastDay;
}

std::string writeDateTime(local_seconds t)
{
    const local_days day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss time{t - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

// The clock times either side of a gap, as "HH:MM" when both fall on the day of `local` and on a whole minute (as
// almost all do), in full otherwise.
std::string writeGap(local_seconds from, local_seconds to, local_seconds local)
{
    const local_days day = floor<days>(local);
    const bool sameDay = floor<days>(from) == day && floor<days>(to) == day;
    const bool wholeMinutes =
        from.time_since_epoch() % minutes{1} == seconds{0} && to.time_since_epoch() % minutes{1} == seconds{0};
    const auto write = [&](local_seconds t) {
        const std::string full = writeDateTime(t);
        return sameDay ? full.substr(11, wholeMinutes ? 5 : 8) : full;
    };
    return "clocks jumped from " + write(from) + " to " + write(to);
}

// "UTC+09:00"; local mean times keep their seconds ("UTC+08:05:43").
std::string writeOffset(seconds offset)
{
    const hh_mm_ss size{offset};
    char text[24];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", size.is_negative() ? '-' : '+',
                  static_cast<int>(size.hours().count()), static_cast<int>(size.minutes().count()));
    std::string written = text;
    if (size.seconds() != seconds{0}) {
        std::snprintf(text, sizeof text, ":%02d", static_cast<int>(size.seconds().count()));
        written += text;
    }
    return written;
}

std::string writeReading(const date::sys_info& info)
{
    return info.abbrev + " (" + writeOffset(info.offset) + ")";
}

Refusal unknownZone(std::string_view zone)
{
    if (zone.empty())
        return {Reason::unknownZone, "no time zone given"};
    return {Reason::unknownZone,
            "unknown time zone \"" + std::string(zone) + "\" (an IANA name such as Asia/Shanghai)"};
}

Refusal noReadableRule(std::string_view zone, std::string_view when)
{
    return {Reason::unreadable,
            "the tz database's rule for " + std::string(when) + " in " + std::string(zone) + " cannot be read"};
}

Refusal databaseUnreadable(const std::exception& error)
{
    return {Reason::unreadable, std::string("the time-zone database cannot be read: ") + error.what()};
}

Refusal skipped(std::string_view zone, local_seconds local, const date::local_info& info)
{
    const local_seconds from{(info.first.end + info.first.offset).time_since_epoch()};
    const local_seconds to{(info.second.begin + info.second.offset).time_since_epoch()};
    return {Reason::skipped,
            writeDateTime(local) + " does not exist in " + std::string(zone) + ": " + writeGap(from, to, local)};
}

Refusal repeated(std::string_view zone, local_seconds local, const date::local_info& info)
{
    return {Reason::repeated, writeDateTime(local) + " occurs twice in " + std::string(zone) + ": first as " +
                                  writeReading(info.first) + ", then as " + writeReading(info.second)};
}

// The reading of `local` that `fold` picks, or nothing when the local time is skipped or repeated without a choice.
const date::sys_info* chooseReading(const date::local_info& info, Fold fold)
{
    switch (info.result) {
    case date::local_info::unique:
        return &info.first;
    case date::local_info::ambiguous:
        if (fold == Fold::earlier)
            return &info.first;
        return fold == Fold::later ? &info.second : nullptr;
    default:
        return nullptr;
    }
}

std::variant<Resolved, Refusal> resolveIn(const ZoneRules& rules, std::string_view zone, local_seconds local, Fold fold)
{
    const auto info = detail::infoAt(rules, date::local_seconds{local.time_since_epoch()});
    if (!info)
        return noReadableRule(zone, writeDateTime(local));
    const date::sys_info* reading = chooseReading(*info, fold);
    if (!reading) {
        if (info->result == date::local_info::nonexistent)
            return skipped(zone, local, *info);
        return repeated(zone, local, *info);
    }
    return Resolved{sys_seconds{local.time_since_epoch()} - reading->offset, reading->offset,
                    reading->save != minutes{0}, reading->abbrev};
}

} // namespace

std::variant<Resolved, Refusal> resolve(std::string_view zone, local_seconds local, Fold fold)
{
    try {
        const ZoneRules* rules = detail::findRules(zone);
        if (!rules)
            return unknownZone(zone);
        if (!inYearRange(local))
            return Refusal{Reason::outOfYears, "the local time lies outside the years 1-9999"};
        return resolveIn(*rules, zone, local, fold);
    } catch (const std::exception& error) {
        return databaseUnreadable(error);
    }
}

std::variant<Local, Refusal> toLocal(std::string_view zone, sys_seconds utc)
{
    try {
        const ZoneRules* rules = detail::findRules(zone);
        if (!rules)
            return unknownZone(zone);
        if (!inYearRange(local_seconds{utc.time_since_epoch()}))
            return Refusal{Reason::outOfYears, "the instant lies outside the years 1-9999"};
        const auto info = detail::infoAt(*rules, utc);
        if (!info)
            return noReadableRule(zone, writeDateTime(local_seconds{utc.time_since_epoch()}) + " UTC");
        return Local{local_seconds{(utc + info->offset).time_since_epoch()}, info->offset, info->save != minutes{0},
                     info->abbrev};
    } catch (const std::exception& error) {
        return databaseUnreadable(error);
    }
}

bool available()
{
    return true;
}

bool isKnownZone(std::string_view zone)
{
    try {
        return detail::findRules(zone) != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<Refusal> refuseZone(std::string_view zone)
{
    if (isKnownZone(zone))
        return std::nullopt;
    return unknownZone(zone);
}

std::vector<std::string> zoneNames()
{
    try {
        return detail::knownNames();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace zones
