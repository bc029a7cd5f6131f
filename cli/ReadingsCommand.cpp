#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/analysis/Analysis.h"
#include "engine/calendar/Calendar.h"

#include <optional>
#include <string>
#include <utility>

// The readings of one birth that the chart does not print. The options are read and checked into a typed birth,
// which the engine's typed functions answer; the texts are those of the methods named in the help.
using namespace engine;

namespace cli {
namespace {

constexpr std::string_view kHelpHead =
    R"(Usage: bazi readings --sex 男|女 --date YYYY-MM-DD --time HH:MM [--lunar [--leap]] [--json] [MOMENT OPTIONS]

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
  --json             one object on one line, keyed by the names in brackets; TaoHuaZS, ShenQiang
                     and JiuGongDuShu are numbers, the others strings (TaoHuaX and TaoHuaW too)
  --help             print this text

The birth moment (the pillars follow it; the bone weight takes the lunar date and hour of its solar time):
)";

constexpr std::string_view kHelpTail = R"(
Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

constexpr auto kOptions = withMomentOptions(
    std::array<NamedOption, 5>{{{"--sex", kValue}, {"--date", kValue}, {"--time", kValue}, {"--lunar"}, {"--leap"}}});

const std::string kHelp = std::string(kHelpHead) + std::string(kMomentHelp) + std::string(kHelpTail);

// One birth as the readings take it, within the lunar table.
struct Birth
{
    BirthMoment moment; // of the Gregorian clock time
    int sex = 0;        // 1 male, 0 female, as the engine counts
};

// The birth day, Gregorian, or the reason there is none.
std::optional<LocalDays> readBirthDay(std::string_view text, const BirthOptions& birth, std::string& error)
{
    if (birth.lunar)
        return readLunarDay(text, birth.leap, error);
    if (text.find(':') != std::string_view::npos) {
        error = "not a date: " + shown(text) + " (expected YYYY-MM-DD; the time goes in --time)";
        return std::nullopt;
    }
    const auto t = readCoveredTime(text, "YYYY-MM-DD", error);
    return t ? std::optional(std::chrono::floor<std::chrono::days>(*t)) : std::nullopt;
}

// The birth, or the reason the options give none.
std::optional<Birth> readBirth(const GivenOptions& given, std::string& error)
{
    const auto birth = readBirthOptions(given, error);
    if (!birth)
        return std::nullopt;
    const auto day = readBirthDay(*given.value("--date"), *birth, error);
    if (!day)
        return std::nullopt;
    const auto options = readMomentOptions(given, error);
    if (!options)
        return std::nullopt;
    auto moment = models::resolveMoment(
        LocalTime{*day} + std::chrono::hours{birth->hour} + std::chrono::minutes{birth->minute}, *options);
    if (auto* refusal = std::get_if<models::Refusal>(&moment)) {
        error = std::move(refusal->message);
        return std::nullopt;
    }
    return Birth{std::get<models::Moment>(moment).birth(), birth->male ? 1 : 0};
}

std::string flag(bool on)
{
    return on ? "1" : "0";
}

Record readings(const Birth& birth)
{
    const PillarChars pillars = pillarChars(birth.moment);
    const LocalDays day = std::chrono::floor<std::chrono::days>(birth.moment.solar);
    const NongLiDate lunar = toLunar(day);
    const PeachBlossomFlags peach = peachBlossomFlags(pillars);
    const int spouseStars = spouseStarCount(pillars, birth.sex);
    const std::string triads = flag(peach.yearOrMonth) + flag(peach.dayOrHour);
    const std::string bath = flag(bathPeachBlossom(pillars));
    const std::string_view looks = spouseLooks(dayHour(birth.moment.solar, birth.moment.lateZi).day, birth.sex);
    const int strong = dayMasterStrong(pillars) ? 1 : 0;
    const std::string_view verse = boneWeightVerse(boneWeight(lunar, toCivil(birth.moment.solar).hour));
    const int palace = ninePalaceNumber(lunar.Year, birth.sex);
    std::string text = "配偶星数：" + std::to_string(spouseStars) + "\n三合桃花：" + triads + "\n沐浴桃花：" + bath +
                       "\n配偶相貌：" + std::string(looks) + "\n身强：" + std::to_string(strong) + "\n称骨：" +
                       std::string(verse) + "\n九宫：" + std::to_string(palace);
    return {std::move(text), JsonObject()
                                 .number("TaoHuaZS", spouseStars)
                                 .text("TaoHuaX", triads)
                                 .text("TaoHuaW", bath)
                                 .text("PeiOuXiangMao", looks)
                                 .number("ShenQiang", strong)
                                 .text("ChengGu", verse)
                                 .number("JiuGongDuShu", palace)
                                 .str()};
}

int writeReadings(const Birth& birth, const GivenOptions& given)
{
    writeRecord(readings(birth), given);
    return kExitOk;
}

} // namespace

int readingsCommand(Args args)
{
    return runRequest(GivenOptions(args, kOptions), "readings", kHelp, readBirth, writeReadings);
}

} // namespace cli
