#pragma once

#include <optional>
#include <string>
#include <variant>

#include "engine/calendar/Calendar.h"
#include "models/Refusal.h"
#include "models/solartime/Places.h"
#include "models/solartime/TermSources.h"
#include "zones/Zones.h"

// The birth moment of a chart built from what a person chose: a zone, a place or a longitude, the solar time, the
// term method and the 子 convention. The engine receives the finished moment; this layer fills in the zone's
// offset from the tz database and the astronomical terms and equation of time.
namespace models {

// Which year's stem the life and body palaces take by the five tigers.
enum class PalaceYear {
    calendar, // the Gregorian calendar year of the birth, as the life palace always had
    pillar,   // the year pillar's, the year that turns at 立春
};

struct MomentOptions
{
    TermMethod terms = TermMethod::mean;
    std::string zone;                // IANA zone; empty: the place's, else the fixed UTC+8
    const Place* place = nullptr;    // sets the longitude and the zone unless those are given
    std::optional<double> longitude; // degrees east, -180..180
    engine::SolarTimeKind solarTime = engine::SolarTimeKind::clock;
    engine::LateZi lateZi = engine::LateZi::same;
    zones::Fold fold = zones::Fold::none;
    PalaceYear palaceYear = PalaceYear::calendar; // a convention of the chart, kept with the birth's others

    // Every option at its default: the moment is engine::beijingMoment's and the chart states no option.
    bool isDefault() const;
    // The zone the clock time is read in: the given one, else the place's (China's legal clock for Xinjiang), else
    // empty for the fixed UTC+8.
    std::string effectiveZone() const;
    std::optional<double> effectiveLongitude() const;
};

class Moment;

// The moment of a clock time under the options, or the reason there is none: an unknown zone, a local time the
// zone skipped or repeated (without a fold), mean or true solar time without a longitude, a year the astronomy does
// not cover. Never throws.
std::variant<Moment, Refusal> resolveMoment(engine::LocalTime clock, const MomentOptions& options);

// A birth moment as charted: the options chosen, with the place, the fold and the term method, and the engine's
// moment they resolve to. Only resolveMoment builds one, so its clock time, offset and UTC instant always agree;
// the default is the Beijing moment of the lunar table's first day.
class Moment
{
public:
    Moment();

    const MomentOptions& options() const { return m_options; }
    const engine::BirthMoment& birth() const { return m_birth; }
    engine::LocalTime clock() const { return m_birth.clock; }
    // The clock time less its offset is the UTC instant.
    bool ok() const;
    // The same moment with the day following the clock, the solar time asked for kept as its kind: a solar time
    // of a clock time nobody knows would move the day by a guess.
    Moment onClockDay() const;

private:
    friend std::variant<Moment, Refusal> resolveMoment(engine::LocalTime clock, const MomentOptions& options);
    Moment(MomentOptions options, engine::BirthMoment birth) : m_options(std::move(options)), m_birth(birth) {}

    MomentOptions m_options;
    engine::BirthMoment m_birth;
};

// "UTC+08:00", "UTC-04:00", "UTC+05:45".
std::string offsetText(std::chrono::seconds offset);

// The place's Chinese name, or its English one when no source names it in Chinese.
std::string placeName(const Place& place);

// "116.47" for a longitude in degrees: two decimals, as the place table is searched and shown.
std::string degreesText(double degrees);

} // namespace models
