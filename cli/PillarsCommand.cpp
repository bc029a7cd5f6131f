#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/CliValues.h"
#include "engine/calendar/Calendar.h"

using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi pillars [--json] "YYYY-MM-DD HH:MM:SS"...
       bazi pillars [--json] -

Prints the four pillars (year, month, day, hour) of each moment, separated by single spaces:
  bazi pillars "1984-02-05 08:00:00"   ->   甲子 丙寅 己巳 戊辰
The seconds, or the whole time of day (then 00:00:00), may be left out. Dates run from 1900-01-31 to
2101-01-28.

Options:
  --json   one object per line:
           {"time":"1984-02-05 08:00:00","year":"甲子","month":"丙寅","day":"己巳","hour":"戊辰"}
)";

Answer pillarsAnswer(std::string_view value, const GivenOptions&)
{
    std::string refusal;
    const auto t = readCoveredTime(value, "YYYY-MM-DD HH:MM:SS, YYYY-MM-DD HH:MM or YYYY-MM-DD", refusal);
    if (!t)
        return refuse(std::move(refusal));
    const auto pillars = fourPillars(*t);
    std::string json = JsonObject()
                           .text("time", writeTime(*t))
                           .text("year", pillars[0])
                           .text("month", pillars[1])
                           .text("day", pillars[2])
                           .text("hour", pillars[3])
                           .str();
    return answerOne(pillars[0] + ' ' + pillars[1] + ' ' + pillars[2] + ' ' + pillars[3], std::move(json));
}

const CommandDefinition kPillars{"pillars", kHelp, {}, pillarsAnswer};

} // namespace

int pillarsCommand(Args args)
{
    return runCommand(kPillars, args);
}

} // namespace cli
