#pragma once

#include "models/solartime/BirthMoment.h"
#include "models/solartime/MomentWords.h"
#include "options/GivenOptions.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The options that set the birth moment, shared by the commands that cast pillars: the zone, the place or
// longitude, the solar time, the term method, the 子 convention and the fold of a repeated clock time.
namespace options {

inline constexpr NamedOption kMomentOptions[] = {
    {models::words::kTermsOption.tool, kValue},     {models::words::kZoneOption.tool, kValue},
    {models::words::kPlaceOption.tool, kValue},     {models::words::kLongitudeOption.tool, kValue},
    {models::words::kSolarTimeOption.tool, kValue}, {models::words::kLateZiOption.tool, kValue},
    {models::words::kFoldOption.tool, kValue},
};

// A command's own options followed by the moment options.
template <std::size_t N> constexpr auto withMomentOptions(const std::array<NamedOption, N>& own)
{
    std::array<NamedOption, N + std::size(kMomentOptions)> all{};
    std::size_t i = 0;
    for (const NamedOption& option : own)
        all[i++] = option;
    for (const NamedOption& option : kMomentOptions)
        all[i++] = option;
    return all;
}

// The help lines of the moment options.
inline constexpr std::string_view kMomentHelp =
    R"(  --terms mean|astro        solar terms from the mean formula (default) or astronomically (to the second)
  --tz ZONE                 read the clock time in an IANA zone, summer time included ("Asia/Shanghai",
                            "America/New_York"); default a fixed UTC+8 without summer time
  --place NAME              the birthplace (see bazi places): sets the longitude and, unless --tz is given,
                            the zone (Xinjiang's places are read in Beijing time, China's legal clock)
  --longitude DEG           degrees east, negative west, -180 to 180: 116.47 or 116°28′
  --solar-time clock|mean|true  the day and hour follow the clock time (default), local mean solar time
                            (UTC + 4 minutes per degree east) or true solar time (mean + the equation of
                            time); mean and true need --place or --longitude
  --late-zi same|next-stem|next-day  23:00-23:59 keeps the day and its 子-hour stem (default), takes the
                            next day's 子-hour stem, or belongs to the next day
  --fold earlier|later      which reading of a clock time repeated by a change of offset; without it such
                            a time is refused, as is one the change skipped
)";

// The term source --terms chooses: the mean formula by default, or astronomically; nothing with the reason (naming
// the value) in `error` for another word.
std::optional<engine::TermSource> readTermSource(const GivenOptions& given, std::string& error);

// True when any moment option is given.
bool hasMomentOptions(const GivenOptions& given);

// The moment options as given, checked, or nothing with the reason (naming the value) in `error`.
std::optional<models::MomentOptions> readMomentOptions(const GivenOptions& given, std::string& error);

// --palace-year calendar|pillar, the chart's convention for the palaces' stems; calendar when not given.
std::optional<models::PalaceYear> readPalaceYear(const GivenOptions& given, std::string& error);

// The reason the moment options cannot be used, or nothing.
std::optional<std::string> checkMomentOptions(const GivenOptions& given);

// Degrees east: "116.47", "-74.006", "116°28′" or "116°28'30\"" (minutes and seconds below 60); nothing for other
// text or a value outside -180..180.
std::optional<double> readLongitude(std::string_view text);

} // namespace options
