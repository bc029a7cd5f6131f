#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/LandPP.h"
#include "engine/support/Text.h"

#include <algorithm>
#include <string>

namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi idnum [--json] DIGITS...
       bazi idnum [--json] -

Prints the personality reading chosen by the digits of an identity number (身份证), one text per number:
the first digit from 0 to 9 that the number lacks picks one of ten texts, and a number holding all ten
digits takes the text of 0 (ShenFenZheng).
  bazi idnum 110105194912310021
Digits only; leave off a final check letter X.

Options:
  --json   one object per line: {"ShenFenZheng":"..."}
)";

Answer idnumAnswer(std::string_view value, const GivenOptions&)
{
    const std::string_view digits = engine::trimBlanks(value);
    if (digits.empty())
        return refuse("no digits in " + shown(value) + " (expected an identity number such as 110105194912310021)");
    if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; }))
        return refuse("not a digit string: " + shown(value) +
                      " (digits 0 to 9 only; leave off a final check letter X)");
    const std::string text = LandPP().ShenFenZheng(std::string(digits));
    return answerOne(text, JsonObject().text("ShenFenZheng", text).str());
}

const CommandDefinition kIdnum{"idnum", kHelp, {}, idnumAnswer};

} // namespace

int idnumCommand(Args args)
{
    return runCommand(kIdnum, args);
}

} // namespace cli
