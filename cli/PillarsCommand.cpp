#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/calendar/Calendar.h"
#include "models/solartime/MomentWords.h"

using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kUsage = R"(Usage: bazi pillars [--json] [MOMENT OPTIONS] "YYYY-MM-DD HH:MM:SS"...
       bazi pillars [--json] [MOMENT OPTIONS] -

Prints the four pillars (year, month, day, hour) of each moment, separated by single spaces:
  bazi pillars "1984-02-05 08:00:00"   ->   甲子 丙寅 己巳 戊辰
The seconds, or the whole time of day (then 00:00:00), may be left out. Dates run from 1900-01-31 to
2101-01-28. The year and month turn when the birth's instant passes the term's; the day and hour follow the
local time chosen by --solar-time. The moment options apply to every value and every line:
)";

constexpr std::string_view kOptionsHelp = R"(
Options:
  --json   one object per line:
           {"time":"1984-02-05 08:00:00","year":"甲子","month":"丙寅","day":"己巳","hour":"戊辰"}
           with any moment option also "solarTime" (the local time of the day and hour), "utc",
           "utcOffset" ("+08:00") and "dst" (true or false)
)";

std::string pillarsHelp()
{
    return std::string(kUsage) + std::string(kMomentHelp) + std::string(kOptionsHelp);
}

const std::string kHelp = pillarsHelp();

// "+08:00": the offset as the JSON gives it.
std::string offsetJson(std::chrono::seconds offset)
{
    return models::offsetText(offset).substr(3);
}

Answer pillarsAnswer(std::string_view value, const GivenOptions& given)
{
    std::string refusal;
    const auto t = readCoveredTime(value, "YYYY-MM-DD HH:MM:SS, YYYY-MM-DD HH:MM or YYYY-MM-DD", refusal);
    if (!t)
        return refuse(std::move(refusal));
    const bool withMoment = hasMomentOptions(given);
    BirthMoment moment = beijingMoment(*t);
    if (withMoment) {
        const auto options = readMomentOptions(given, refusal); // checked before the first value
        auto built = models::resolveMoment(*t, *options);
        if (auto* refusal = std::get_if<models::Refusal>(&built))
            return refuse(std::move(refusal->message));
        moment = std::get<models::Moment>(built).birth();
    }
    const auto pillars = fourPillars(moment);
    JsonObject json;
    json.text("time", writeTime(*t))
        .text("year", pillars[0])
        .text("month", pillars[1])
        .text("day", pillars[2])
        .text("hour", pillars[3]);
    if (withMoment)
        json.text(models::words::kSolarTimeOption.json, writeTime(moment.solar))
            .text("utc", writeTime(LocalTime{moment.utc.time_since_epoch()}))
            .text("utcOffset", offsetJson(moment.offset))
            .flag("dst", moment.dst);
    return answerOne(pillars[0] + ' ' + pillars[1] + ' ' + pillars[2] + ' ' + pillars[3], json.str());
}

const CommandDefinition kPillars{"pillars", kHelp, kMomentOptions, pillarsAnswer, checkMomentOptions};

} // namespace

int pillarsCommand(Args args)
{
    return runCommand(kPillars, args);
}

} // namespace cli
