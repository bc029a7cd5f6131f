#pragma once

#include "cli/OptionNames.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Running the subcommands of bazi: the argument loop and the `-` mode that reads one value per line from standard
// input, the writing of answers, and error reporting. A subcommand that answers values one by one supplies its help
// text, its options and one function that answers a single value; both modes go through that function. A subcommand
// that answers one request reads its options into a typed request and answers it with runRequest.
namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadLine = 1; // `-` mode: at least one line was refused
inline constexpr int kExitUsage = 2;   // a bad option or argument

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
    // The reason the options cannot be used before any value is read, or nothing; null when any will do.
    std::optional<std::string> (*check)(const GivenOptions& options) = nullptr;
};

// Standard input a line at a time, for the `-` modes: the next line without its LF or CR LF, and on the first line
// without a UTF-8 byte-order mark; false at the end of the input or when it cannot be read.
bool readInputLine(std::string& line, bool first);
// Writes the output gathered so far once it is large; the rest waits for finishLines.
void flushWhenFull(std::string& out);
// Writes the rest of the output and returns the exit status of a `-` mode: 2 when standard input could not be read,
// 1 when a line was refused, 0 otherwise.
int finishLines(const std::string& out, bool refused);

// Runs a subcommand on its arguments (the words after its name) and returns the exit status.
int runCommand(const CommandDefinition& command, Args args);

// Writes the record as runCommand writes a value's: its text, or its JSON with --json, then a line end.
void writeRecord(const Record& record, const GivenOptions& options);

// Prints the help text; returns kExitOk.
int printHelp(std::string_view help);

// Reports a bad command, option or argument on standard error, pointing to the command's help (the tool's own for an
// empty command); returns kExitUsage.
int usageError(std::string_view command, std::string_view message);

// Runs a subcommand that makes one request of its words: prints the help, or reads the request with `read`
// (std::optional<Request> read(const GivenOptions&, std::string& error)) and answers it with `run` (int run(const
// Request&, const GivenOptions&)). An unusable word, or words that make no request, end it with a usage error. The
// request is checked against the engine's ranges as it is read; an engine error past that is the tool's fault and
// ends in main().
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

} // namespace cli
