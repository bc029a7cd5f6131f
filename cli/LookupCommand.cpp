#include "cli/Commands.h"

#include "engine/analysis/ReverseLookup.h"
#include "engine/calendar/GanZhiTables.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

using namespace engine;

// The reverse lookup: the earliest moment of four pillars. The answer and its wording come from the engine; the tool
// checks the words it is given and writes the answer.
namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi lookup [--from YEAR] [--json] YEAR MONTH DAY HOUR

Prints the earliest moment, from the pillar year YEAR (its 立春) through 2099, whose year, month, day and
hour pillars are the four GanZhi given:
  bazi lookup 甲子 丙寅 己巳 戊辰 --from 1984   ->   1984-02-05 08:00:00
A double hour is answered by its nominal hour (子 00:00, 丑 02:00 ... 亥 22:00); where a solar term cuts it,
or only the late 子 hour (23:00-23:59) has the pillars, by the first moment that has them.

A moment exits with status 0. These answers exit with status 1:
  八字写错了啦，请检查一下   a pillar is none of the sixty GanZhi (such as 甲丑)
  八字匹配不了，请检查一下   the month pillar does not belong to the year stem, or the hour pillar to the day stem
  未找到数据                 no such moment in the years searched

Options:
  --from YEAR  the first pillar year searched, 1900 to 2099 (default 1900); also --from=YEAR
  --json       one object on one line, "message" in place of "found" for the answers that are no moment:
               {"pillars":["甲子","丙寅","己巳","戊辰"],"from":1984,"found":"1984-02-05 08:00:00"}
  --help       print this text

Words that are not a stem followed by a branch, or a bad option or year, stop with a message on standard
error, nothing on standard output, and exit status 2.
)";

constexpr int kExitNoMoment = 1; // a message or nothing found: the words were fine, the pillars have no moment

struct Query
{
    std::vector<std::string_view> pillars;
    std::optional<std::string_view> from; // the text given with --from
    bool json = false;
    bool help = false;
};

// The reason the words make no query, or nothing.
std::optional<std::string> readWords(Args args, Query& query)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (optionsEnded || !word.starts_with('-')) {
            query.pillars.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            query.help = true;
        } else if (word == "--json") {
            query.json = true;
        } else if (word == "--from" || word.starts_with("--from=")) {
            if (query.from)
                return "--from is given twice";
            if (word.size() > 6)
                query.from = word.substr(7);
            else if (i + 1 < args.size() && !args[i + 1].starts_with("--"))
                query.from = args[++i];
            else
                return "--from needs a year";
        } else {
            return "unknown option " + shown(word);
        }
    }
    return std::nullopt;
}

// A stem followed by a branch; whether the two belong together is the engine's answer, not a usage error.
bool isStemAndBranch(std::string_view word)
{
    return utf8::length(word) == 2 &&
           std::ranges::find(tables::kTianGan, utf8::at(word, 0)) != tables::kTianGan.end() &&
           std::ranges::find(tables::kDiZhi, utf8::at(word, 1)) != tables::kDiZhi.end();
}

std::optional<std::string> checkQuery(const Query& query, int& firstYear)
{
    if (query.pillars.size() != 4)
        return "four pillars are needed (year, month, day, hour), " + std::to_string(query.pillars.size()) + " given";
    for (const std::string_view pillar : query.pillars) {
        if (!isStemAndBranch(pillar))
            return "not a pillar: " + shown(pillar) + " (expected a stem and a branch, such as 甲子)";
    }
    if (!query.from)
        return std::nullopt;
    const auto year = readNumber(*query.from);
    if (!year || *year < kFirstLookupYear || *year > kLastLookupYear)
        return "not a year from 1900 to 2099: " + shown(*query.from);
    firstYear = *year;
    return std::nullopt;
}

std::string answerJson(const Query& query, int firstYear, const BaZiLookup& lookup)
{
    // The pillars are checked stems and branches and the texts fixed Chinese: nothing needs escaping.
    std::string json = "{\"pillars\":[";
    for (const std::string_view pillar : query.pillars)
        json += (json.back() == '[' ? "\"" : ",\"") + std::string(pillar) + '"';
    json += "],\"from\":" + std::to_string(firstYear);
    if (const auto* found = std::get_if<BaZiFound>(&lookup))
        return json + ",\"found\":\"" + writeTime(found->at) + "\"}";
    const auto* message = std::get_if<BaZiMessage>(&lookup);
    return json + ",\"message\":\"" + std::string(message ? messageText(*message) : kNotFoundText) + "\"}";
}

std::string answerText(const BaZiLookup& lookup)
{
    if (const auto* found = std::get_if<BaZiFound>(&lookup))
        return writeTime(found->at);
    const auto* message = std::get_if<BaZiMessage>(&lookup);
    return std::string(message ? messageText(*message) : kNotFoundText);
}

} // namespace

int lookupCommand(Args args)
{
    Query query;
    int firstYear = kFirstLookupYear;
    std::optional<std::string> error = readWords(args, query);
    if (!error && query.help) {
        std::cout << kHelp;
        return kExitOk;
    }
    if (!error)
        error = checkQuery(query, firstYear);
    if (error) {
        std::cerr << "bazi: " << *error << " (see bazi lookup --help)\n";
        return kExitUsage;
    }
    const auto& p = query.pillars;
    const BaZiLookup lookup = lookupBaZi(p[0], p[1], p[2], p[3], firstYear);
    std::cout << (query.json ? answerJson(query, firstYear, lookup) : answerText(lookup)) << '\n';
    return std::holds_alternative<BaZiFound>(lookup) ? kExitOk : kExitNoMoment;
}

} // namespace cli
