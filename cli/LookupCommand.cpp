#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/analysis/ReverseLookup.h"
#include "engine/calendar/GanZhiTables.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <variant>

using namespace engine;

// The reverse lookup: the earliest moment of four pillars. The answer and its wording come from the engine; the tool
// checks the words it is given and writes the answer.
namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi lookup [--from YEAR] [--terms mean|astro] [--json] Y M D H

Prints the earliest moment whose year, month, day and hour pillars are the GanZhi Y, M, D and H, searched
from the pillar year YEAR (from its 立春) through 2099:
  bazi lookup 甲子 丙寅 己巳 戊辰 --from 1984   ->   1984-02-05 08:00:00
A double hour is answered by its nominal hour (子 00:00, 丑 02:00 ... 亥 22:00); where a solar term cuts it,
or only the late 子 hour (23:00-23:59) has the pillars, by the first moment that has them.

A moment exits with status 0. These answers exit with status 1:
  八字写错了啦，请检查一下   a pillar is none of the sixty GanZhi (such as 甲丑)
  八字匹配不了，请检查一下   the month pillar does not belong to the year stem, or the hour pillar to the day stem
  未找到数据                 no such moment in the years searched

Options:
  --from YEAR  the first pillar year searched, 1900 to 2099 (default 1900); also --from=YEAR
  --terms mean|astro  the months open at the 节 of the mean formula (default) or at the astronomical
               instants, to the second, in Beijing time: a moment near a 节 may move
  --json       one object on one line, "message" in place of "found" for the answers that are no moment:
               {"pillars":["甲子","丙寅","己巳","戊辰"],"from":1984,"found":"1984-02-05 08:00:00"}
  --help       print this text

Words that are not a stem followed by a branch, or a bad option or year, stop with a message on standard
error, nothing on standard output, and exit status 2.
)";

constexpr int kExitNoMoment = 1; // a message or nothing found: the words were fine, the pillars have no moment

constexpr NamedOption kOptions[] = {{"--from", "a year"}, {"--terms", kValue}};

struct LookupRequest
{
    int firstYear = kFirstLookupYear;
    TermSource terms = termInstant;
};

// A stem followed by a branch; whether the two belong together is the engine's answer, not a usage error.
bool isStemAndBranch(std::string_view word)
{
    return utf8::length(word) == 2 &&
           std::ranges::find(tables::kTianGan, utf8::at(word, 0)) != tables::kTianGan.end() &&
           std::ranges::find(tables::kDiZhi, utf8::at(word, 1)) != tables::kDiZhi.end();
}

// The reason the words make no query, or nothing.
std::optional<std::string> checkQuery(const GivenOptions& given)
{
    const auto& pillars = given.values();
    if (pillars.size() != 4)
        return "four pillars are needed (year, month, day, hour), " + std::to_string(pillars.size()) + " given";
    for (const std::string_view pillar : pillars) {
        if (!isStemAndBranch(pillar))
            return "not a pillar: " + shown(pillar) + " (expected a stem and a branch, such as 甲子)";
    }
    return std::nullopt;
}

// The first pillar year searched and the terms, once the words make a query; otherwise nothing, and `error` says
// why.
std::optional<LookupRequest> readRequest(const GivenOptions& given, std::string& error)
{
    if (auto bad = checkQuery(given)) {
        error = std::move(*bad);
        return std::nullopt;
    }
    const auto terms = readTermSource(given, error);
    if (!terms)
        return std::nullopt;
    const auto from = given.value("--from");
    if (!from)
        return LookupRequest{kFirstLookupYear, *terms};
    const auto year = readNumber(*from);
    if (!year || *year < kFirstLookupYear || *year > kLastLookupYear) {
        error = "not a year from 1900 to 2099: " + shown(*from);
        return std::nullopt;
    }
    return LookupRequest{*year, *terms};
}

std::string answerText(const BaZiLookup& lookup)
{
    if (const auto* found = std::get_if<BaZiFound>(&lookup))
        return writeTime(found->at);
    const auto* message = std::get_if<BaZiMessage>(&lookup);
    return std::string(message ? messageText(*message) : kNotFoundText);
}

std::string answerJson(const GivenOptions& given, int firstYear, const BaZiLookup& lookup)
{
    const bool found = std::holds_alternative<BaZiFound>(lookup);
    return JsonObject()
        .json("pillars", jsonStrings(given.values()))
        .number("from", firstYear)
        .text(found ? "found" : "message", answerText(lookup))
        .str();
}

int writeLookup(const LookupRequest& request, const GivenOptions& given)
{
    const auto& p = given.values();
    const BaZiLookup lookup = lookupBaZi(p[0], p[1], p[2], p[3], request.firstYear, request.terms);
    writeRecord({answerText(lookup), answerJson(given, request.firstYear, lookup)}, given);
    return std::holds_alternative<BaZiFound>(lookup) ? kExitOk : kExitNoMoment;
}

} // namespace

int lookupCommand(Args args)
{
    return runRequest(GivenOptions(args, kOptions, true), "lookup", kHelp, readRequest, writeLookup);
}

} // namespace cli
