#include "cli/CliSupport.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/RangeError.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>

using namespace engine;

namespace cli {
namespace {

constexpr std::size_t kShownCharacters = 60;
constexpr std::size_t kFlushBytes = 1 << 16;
constexpr std::string_view kInvalidUtf8 = "<invalid UTF-8>";

constexpr std::string_view kModesHelp = R"(  --help   print this text

With - as the only value, reads one value per line from standard input (a trailing CR is ignored) and
writes the results of each line in turn. A bad line gives "error: MESSAGE" in its place (with --json
{"input":"...","error":"MESSAGE"}, the input cut after 60 characters), processing goes on, and the exit
status is 1. A bad argument or option stops with a message on standard error, before any output, and
exit status 2.
)";

// Words that start with '-' are options, except "-" itself (standard input) and negative numbers, which are
// values and get the value's own message.
bool isOption(std::string_view word)
{
    return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

struct CommandLine
{
    Invocation call;
    std::vector<std::string_view> values;
    bool help = false;
    std::string error; // the first word that cannot be used, named
};

CommandLine readCommandLine(const CommandSpec& spec, Args args)
{
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string_view word : args) {
        if (optionsEnded || !isOption(word))
            line.values.push_back(word);
        else if (word == "--")
            optionsEnded = true;
        else if (word == "--help" || word == "-h")
            line.help = true;
        else if (word == "--json")
            line.call.json = true;
        else if (std::ranges::find(spec.flags, word) != spec.flags.end())
            line.call.flags.push_back(word);
        else if (line.error.empty())
            line.error = "unknown option " + shown(word);
    }
    if (!line.error.empty())
        return line;
    if (line.values.empty())
        line.error = "no values given";
    else if (line.values.size() > 1 && std::ranges::find(line.values, "-") != line.values.end())
        line.error = "\"-\" reads the values from standard input and takes no other values";
    return line;
}

void writeOut(std::string_view text)
{
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeError(std::string_view message)
{
    std::cerr << "bazi: " << message << '\n';
}

void appendEscapedJson(std::string& out, char c)
{
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
        out += buf;
        return;
    }
    out += c;
}

void appendJsonString(std::string& out, std::string_view text)
{
    if (!utf8::isValid(text))
        text = kInvalidUtf8;
    out += '"';
    for (const char c : text)
        appendEscapedJson(out, c);
    out += '"';
}

void appendJsonValue(std::string& out, const JsonValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        appendJsonString(out, *text);
    else if (const auto* flag = std::get_if<bool>(&value))
        out += *flag ? "true" : "false";
    else
        out += std::to_string(std::get<long long>(value));
}

void appendJsonObject(std::string& out, const std::vector<Field>& fields)
{
    out += '{';
    for (const Field& field : fields) {
        if (&field != &fields.front())
            out += ',';
        appendJsonString(out, field.key);
        out += ':';
        appendJsonValue(out, field.value);
    }
    out += "}\n";
}

void appendRecords(std::string& out, const Answer& answer, const Invocation& call)
{
    for (const Record& record : answer.records) {
        if (call.json) {
            appendJsonObject(out, record.fields);
        } else {
            out += record.text;
            out += '\n';
        }
    }
}

// The input as the JSON error object echoes it: cut like a shown value, but unquoted.
std::string echoedInput(std::string_view value)
{
    if (!utf8::isValid(value))
        return std::string(kInvalidUtf8);
    std::string echo(utf8::left(value, kShownCharacters));
    if (echo.size() < value.size())
        echo += "...";
    return echo;
}

void appendRefusal(std::string& out, std::string_view value, const std::string& refusal, const Invocation& call)
{
    if (call.json) {
        appendJsonObject(out, {{"input", echoedInput(value)}, {"error", refusal}});
    } else {
        out += "error: ";
        out += refusal;
        out += '\n';
    }
}

// The engine's range errors are caught here, at the edge, like any other refusal.
Answer answerSafely(const CommandSpec& spec, std::string_view value, const Invocation& call)
{
    try {
        return spec.answer(value, call);
    } catch (const RangeError& e) {
        return refuse("out of range: " + shown(value) + " (" + e.what() + ")");
    }
}

int runArguments(const CommandSpec& spec, const CommandLine& line)
{
    std::string out;
    for (const std::string_view value : line.values) {
        const Answer answer = answerSafely(spec, value, line.call);
        if (!answer.refusal.empty()) {
            writeError(answer.refusal);
            return kExitUsage;
        }
        appendRecords(out, answer, line.call);
    }
    writeOut(out);
    return kExitOk;
}

int runLines(const CommandSpec& spec, const Invocation& call)
{
    std::string out;
    std::string value;
    bool refused = false;
    while (std::getline(std::cin, value)) {
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        const Answer answer = answerSafely(spec, value, call);
        if (answer.refusal.empty()) {
            appendRecords(out, answer, call);
        } else {
            refused = true;
            appendRefusal(out, value, answer.refusal, call);
        }
        if (out.size() >= kFlushBytes) {
            writeOut(out);
            out.clear();
        }
    }
    writeOut(out);
    return refused ? kExitBadLine : kExitOk;
}

} // namespace

Answer refuse(std::string message)
{
    return {{}, std::move(message)};
}

bool Invocation::has(std::string_view flag) const
{
    return std::ranges::find(flags, flag) != flags.end();
}

int runCommand(const CommandSpec& spec, Args args)
{
    const CommandLine line = readCommandLine(spec, args);
    if (line.help) {
        writeOut(spec.help);
        writeOut(kModesHelp);
        return kExitOk;
    }
    if (!line.error.empty()) {
        writeError(line.error + " (see bazi " + std::string(spec.name) + " --help)");
        return kExitUsage;
    }
    if (line.values.front() == "-")
        return runLines(spec, line.call);
    return runArguments(spec, line);
}

std::string shown(std::string_view value)
{
    if (!utf8::isValid(value))
        return std::string(kInvalidUtf8);
    std::string text = "\"";
    for (const char c : utf8::left(value, kShownCharacters)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (b < 0x20 || b == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(b));
            text += buf;
        } else {
            text += c;
        }
    }
    text += '"';
    const std::size_t length = utf8::length(value);
    if (length > kShownCharacters)
        text += "... (" + std::to_string(length) + " characters)";
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> readNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

std::optional<LocalTime> readCoveredTime(std::string_view value, std::string_view expected, std::string& refusal)
{
    const auto t = readTime(value);
    if (!t) {
        refusal = "not a date: " + shown(value) + " (expected " + std::string(expected) + ")";
        return std::nullopt;
    }
    const LocalDays day = std::chrono::floor<std::chrono::days>(*t);
    if (day < kFirstLunarDay || day > kLastLunarDay) {
        refusal = "date out of range: " + shown(value) + " (dates run from " + writeDate(kFirstLunarDay) + " to " +
                  writeDate(kLastLunarDay) + ")";
        return std::nullopt;
    }
    return t;
}

} // namespace cli
