#include "models/solartime/BirthMoment.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "astro/Astro.h"

using namespace std::chrono;

namespace models {
namespace {

constexpr double kSecondsPerDegree = 240.0; // the Sun crosses a degree of longitude in 4 minutes

// GeoNames gives Xinjiang the zone of its unofficial local clock (UTC+6); births there are registered in China's
// legal time, Beijing time, so a place's Urumqi zone is read as Asia/Shanghai. --tz Asia/Urumqi still asks for it.
std::string legalZone(std::string_view zone)
{
    if (zone == "Asia/Urumqi" || zone == "Asia/Kashgar")
        return "Asia/Shanghai";
    return std::string(zone);
}

// The equation of time interpolated between the UTC midnights around `utc`. Its second derivative stays under
// 1 s per day squared, so a straight line between midnights is off by under 0.13 s: to the second at two
// astronomical evaluations per day instead of one per birth. Each thread keeps the day it saw last.
double equationOfTime(engine::UtcTime utc)
{
    struct Day
    {
        sys_days day{};
        double atStart = 0;
        double atEnd = 0;
        bool known = false;
    };
    thread_local Day last;
    const sys_days day = floor<days>(utc);
    if (!last.known || last.day != day) {
        // The year's last midnight lies past the astronomy's years: the end of the day then stands in for it.
        const auto end = std::min(engine::UtcTime{day + days{1}},
                                  engine::UtcTime{sys_days{year{astro::kLastYear} / 12 / 31}} + hours{24} - seconds{1});
        last = {day, astro::equationOfTimeSeconds(day), astro::equationOfTimeSeconds(end), true};
    }
    const double fraction = duration<double, days::period>(utc - day).count(); // [0, 1)
    return last.atStart + fraction * (last.atEnd - last.atStart);
}

// The astronomical rule: the UTC instant plus 240 s for each degree east of Greenwich and, for true solar time, the
// equation of time at that instant, to the nearest second.
engine::LocalTime astronomicalSolarTime(const engine::BirthMoment& m, double longitude)
{
    const double meanSeconds = longitude * kSecondsPerDegree;
    double seconds = meanSeconds;
    if (m.solarKind == engine::SolarTimeKind::apparent)
        seconds += equationOfTime(m.utc);
    return engine::LocalTime{m.utc.time_since_epoch()} + std::chrono::seconds{std::llround(seconds)};
}

Reason reasonOf(zones::Reason reason)
{
    switch (reason) {
    case zones::Reason::unknownZone:
        return Reason::unknownZone;
    case zones::Reason::skipped:
        return Reason::skippedTime;
    case zones::Reason::repeated:
        return Reason::repeatedTime;
    case zones::Reason::unavailable:
        return Reason::unavailable;
    default:
        return Reason::zoneFailure;
    }
}

// The zone's reading of the clock time, or the refusal.
std::optional<Refusal> applyZone(engine::BirthMoment& m, const std::string& zone, zones::Fold fold)
{
    if (zone.empty())
        return std::nullopt; // the fixed UTC+8 of beijingMoment
    const auto resolved = zones::resolve(zone, m.clock, fold);
    if (const auto* refusal = std::get_if<zones::Refusal>(&resolved))
        return Refusal{reasonOf(refusal->reason), refusal->message};
    const auto& r = std::get<zones::Resolved>(resolved);
    m.zone = zone;
    m.utc = r.utc;
    m.offset = r.offset;
    m.dst = r.dst;
    m.solar = m.clock;
    return std::nullopt;
}

} // namespace

bool MomentOptions::isDefault() const
{
    return terms == TermMethod::mean && zone.empty() && !place && !longitude &&
           solarTime == engine::SolarTimeKind::clock && lateZi == engine::LateZi::same && fold == zones::Fold::none &&
           palaceYear == PalaceYear::calendar;
}

std::string MomentOptions::effectiveZone() const
{
    if (!zone.empty())
        return zone;
    return place ? legalZone(place->zone) : std::string{};
}

std::optional<double> MomentOptions::effectiveLongitude() const
{
    if (longitude)
        return longitude;
    return place ? std::optional(place->longitude) : std::nullopt;
}

Moment::Moment() : m_birth(engine::beijingMoment(engine::LocalTime{engine::kFirstLunarDay})) {}

bool Moment::ok() const
{
    return m_birth.utc.time_since_epoch() == m_birth.clock.time_since_epoch() - m_birth.offset;
}

std::variant<Moment, Refusal> resolveMoment(engine::LocalTime clock, const MomentOptions& options)
{
    if (options.terms == TermMethod::astro && !astro::available())
        return Refusal{Reason::unavailable, "astronomical terms are not part of this build"};
    if (options.solarTime == engine::SolarTimeKind::apparent && !astro::available())
        return Refusal{Reason::unavailable, "true solar time is not part of this build"};
    engine::BirthMoment m = engine::beijingMoment(clock);
    m.terms = termSource(options.terms);
    m.lateZi = options.lateZi;
    if (auto refusal = applyZone(m, options.effectiveZone(), options.fold))
        return *refusal;
    m.solarKind = options.solarTime;
    if (m.solarKind == engine::SolarTimeKind::clock)
        return Moment(options, m);
    const auto longitude = options.effectiveLongitude();
    if (!longitude)
        return Refusal{Reason::noLongitude, "mean and true solar time need a place or a longitude"};
    try {
        m.solar = astronomicalSolarTime(m, *longitude);
    } catch (const std::out_of_range&) {
        return Refusal{Reason::outOfRange, "no equation of time for " + engine::writeTime(clock) + " (years " +
                                               std::to_string(astro::kFirstYear) + "-" +
                                               std::to_string(astro::kLastYear) + ")"};
    }
    return Moment(options, m);
}

Moment Moment::onClockDay() const
{
    engine::BirthMoment clockDay = m_birth;
    clockDay.solar = clockDay.clock;
    return Moment(m_options, clockDay);
}

std::string offsetText(std::chrono::seconds offset)
{
    const long long total = offset.count();
    const long long magnitude = std::llabs(total);
    char text[32];
    std::snprintf(text, sizeof text, "UTC%c%02lld:%02lld", total < 0 ? '-' : '+', magnitude / 3600,
                  magnitude / 60 % 60);
    return text;
}

std::string placeName(const Place& place)
{
    return std::string(place.name.empty() ? place.english : place.name);
}

std::string degreesText(double degrees)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", degrees);
    return text;
}

} // namespace models
