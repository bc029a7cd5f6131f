#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/calendar/Calendar.h"
#include "engine/support/Text.h"

#include <string>

using namespace engine;

namespace cli {
namespace {

// The years the calendar as a whole serves; the term formula itself has no limit.
constexpr int kFirstTermYear = kFirstLunarYear;
constexpr int kLastTermYear = kLastLunarYear;
constexpr int kTermsPerYear = 24;

constexpr std::string_view kHelp = R"(Usage: bazi terms [--json] [--terms mean|astro] YEAR...
       bazi terms [--json] [--terms mean|astro] -

Prints the 24 solar terms of each Gregorian YEAR (1900-2100), from 小寒 to 冬至, one line each: the name, a
space and the instant in Beijing time, e.g. for 2024 the third line is
  立春 2024-02-04 14:39:00
In - mode each input line gives 24 lines (or one error line).

Options:
  --terms mean|astro  the calendar's mean formula, to the minute (default), or the instants at which the Sun's
                      apparent longitude reaches the term's, to the second: 立春 2024-02-04 16:26:53
  --json   one object per term and line; n is the term number 0-23 counted from 小寒:
           {"year":2024,"n":2,"name":"立春","time":"2024-02-04 14:39:00"}
)";

constexpr NamedOption kOptions[] = {{"--terms", kValue}};

std::optional<std::string> checkTerms(const GivenOptions& given)
{
    std::string error;
    if (!readTermSource(given, error))
        return error;
    return std::nullopt;
}

Answer termsAnswer(std::string_view value, const GivenOptions& given)
{
    std::string error;
    const TermSource terms = readTermSource(given, error).value_or(termInstant); // checkTerms refused other words
    const auto year = readNumber(trimBlanks(value));
    if (!year)
        return refuse("not a year: " + shown(value) + " (expected YYYY)");
    if (*year < kFirstTermYear || *year > kLastTermYear)
        return refuse("year out of range: " + shown(value) + " (terms are given for " + std::to_string(kFirstTermYear) +
                      "-" + std::to_string(kLastTermYear) + ")");
    Answer answer;
    for (int n = 0; n < kTermsPerYear; ++n) {
        const std::string_view name = termName(n);
        const std::string time = writeTime(terms(*year, n));
        answer.records.push_back(
            {std::string(name) + ' ' + time,
             JsonObject().number("year", *year).number("n", n).text("name", name).text("time", time).str()});
    }
    return answer;
}

const CommandDefinition kTerms{"terms", kHelp, kOptions, termsAnswer, checkTerms};

} // namespace

int termsCommand(Args args)
{
    return runCommand(kTerms, args);
}

} // namespace cli
