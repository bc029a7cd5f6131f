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

void appendRefusal(std::string& out, std::string_view value, const std::string& refusal, const GivenOptions& options)
{
    if (options.json()) {
        out += JsonObject().text("input", echoedInput(value)).text("error", refusal).str();
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
    for (bool first = true; std::getline(std::cin, value); first = false) {
        if (first && value.starts_with(kByteOrderMark)) // as editors on Windows save UTF-8
            value.erase(0, kByteOrderMark.size());
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        const Answer answered = answerSafely(answer, value, options);
        if (answered.refusal.empty()) {
            appendRecords(out, answered, options);
        } else {
            refused = true;
            appendRefusal(out, value, answered.refusal, options);
        }
        if (out.size() >= kFlushBytes) {
            writeOut(out);
            out.clear();
        }
    }
    writeOut(out);
    // A directory, a closed descriptor or a device error ends the loop like the end of the input would.
    if (std::cin.bad()) {
        writeError("cannot read standard input");
        return kExitUsage;
    }
    return refused ? kExitBadLine : kExitOk;
}

// Why the lunar table has no such date: the year, the month or the day lies outside it.
std::string missingReason(const LunarDay& date, bool leap)
{
    if (date.year < kFirstLunarYear || date.year >= kLastLunarYear)
        return "lunar years run from 1900 to 2099";
    if (date.month < 1 || date.month > 12)
        return "months run from 1 to 12";
    const std::string year = std::to_string(date.year);
    const std::string month = std::to_string(date.month);
    if (!leap)
        return "month " + month + " of " + year + " has " + std::to_string(monthDays(date.year, date.month)) + " days";
    if (leapMonth(date.year) == 0)
        return year + " has no leap month";
    if (leapMonth(date.year) != date.month)
        return "the leap month of " + year + " follows month " + std::to_string(leapMonth(date.year));
    return "leap month " + month + " of " + year + " has " + std::to_string(leapDays(date.year)) + " days";
}

} // namespace

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

int runValue(ValueFunction answer, std::string_view value, const GivenOptions& options)
{
    return runArguments(answer, {&value, 1}, options);
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

std::optional<std::vector<int>> readNumbers(std::string_view text, char separator,
                                            std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> numbers;
    for (const auto& [low, high] : ranges) {
        if (!numbers.empty()) {
            if (!text.starts_with(separator))
                return std::nullopt;
            text.remove_prefix(1);
        }
        const std::size_t end = std::min(text.find(separator), text.size());
        const auto n = readNumber(text.substr(0, end));
        if (!n || *n < low || *n > high)
            return std::nullopt;
        numbers.push_back(*n);
        text.remove_prefix(end);
    }
    if (!text.empty())
        return std::nullopt;
    return numbers;
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

std::optional<LocalDays> readLunarDay(std::string_view value, bool leap, std::string& refusal)
{
    const auto lunar = readLunarDate(trimBlanks(value));
    if (!lunar) {
        refusal = "not a lunar date: " + shown(value) + " (expected Y-M-D, e.g. 2023-2-1)";
        return std::nullopt;
    }
    const auto day = toGregorian(lunar->year, lunar->month, lunar->day, leap);
    if (!day)
        refusal = "no such lunar date: " + shown(value) + (leap ? " with --leap" : "") + " (" +
                  missingReason(*lunar, leap) + ")";
    return day;
}

} // namespace cli
