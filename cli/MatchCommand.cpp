#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/analysis/Analysis.h"
#include "engine/calendar/Calendar.h"

#include <optional>
#include <string>
#include <utility>

// The nine-palace marriage match of a man and a woman. The two dates are read and checked into a typed couple,
// which the engine's typed functions answer with the text of LvCai.
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

// Only the birth days count: the match goes by the lunar years.
struct Couple
{
    LocalDays man;
    LocalDays woman;
};

// The couple, or the reason the options give none.
std::optional<Couple> readCouple(const GivenOptions& given, std::string& error)
{
    if (auto missing = given.missing({"--man", "--woman"})) {
        error = std::move(*missing);
        return std::nullopt;
    }
    const auto man = readCoveredTime(*given.value("--man"), "YYYY-MM-DD", error);
    const auto woman = man ? readCoveredTime(*given.value("--woman"), "YYYY-MM-DD", error) : std::nullopt;
    if (!woman)
        return std::nullopt;
    return Couple{std::chrono::floor<std::chrono::days>(*man), std::chrono::floor<std::chrono::days>(*woman)};
}

int writeMatch(const Couple& couple, const GivenOptions& given)
{
    const std::string text = marriageVerdict(toLunar(couple.man).Year, toLunar(couple.woman).Year);
    writeRecord({text, JsonObject().text("LvCai", text).str()}, given);
    return kExitOk;
}

} // namespace

int matchCommand(Args args)
{
    return runRequest(GivenOptions(args, kOptions), "match", kHelp, readCouple, writeMatch);
}

} // namespace cli
