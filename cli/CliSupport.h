#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/support/DateTime.h"

// Plumbing shared by the subcommands of bazi: the argument loop, the `-` mode that reads one value per line from
// standard input, error reporting and JSON writing. A subcommand supplies its help text, its extra flags and one
// function that answers a single value; both modes go through that function.
namespace cli {

using Args = std::span<const std::string_view>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadLine = 1; // `-` mode: at least one line was refused
inline constexpr int kExitUsage = 2;   // a bad option or argument

using JsonValue = std::variant<std::string, long long, bool>;

// Integers go in as long long so that no overload turns them into bool.
inline JsonValue jsonNumber(long long n)
{
    return n;
}

struct Field
{
    std::string_view key;
    JsonValue value;
};

// One output line: its plain text and, for --json, its fields in order.
struct Record
{
    std::string text;
    std::vector<Field> fields;
};

// What one value gives: its records, or the reason it was refused (a message that names the value).
struct Answer
{
    std::vector<Record> records;
    std::string refusal;
};

Answer refuse(std::string message);

// The options given with a subcommand, apart from --help.
struct Invocation
{
    bool json = false;
    std::vector<std::string_view> flags; // subcommand flags that were given, e.g. "--leap"

    bool has(std::string_view flag) const;
};

using ValueFunction = Answer (*)(std::string_view value, const Invocation& call);

struct CommandSpec
{
    std::string_view name;
    std::string_view help;               // printed for --help; starts with the usage line
    std::vector<std::string_view> flags; // extra flags the subcommand accepts
    ValueFunction answer;
};

// Runs a subcommand on its arguments (the words after its name) and returns the exit status.
int runCommand(const CommandSpec& spec, Args args);

// A value as messages show it: quoted, control characters escaped, cut after 60 characters, and
// <invalid UTF-8> instead of bytes that are not UTF-8.
std::string shown(std::string_view value);

// The text without surrounding blanks (space, tab).
std::string_view trimBlanks(std::string_view text);

// A whole text of 1 to 9 decimal digits; nothing for anything else (signs and blanks included).
std::optional<int> readNumber(std::string_view text);

// A Gregorian date, or date and time, that the lunar table covers (1900-01-31 to 2101-01-28). On failure
// `refusal` names the value and says what was expected.
std::optional<engine::LocalTime> readCoveredTime(std::string_view value, std::string_view expected,
                                                 std::string& refusal);

} // namespace cli
