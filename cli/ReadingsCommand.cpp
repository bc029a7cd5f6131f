#include "cli/Commands.h"

#include "engine/LandPP.h"
#include "engine/calendar/Calendar.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The readings of one birth that the chart does not print. The named options are read and checked here; the birth
// then goes to the shared runner as one Gregorian value, so output, --json and the engine's range errors are handled
// as in every other command.
using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: bazi readings --sex 男|女 --date YYYY-MM-DD --time HH:MM [--lunar [--leap]] [--json]

Prints the readings of one birth, one line each (the --json key in brackets):
  配偶星数：N  (TaoHuaZS) spouse stars, 财 for a man and 官杀 for a woman; a yang-day man's 正财
      and a yin-day woman's 七杀 count twice on a stem
  三合桃花：XY  (TaoHuaX) X for the year or month branch, Y for the day or hour branch: 1 when it
      finds the peach-blossom branch of its triad among the other three branches, else 0
  沐浴桃花：X  (TaoHuaW) 1 when the day or month branch is the day stem's 沐浴 stage, else 0
  配偶相貌：TEXT  (PeiOuXiangMao) the spouse's build
  身强：X  (ShenQiang) 1 when the day master is strong, else 0
  称骨：VERSE  (ChengGu) the bone-weight verse
  九宫：N  (JiuGongDuShu) the nine-palace number of the lunar birth year, as bazi match takes it
Example:
  bazi readings --sex 女 --date 1984-03-02 --time 16:25

Options (a value follows as the next word or after "=", as in --sex=男):
  --sex 男|女
  --date YYYY-MM-DD  the birth date, Gregorian (1900-01-31 to 2101-01-28) unless --lunar
  --time HH:MM       the birth time, 00:00 to 23:59
  --lunar            --date is a lunar date Y-M-D, years 1900 to 2099
  --leap             with --lunar: the month is the leap month that follows ordinary month M
  --json             one object on one line, keyed by the names in brackets; counts are numbers,
                     flags and texts are strings
  --help             print this text

Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

// Flags the runner sees: the sex is passed on as one of these.
constexpr std::string_view kMale = "--sex=男";
constexpr std::string_view kFemale = "--sex=女";

struct Option
{
    std::string_view name;
    bool takesValue;
};

constexpr Option kOptions[] = {
    {"--sex", true},   {"--date", true},  {"--time", true},  {"--lunar", false},
    {"--leap", false}, {"--json", false}, {"--help", false},
};

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

// "HH:MM" as minutes after midnight.
std::optional<int> readClock(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto hour = readNumber(text.substr(0, colon));
    const auto minute = readNumber(text.substr(colon + 1));
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return *hour * 60 + *minute;
}

// Why the lunar table has no such date.
std::string lunarReason(const LunarDay& date, bool leap)
{
    if (date.year < kFirstLunarYear || date.year >= kLastLunarYear)
        return "lunar years run from 1900 to 2099";
    if (date.month < 1 || date.month > 12)
        return "months run from 1 to 12";
    const std::string year = std::to_string(date.year);
    if (!leap)
        return "month " + std::to_string(date.month) + " of " + year + " has " +
               std::to_string(monthDays(date.year, date.month)) + " days";
    const int month = leapMonth(date.year);
    if (month == 0)
        return year + " has no leap month";
    if (month != date.month)
        return "the leap month of " + year + " follows month " + std::to_string(month);
    return "the leap month of " + year + " has " + std::to_string(leapDays(date.year)) + " days";
}

// The birth day, Gregorian, or the reason there is none.
std::optional<LocalDays> readBirthDay(const std::string& text, bool lunar, bool leap, std::string& error)
{
    if (!lunar) {
        if (text.find(':') != std::string::npos) {
            error = "not a date: " + shown(text) + " (expected YYYY-MM-DD; the time goes in --time)";
            return std::nullopt;
        }
        const auto t = readCoveredTime(text, "YYYY-MM-DD", error);
        return t ? std::optional(std::chrono::floor<std::chrono::days>(*t)) : std::nullopt;
    }
    const auto date = readLunarDate(trimBlanks(text));
    if (!date) {
        error = "not a lunar date: " + shown(text) + " (expected Y-M-D, e.g. 2023-2-1)";
        return std::nullopt;
    }
    const auto day = toGregorian(date->year, date->month, date->day, leap);
    if (!day)
        error =
            "no such lunar date: " + shown(text) + (leap ? " with --leap" : "") + " (" + lunarReason(*date, leap) + ")";
    return day;
}

