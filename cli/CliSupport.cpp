#include "cli/CliSupport.h"

#include "cli/CliJson.h"
#include "cli/OptionNames.h"
#include "engine/support/RangeError.h"

#include <algorithm>
#include <iostream>

using namespace engine;

namespace cli {
namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kModesHelp = R"(  --help   print this text

With - as the only value, reads one value per line from standard input (a trailing CR is ignored) and
writes the results of each line in turn. A bad line gives "error: MESSAGE" in its place (with --json
{"input":"...","error":"MESSAGE"}, the input cut after 60 characters), processing goes on, and the exit
status is 1. A bad argument or option stops with a message on standard error, before any output, and
exit status 2.
)";

void writeOut(std::string_view text)
{
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeError(std::string_view message)
{
    std::cerr << "bazi: " << message << '\n';
}

void appendRecords(std::string& out, const Answer& answer, const GivenOptions& options)
{
    for (const Record& record : answer.records) {
        out += options.json() ? record.json : record.text;
        out += '\n';
    }
}

void appendRefusal(std::string& out, std::string_view value, const std::string& refusal, const GivenOptions& options)
{
    if (options.json()) {
        out += JsonObject().text("input", echoed(value)).text("error", refusal).str();
    } else {
        out += "error: ";
        out += refusal;
    }
    out += '\n';
}

// The engine's range errors are caught here, at the edge, like any other refusal.
Answer answerSafely(ValueFunction answer, std::string_view value, const GivenOptions& options)
{
    try {
        return answer(value, options);
    } catch (const RangeError& e) {
        return refuse("out of range: " + shown(value) + " (" + e.what() + ")");
    }
}

// The values in turn; the first refusal stops with nothing written.
int runArguments(ValueFunction answer, std::span<const std::string_view> values, const GivenOptions& options)
{
    std::string out;
    for (const std::string_view value : values) {
        const Answer answered = answerSafely(answer, value, options);
        if (!answered.refusal.empty()) {
            writeError(answered.refusal);
            return kExitUsage;
        }
        appendRecords(out, answered, options);
    }
    writeOut(out);
    return kExitOk;
}

int runLines(ValueFunction answer, const GivenOptions& options)
{
    std::string out;
    std::string value;
    bool refused = false;
    for (bool first = true; readInputLine(value, first); first = false) {
        const Answer answered = answerSafely(answer, value, options);
        if (answered.refusal.empty()) {
            appendRecords(out, answered, options);
        } else {
            refused = true;
            appendRefusal(out, value, answered.refusal, options);
        }
        flushWhenFull(out);
    }
    return finishLines(out, refused);
}

} // namespace

bool readInputLine(std::string& line, bool first)
{
    if (!std::getline(std::cin, line))
        return false;
    if (first && line.starts_with(kByteOrderMark)) // as editors on Windows save UTF-8
        line.erase(0, kByteOrderMark.size());
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void flushWhenFull(std::string& out)
{
    if (out.size() >= kFlushBytes) {
        writeOut(out);
        out.clear();
    }
}

int finishLines(const std::string& out, bool refused)
{
    writeOut(out);
    // A directory, a closed descriptor or a device error ends the loop like the end of the input would.
    if (std::cin.bad()) {
        writeError("cannot read standard input");
        return kExitUsage;
    }
    return refused ? kExitBadLine : kExitOk;
}

Answer refuse(std::string message)
{
    return {{}, std::move(message)};
}

Answer answerOne(std::string text, std::string json)
{
    return {{{std::move(text), std::move(json)}}, {}};
}

int runCommand(const CommandDefinition& command, Args args)
{
    const GivenOptions given(args, command.options, true);
    if (given.help()) {
        writeOut(command.help);
        writeOut(kModesHelp);
        return kExitOk;
    }
    const auto& values = given.values();
    std::string error = given.error();
    if (error.empty() && command.check)
        error = command.check(given).value_or("");
    if (error.empty() && values.empty())
        error = "no values given";
    else if (error.empty() && values.size() > 1 && std::ranges::find(values, "-") != values.end())
        error = "\"-\" reads the values from standard input and takes no other values";
    if (!error.empty())
        return usageError(command.name, error);
    if (values.front() == "-")
        return runLines(command.answer, given);
    return runArguments(command.answer, values, given);
}

void writeRecord(const Record& record, const GivenOptions& options)
{
    writeOut(options.json() ? record.json : record.text);
    writeOut("\n");
}

int printHelp(std::string_view help)
{
    writeOut(help);
    return kExitOk;
}

int usageError(std::string_view command, std::string_view message)
{
    std::cerr << "bazi: " << message << " (see bazi " << command << (command.empty() ? "" : " ") << "--help)\n";
    return kExitUsage;
}

} // namespace cli
