#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/calendar/Calendar.h"

using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi lunar [--json] DATE...
       bazi lunar [--json] -

Prints the lunar date of each Gregorian DATE (YYYY-MM-DD, from 1900-01-31 to 2101-01-28), one line each:
  bazi lunar 1984-02-02   ->   农历甲子年(鼠)正月初一

Options:
  --json   one object per line; year, month and day are the lunar ones, leap is true in a leap month:
           {"date":"1984-02-02","year":1984,"month":1,"day":1,"leap":false,"text":"农历甲子年(鼠)正月初一"}
)";

Answer lunarAnswer(std::string_view value, const GivenOptions&)
{
    std::string refusal;
    const auto t = readCoveredTime(value, "YYYY-MM-DD", refusal);
    if (!t)
        return refuse(std::move(refusal));
    const LocalDays day = std::chrono::floor<std::chrono::days>(*t);
    const NongLiDate lunar = toLunar(day);
    const std::string text = lunarText(lunar);
    std::string json = JsonObject()
                           .text("date", writeDate(day))
                           .number("year", lunar.Year)
                           .number("month", lunar.Month)
                           .number("day", lunar.Day)
                           .flag("leap", lunar.IsLeap)
                           .text("text", text)
                           .str();
    return answerOne(text, std::move(json));
}

const CommandDefinition kLunar{"lunar", kHelp, {}, lunarAnswer};

} // namespace

int lunarCommand(Args args)
{
    return runCommand(kLunar, args);
}

} // namespace cli
