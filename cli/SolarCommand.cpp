#include "cli/Commands.h"

#include "engine/calendar/Calendar.h"

#include <string>

using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kLeapFlag = "--leap";

constexpr std::string_view kHelp = R"(Usage: bazi solar [--leap] [--json] Y-M-D...
       bazi solar [--leap] [--json] -

Prints the Gregorian date (YYYY-MM-DD) of each lunar date Y-M-D (lunar years 1900-2099), one line each:
  bazi solar --leap 2023-2-1   ->   2023-03-22

Options:
  --leap   the dates lie in the leap month that follows ordinary month M
  --json   one object per line; lunar is the lunar date as read:
           {"lunar":"2023-2-1","leap":true,"date":"2023-03-22"}
)";

// Why the table has no such date; empty when it has one.
std::string missingReason(const LunarDay& date, bool leap)
{
    const std::string year = std::to_string(date.year);
    const std::string month = std::to_string(date.month);
    if (date.year < kFirstLunarYear || date.year > kLastLunarYear - 1)
        return "lunar years run from 1900 to 2099";
    if (date.month < 1 || date.month > 12)
        return "months run from 1 to 12";
    const int length = leap ? leapDays(date.year) : monthDays(date.year, date.month);
    if (leap && leapMonth(date.year) == 0)
        return year + " has no leap month";
    if (leap && leapMonth(date.year) != date.month)
        return "the leap month of " + year + " follows month " + std::to_string(leapMonth(date.year));
    if (date.day < 1 || date.day > length)
        return (leap ? "leap month " : "month ") + month + " of " + year + " has " + std::to_string(length) + " days";
    return {};
}

Answer solarAnswer(std::string_view value, const Invocation& call)
{
    const bool leap = call.has(kLeapFlag);
    const auto lunar = readLunarDate(trimBlanks(value));
    if (!lunar)
        return refuse("not a lunar date: " + shown(value) + " (expected Y-M-D, e.g. 2023-2-1)");
    const std::string reason = missingReason(*lunar, leap);
    const auto date = reason.empty() ? toGregorian(lunar->year, lunar->month, lunar->day, leap) : std::nullopt;
    if (!date)
        return refuse("no such lunar date: " + shown(value) + (leap ? " with --leap" : "") + " (" +
                      (reason.empty() ? "not in the table" : reason) + ")");
    const std::string lunarText =
        std::to_string(lunar->year) + '-' + std::to_string(lunar->month) + '-' + std::to_string(lunar->day);
    Record record{writeDate(*date), {}};
    record.fields = {{"lunar", lunarText}, {"leap", leap}, {"date", record.text}};
    return {{std::move(record)}, {}};
}

const CommandSpec kSolar{"solar", kHelp, {kLeapFlag}, solarAnswer};

} // namespace

int solarCommand(Args args)
{
    return runCommand(kSolar, args);
}

} // namespace cli
