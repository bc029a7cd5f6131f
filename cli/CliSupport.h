#pragma once

#include "engine/support/DateTime.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Plumbing shared by the subcommands of bazi: named options, the argument loop and the `-` mode that reads one value
// per line from standard input, error reporting, the readers of typed values and JSON writing. A subcommand that
// answers values one by one supplies its help text, its options and one function that answers a single value; both
// modes go through that function. A subcommand that answers one request reads its options with GivenOptions.
namespace cli {

using Args = std::span<const std::string_view>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadLine = 1; // `-` mode: at least one line was refused
inline constexpr int kExitUsage = 2;   // a bad option or argument

// ---- Named options (cli/CliOptions.cpp)

// "--name VALUE" or "--name=VALUE" when `value` says what it takes, a bare flag when `value` is empty.
struct NamedOption
{
    std::string_view name;
    std::string_view value = {}; // as "--from needs a year" names it
};

inline constexpr std::string_view kValue = "a value"; // what most options take

// The options of one subcommand as given, each at most once, and the words that are no option. --help (also -h)
// and --json are known to every subcommand. A value is the next word unless that starts with "--". Names and values
// are views into the words, which outlive it (they are the program's arguments).
class GivenOptions
{
public:
    // With `takesValues`, words that are no option are values and "--" ends the options; without, they are errors.
    // A word that starts with '-' is an option, except "-" itself and negative numbers.
    GivenOptions(Args args, std::span<const NamedOption> known, bool takesValues = false);

    // The first word that cannot be used, named; empty when all can.
    const std::string& error() const { return m_error; }
    // --help or -h is among the options; it wins over any error.
    bool help() const { return m_help; }
    bool json() const { return has("--json"); }
    bool has(std::string_view name) const;
    std::optional<std::string_view> value(std::string_view name) const;
    const std::vector<std::string_view>& values() const { return m_values; }
    // "missing --a, --b" for those of `required` not given; nothing when all are.
    std::optional<std::string> missing(std::initializer_list<std::string_view> required) const;

private:
    std::optional<std::string> read(Args args, std::span<const NamedOption> known, bool takesValues);

    std::vector<std::pair<std::string_view, std::string_view>> m_given; // name, value (empty for a flag)
    std::vector<std::string_view> m_values;
    std::string m_error;
    bool m_help = false;
};

// The options of one birth that chart and readings share, checked. The date is left to each command: they read it
// differently.
struct BirthOptions
{
    bool male = false;
    bool lunar = false;
    bool leap = false; // only with lunar
    int hour = 0;      // [0, 23]
    int minute = 0;    // [0, 59]
};

// --sex 男|女, --date (given), --time HH:MM, --lunar and --leap; on failure `error` says which is missing or bad.
std::optional<BirthOptions> readBirthOptions(const GivenOptions& given, std::string& error);

// ---- Running a subcommand (cli/CliSupport.cpp)

// One output line: its plain text and, for --json, the same as one JSON object.
struct Record
{
    std::string text;
    std::string json;
};

// What one value gives: its records, or the reason it was refused (a message that names the value).
struct Answer
{
    std::vector<Record> records;
    std::string refusal;
};

Answer refuse(std::string message);
// The answer of a value that gives one record.
Answer answerOne(std::string text, std::string json);

using ValueFunction = Answer (*)(std::string_view value, const GivenOptions& options);

struct CommandDefinition
{
    std::string_view name;
    std::string_view help;                // printed for --help; starts with the usage line
    std::span<const NamedOption> options; // besides --help and --json
    ValueFunction answer;
};

// Runs a subcommand on its arguments (the words after its name) and returns the exit status.
int runCommand(const CommandDefinition& command, Args args);

// Answers one value read from a subcommand's own options and writes it as runCommand writes an argument; returns the
// exit status.
int runValue(ValueFunction answer, std::string_view value, const GivenOptions& options);

// Prints the help text; returns kExitOk.
int printHelp(std::string_view help);

// Reports a bad command, option or argument on standard error, pointing to the command's help (the tool's own for an
// empty command); returns kExitUsage.
int usageError(std::string_view command, std::string_view message);

// Runs a subcommand that makes one request of its words: prints the help, or reads the request with `read`
// (std::optional<Request> read(const GivenOptions&, std::string& error)) and answers it with `run` (int run(const
// Request&, const GivenOptions&)). An unusable word, or words that make no request, end it with a usage error.
template <typename Read, typename Run>
int runRequest(const GivenOptions& given, std::string_view name, std::string_view help, Read read, Run run)
{
    if (given.help())
        return printHelp(help);
    std::string error = given.error();
    const auto request = error.empty() ? read(given, error) : std::nullopt;
    if (!request)
        return usageError(name, error);
    return run(*request, given);
}

// A `run` for runRequest whose request is one value for `answer`, written as runCommand writes an argument.
inline auto answeredBy(ValueFunction answer)
{
    return [answer](std::string_view value, const GivenOptions& given) { return runValue(answer, value, given); };
}

// ---- Reading values (cli/CliSupport.cpp)

// Stands in for text that is not UTF-8 wherever a value is echoed.
inline constexpr std::string_view kInvalidUtf8 = "<invalid UTF-8>";

// A value as messages show it: quoted, control characters escaped, cut after 60 characters, and
// <invalid UTF-8> instead of bytes that are not UTF-8.
std::string shown(std::string_view value);

// The text without surrounding blanks (space, tab).
std::string_view trimBlanks(std::string_view text);

// A whole text of 1 to 9 decimal digits; nothing for anything else (signs and blanks included).
std::optional<int> readNumber(std::string_view text);

// Numbers separated by `separator`, one per range and each within it ("10:15" with ':', {{0, 23}, {0, 59}});
// nothing for any other text.
std::optional<std::vector<int>> readNumbers(std::string_view text, char separator,
                                            std::initializer_list<std::pair<int, int>> ranges);

// A Gregorian date, or date and time, that the lunar table covers (1900-01-31 to 2101-01-28). On failure
// `refusal` names the value and says what was expected.
std::optional<engine::LocalTime> readCoveredTime(std::string_view value, std::string_view expected,
                                                 std::string& refusal);

// The Gregorian day of a lunar date "Y-M-D", in the leap month that follows month M with `leap`. On failure
// `refusal` names the value and says why the lunar table has no such date.
std::optional<engine::LocalDays> readLunarDay(std::string_view value, bool leap, std::string& refusal);

// ---- JSON (cli/CliJson.cpp)

// A JSON string: quoted, quotes, backslashes and control characters escaped; text that is not UTF-8 becomes
// "<invalid UTF-8>", so the output stays valid whatever came in.
std::string jsonString(std::string_view text);

// A JSON object written field by field, in order.
class JsonObject
{
public:
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& number(std::string_view key, long long value);
    JsonObject& flag(std::string_view key, bool value);
    JsonObject& json(std::string_view key, std::string_view value); // a value already written as JSON
    std::string str() const;

private:
    void appendKey(std::string_view key);

    std::string m_text = "{";
};

// A JSON array of the items, each written as JSON by `write`.
template <typename Range, typename Write> std::string jsonArray(const Range& items, Write write)
{
    std::string out = "[";
    for (const auto& item : items) {
        if (out.size() > 1)
            out += ',';
        out += write(item);
    }
    return out + ']';
}

// A JSON array of texts.
template <typename Range> std::string jsonStrings(const Range& texts)
{
    return jsonArray(texts, [](std::string_view text) { return jsonString(text); });
}

} // namespace cli
