#include "cli/Commands.h"

#include "engine/LandPP.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

struct Option
{
    std::string_view name;
    bool takesValue;
};

constexpr Option kOptions[] = {{"--man", true}, {"--woman", true}, {"--json", false}, {"--help", false}};

using Given = std::vector<std::pair<std::string_view, std::string>>;

std::optional<std::string> valueOf(const Given& given, std::string_view name)
{
    const auto it = std::ranges::find(given, name, &Given::value_type::first);
    return it == given.end() ? std::nullopt : std::optional(it->second);
}

// The options as given, each at most once; the reason the words cannot be read, or nothing.
std::optional<std::string> readOptions(Args args, Given& given)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        const std::string_view name = word.substr(0, word.find('='));
        const auto option = std::ranges::find(kOptions, name == "-h" ? "--help" : name, &Option::name);
        if (option == std::end(kOptions))
            return word.starts_with('-') ? "unknown option " + shown(word) : "unexpected argument " + shown(word);
        if (valueOf(given, option->name))
            return std::string(option->name) + " is given twice";
        const bool inlineValue = name.size() < word.size();
        if (!option->takesValue && inlineValue)
            return std::string(option->name) + " takes no value";
        std::string value;
        if (inlineValue)
            value = word.substr(name.size() + 1);
        else if (option->takesValue && i + 1 < args.size() && !args[i + 1].starts_with("--"))
            value = args[++i];
        else if (option->takesValue)
            return std::string(option->name) + " needs a value";
        given.emplace_back(option->name, std::move(value));
    }
    return std::nullopt;
}

// The two dates as "YYYY-MM-DD YYYY-MM-DD", or the reason the options give none.
std::optional<std::string> readCouple(const Given& given, std::string& error)
{
    for (const std::string_view required : {"--man", "--woman"}) {
        if (!valueOf(given, required)) {
            error += error.empty() ? "missing " : ", ";
            error += required;
        }
    }
    if (!error.empty())
        return std::nullopt;
    std::string couple;
    for (const std::string& date : {*valueOf(given, "--man"), *valueOf(given, "--woman")}) {
        const auto t = readCoveredTime(date, "YYYY-MM-DD", error); // only the date counts
        if (!t)
            return std::nullopt;
        if (!couple.empty())
            couple += ' ';
        couple += writeDate(std::chrono::floor<std::chrono::days>(*t));
    }
    return couple;
}

Answer matchAnswer(std::string_view value, const Invocation&)
{
    const std::size_t blank = value.find(' ');
    if (blank == std::string_view::npos)
        return refuse("not two dates: " + shown(value));
    std::string man(value.substr(0, blank));
    std::string woman(value.substr(blank + 1));
    Record record{LandPP().LvCai(man, woman), {}};
    record.fields = {{"LvCai", record.text}};
    return {{std::move(record)}, {}};
}

const CommandSpec kMatch{"match", kHelp, {}, matchAnswer};

} // namespace

int matchCommand(Args args)
{
    Given given;
    std::string error = readOptions(args, given).value_or("");
    if (error.empty() && valueOf(given, "--help")) {
        std::cout << kHelp;
        return kExitOk;
    }
    std::optional<std::string> couple;
    if (error.empty())
        couple = readCouple(given, error);
    if (!couple) {
        std::cerr << "bazi: " << error << " (see bazi match --help)\n";
        return kExitUsage;
    }
    std::vector<std::string_view> words = {*couple};
    if (valueOf(given, "--json"))
        words.push_back("--json");
    return runCommand(kMatch, words);
}

} // namespace cli
