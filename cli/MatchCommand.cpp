#include "cli/Commands.h"

#include "engine/LandPP.h"

#include <optional>
#include <string>
#include <utility>

// The nine-palace marriage match of a man and a woman. The two dates are read and checked here, then go to the
// shared runner as one value "MAN WOMAN", so output, --json and the engine's range errors are handled as in every
// other command.
using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi match --man YYYY-MM-DD --woman YYYY-MM-DD [--json]

Prints the nine-palace (九宫) marriage verdict of a man and a woman from their lunar birth years: the grade,
":", the star and the verdict (LvCai):
  bazi match --man 1984-03-01 --woman 1984-05-20
  ->  上等婚:延年婚主长寿有福，男女和谐，积德积庆，终生安康，上吉之配。

Options (a value follows as the next word or after "=", as in --man=1984-03-01):
  --man YYYY-MM-DD    the man's Gregorian birth date, 1900-01-31 to 2101-01-28
  --woman YYYY-MM-DD  the woman's
  --json              one object on one line: {"LvCai":"..."}
  --help              print this text

Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

constexpr NamedOption kOptions[] = {{"--man", kValue}, {"--woman", kValue}};

// The two dates as "YYYY-MM-DD YYYY-MM-DD", or the reason the options give none.
std::optional<std::string> readCouple(const GivenOptions& given, std::string& error)
{
    if (auto missing = given.missing({"--man", "--woman"})) {
        error = std::move(*missing);
        return std::nullopt;
    }
    std::string couple;
    for (const std::string_view date : {*given.value("--man"), *given.value("--woman")}) {
        const auto t = readCoveredTime(date, "YYYY-MM-DD", error); // only the date counts
        if (!t)
            return std::nullopt;
        if (!couple.empty())
            couple += ' ';
        couple += writeDate(std::chrono::floor<std::chrono::days>(*t));
    }
    return couple;
}

Answer matchAnswer(std::string_view value, const GivenOptions&)
{
    const std::size_t blank = value.find(' ');
    if (blank == std::string_view::npos)
        return refuse("not two dates: " + shown(value));
    std::string man(value.substr(0, blank));
    std::string woman(value.substr(blank + 1));
    const std::string text = LandPP().LvCai(man, woman);
    return answerOne(text, JsonObject().text("LvCai", text).str());
}

} // namespace

int matchCommand(Args args)
{
    return runRequest(GivenOptions(args, kOptions), "match", kHelp, readCouple, answeredBy(matchAnswer));
}

} // namespace cli