// The birth as "YYYY-MM-DD HH:mm:ss", Gregorian, or the reason the options give none.
std::optional<std::string> readBirth(const Given& given, std::string& error)
{
    std::string missing;
    for (const std::string_view required : {"--sex", "--date", "--time"}) {
        if (!valueOf(given, required)) {
            missing += missing.empty() ? "missing " : ", ";
            missing += required;
        }
    }
    const bool lunar = valueOf(given, "--lunar").has_value();
    const bool leap = valueOf(given, "--leap").has_value();
    const std::string sex = valueOf(given, "--sex").value_or("");
    const std::string time = valueOf(given, "--time").value_or("");
    const auto clock = readClock(time);
    if (!missing.empty())
        error = missing;
    else if (sex != "男" && sex != "女")
        error = "--sex is 男 or 女, not " + shown(sex);
    else if (leap && !lunar)
        error = "--leap marks a lunar leap month and needs --lunar";
    else if (!clock)
        error = "not a time: " + shown(time) + " (expected HH:MM, 00:00 to 23:59)";
    if (!error.empty())
        return std::nullopt;
    const auto day = readBirthDay(*valueOf(given, "--date"), lunar, leap, error);
    if (!day)
        return std::nullopt;
    return writeTime(LocalTime{*day} + std::chrono::minutes{*clock});
}

Answer readingsAnswer(std::string_view value, const Invocation& call)
{
    const auto birth = readTime(value);
    if (!birth)
        return refuse("not a date: " + shown(value));
    const LandPP lp;
    const std::int16_t iSex = call.has(kMale) ? 1 : 0;
    const std::int16_t lunarYear = toLunar(std::chrono::floor<std::chrono::days>(*birth)).Year;
    std::string sTime(value);
    const std::int16_t spouseStars = lp.TaoHuaZS(sTime, iSex);
    const std::string triads = lp.TaoHuaX(sTime);
    const std::string bath = lp.TaoHuaW(sTime);
    const std::string looks = lp.PeiOuXiangMao(sTime, iSex);
    const std::int16_t strong = lp.ShenQiang(sTime);
    const std::string verse = lp.ChengGu(sTime);
    const std::int16_t palace = lp.JiuGongDuShu(lunarYear, iSex);
    Record record;
    record.text = "配偶星数：" + std::to_string(spouseStars) + "\n三合桃花：" + triads + "\n沐浴桃花：" + bath +
                  "\n配偶相貌：" + looks + "\n身强：" + std::to_string(strong) + "\n称骨：" + verse + "\n九宫：" +
                  std::to_string(palace);
    record.fields = {{"TaoHuaZS", jsonNumber(spouseStars)},
                     {"TaoHuaX", triads},
                     {"TaoHuaW", bath},
                     {"PeiOuXiangMao", looks},
                     {"ShenQiang", jsonNumber(strong)},
                     {"ChengGu", verse},
                     {"JiuGongDuShu", jsonNumber(palace)}};
    return {{std::move(record)}, {}};
}

const CommandSpec kReadings{"readings", kHelp, {kMale, kFemale}, readingsAnswer};

} // namespace

int readingsCommand(Args args)
{
    Given given;
    std::string error = readOptions(args, given).value_or("");
    if (error.empty() && valueOf(given, "--help")) {
        std::cout << kHelp;
        return kExitOk;
    }
    std::optional<std::string> birth;
    if (error.empty())
        birth = readBirth(given, error);
    if (!birth) {
        std::cerr << "bazi: " << error << " (see bazi readings --help)\n";
        return kExitUsage;
    }
    std::vector<std::string_view> words = {*birth, valueOf(given, "--sex") == "男" ? kMale : kFemale};
    if (valueOf(given, "--json"))
        words.push_back("--json");
    return runCommand(kReadings, words);
}

} // namespace cli
