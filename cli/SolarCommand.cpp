#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/calendar/Calendar.h"

#include <string>

using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kLeapFlag = "--leap";

constexpr std::string_view kHelp = R"(Usage: bazi solar [--leap] [--json] Y-M-D...
       bazi solar [--leap] [--json] -

Prints the Gregorian date (YYYY-MM-DD) of each lunar date Y-M-D (lunar years 1900-2099), one line each:
  bazi solar --leap 2023-2-1   ->   2023-03-22

Options:
  --leap   the dates lie in the leap month that follows ordinary month M
  --json   one object per line; lunar is the lunar date as read:
           {"lunar":"2023-2-1","leap":true,"date":"2023-03-22"}
)";

Answer solarAnswer(std::string_view value, const GivenOptions& options)
{
    const bool leap = options.has(kLeapFlag);
    std::string refusal;
    const auto date = readLunarDay(value, leap, refusal);
    if (!date)
        return refuse(std::move(refusal));
    const NongLiDate lunar = toLunar(*date); // the date as read, without padding or blanks
    const std::string lunarText =
        std::to_string(lunar.Year) + '-' + std::to_string(lunar.Month) + '-' + std::to_string(lunar.Day);
    const std::string text = writeDate(*date);
    return answerOne(text, JsonObject().text("lunar", lunarText).flag("leap", leap).text("date", text).str());
}

constexpr NamedOption kOptions[] = {{kLeapFlag}};
const CommandDefinition kSolar{"solar", kHelp, kOptions, solarAnswer};

} // namespace

int solarCommand(Args args)
{
    return runCommand(kSolar, args);
}

} // namespace cli
