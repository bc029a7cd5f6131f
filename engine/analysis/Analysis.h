#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Typed analysis functions behind the text methods of LandPP. The chart composer, benchmarks and tests call these
// directly. Stems, branches and GanZhi are UTF-8 texts; counts are sexagenary counts as in engine/calendar.
namespace engine {

// Stems and branches of the year, month, day and hour pillars (index 0-3), viewing the calendar's static tables.
struct PillarChars
{
    std::array<std::string_view, 4> stems;
    std::array<std::string_view, 4> branches;

    std::string ganZhi(std::size_t i) const // pillar i as "<stem><branch>"
    {
        std::string text(stems[i]);
        text += branches[i];
        return text;
    }
};

inline PillarChars pillarChars(const BirthMoment& m)
{
    const int year = yearCount(m);
    const int month = monthCount(m);
    const DayHour dh = dayHour(m.solar, m.lateZi);
    return {{stemName(year), stemName(month), stemName(dh.day), stemName(dh.stem)},
            {branchName(year), branchName(month), branchName(dh.day), branchName(dh.branch)}};
}

// The chart of beijingMoment(t).
inline PillarChars pillarChars(LocalTime t)
{
    return pillarChars(beijingMoment(t));
}

// ---- Ten gods and hidden stems (analysis/TenGods.cpp)

// Two-character ten god of `other` (a stem or a branch) to the day stem; empty for an unknown day stem or when no
// entry covers `other` (an empty `other` is in every entry, so it names the first).
std::string_view tenGod(std::string_view dayStem, std::string_view other);
// Three comma-separated entries "<hidden stem><ten god>", a filler position giving a lone space ("癸正印, , ");
// empty for an unknown branch.
std::string hiddenStems(std::string_view dayStem, std::string_view branch);

// ---- Growth stages and NaYin (analysis/GrowthNaYin.cpp)

std::string_view growthStage(std::string_view dayStem, std::string_view branch); // "长生" ... "养"; empty if none
std::string_view naYin(std::string_view ganZhi);                                 // "海中金" ...; empty if none

// ---- Five elements (analysis/Elements.cpp)

enum class Element {
    wood,
    fire,
    earth,
    metal,
    water,
};
// The element of a stem or a branch; none for any other text.
std::optional<Element> elementOf(std::string_view stemOrBranch);
std::string_view elementName(Element element); // 木 火 土 金 水

// ---- Conception pillar, life palace, void branches (analysis/PalaceVoid.cpp)

std::string conceptionPillar(int monthCount); // 胎元
// 命宫: the moment's month, its solar time's hour and calendar year (the 子 convention does not move the hour).
std::string lifePalace(const BirthMoment& m);
std::string lifePalace(LocalTime t);                    // of beijingMoment(t)
std::string_view voidBranches(std::string_view ganZhi); // "戌亥" ...; empty if no decade holds it

// ---- Palaces, the breath pillar and self seats (analysis/Palaces.cpp)
// Stems [0, 9] and branches [0, 11] as stemName and branchName index them; arguments are reduced the same way.

struct StemBranch
{
    int stem = 0;   // [0, 9]
    int branch = 0; // [0, 11]
};
std::string ganZhiOf(int stem, int branch); // "<stem><branch>", for naYin and voidBranches

int lifePalaceBranch(int monthBranch, int hourBranch); // 命宫, as lifePalace places it
int bodyPalaceBranch(int monthBranch, int hourBranch); // 身宫
int palaceStem(int yearStem, int branch);              // 五虎遁: the stem of `branch` in a year of `yearStem`
int calendarYearStem(int gregorianYear);               // the year number's own stem, which lifePalace uses

struct Palaces
{
    int lifeStem = 0;
    int lifeBranch = 0;
    int bodyStem = 0;
    int bodyBranch = 0;
};
// With calendarYearStem, the life palace is lifePalace's; with the year pillar's stem, it turns at 立春 instead.
Palaces palacesOf(int monthBranch, int hourBranch, int yearStem);

StemBranch breathPillar(int dayStem, int dayBranch); // 胎息: the stem and the branch that combine with the day's
// 自坐: the growth stage of each pillar's stem on its own branch; empty where a pillar's texts are unknown.
std::array<std::string_view, 4> selfSeats(const PillarChars& p);

// ---- The balance of a chart (analysis/Balance.cpp)

// A birth of unknown hour is charted on three pillars: its counts leave the hour pillar out.
enum class HourPillar {
    known,
    unknown,
};

struct ElementCounts
{
    std::array<int, 5> visible{};    // the eight characters, each by its own element; indexed by Element
    std::array<int, 5> withHidden{}; // the four stems and every hidden stem of the four branches
};
ElementCounts elementCounts(const PillarChars& p, HourPillar hour = HourPillar::known);

// 比肩 劫财 食神 伤官 偏财 正财 七杀 正官 偏印 正印, as tenGod spells them; empty outside [0, 9].
std::string_view tenGodName(int index);
struct TenGodCounts
{
    std::array<int, 10> visible{};    // of the year, month and hour stems (the day stem is the self); by tenGodName
    std::array<int, 10> withHidden{}; // and of every hidden stem of the four branches
};
TenGodCounts tenGodCounts(const PillarChars& p, HourPillar hour = HourPillar::known);

enum class Vigour {
    wang,
    xiang,
    xiu,
    qiu,
    si,
};
std::string_view vigourName(Vigour vigour); // 旺 相 休 囚 死
// 旺相休囚死 of each element, indexed by Element, in the season of the month branch.
std::array<Vigour, 5> seasonOf(int monthBranch);

// ---- Luck cycles (analysis/Luck.cpp)

// sex: 1 male, 0 female; any other value runs backward.
bool luckForward(int yearCount, int sex);
bool luckForward(LocalTime birth, int sex);

// The 节 at or before the birth and the first one after it.
struct LuckTerms
{
    LocalTime previous;
    LocalTime next;
};
LuckTerms luckTerms(LocalTime birth);

// Whole minutes from the birth to the next 节 (forward) or from the previous 节 to the birth (backward).
long long startMinutes(LocalTime birth, bool forward);
// The same for a Beijing clock time against the source's terms: the minutes between two instants.
long long startMinutes(LocalTime beijing, bool forward, TermSource terms);

// Three days of real time are one year of age: 4320 minutes a year, 360 a month, 12 a day, one minute two hours.
struct StartAge
{
    int years = 0;
    int months = 0;
    int days = 0;
    int hours = 0;
};
StartAge startAge(long long minutes);
StartAge startAge(LocalTime birth, int sex);
std::string startAgeText(const StartAge& age); // "3年4月10天6时"

// The birth plus the age: years, then calendar months (the day clamped to the month's end), then days, then hours.
LocalTime handOver(LocalTime birth, const StartAge& age);
LocalTime handOver(LocalTime birth, int sex); // 交运

// Pillar number of luck pillar i (0 the first): the month pillar's successors forward, predecessors backward.
int luckPillar(int monthCount, bool forward, int i);
std::array<int, 8> luckPillars(LocalTime birth, int sex);

// The luck pillar in force at `query` (a query before the birth counts as the birth); nothing before the first day
// of the hand-over month, on a decade boundary, or past the 101st decade.
std::optional<int> luckPillarAt(LocalTime birth, LocalTime query, int sex);

// Year count of the hand-over, where the yearly pillars start (turning at 立春).
int yearlyPillarStart(LocalTime birth, int sex);

// Stem and branch index of small-luck pillar i (0 the first): the hour pillar's successors or predecessors.
struct SmallLuck
{
    int stem = 0;   // [0, 9]
    int branch = 0; // [0, 11]
};
SmallLuck smallLuck(LocalTime birth, bool forward, int i);

// ---- Symbolic stars (analysis/Stars.cpp)
// Star names joined by ",", in table order, each once; empty when none.

std::string stemStars(std::string_view stem, std::string_view branch);             // key: year or day stem
std::string yearBranchStars(std::string_view yearBranch, std::string_view branch); // key: year branch
std::string monthBranchStars(std::string_view monthBranch, std::string_view text); // the text holds the value
std::string dayBranchStars(std::string_view dayBranch, std::string_view branch);   // key: day branch

// ---- Peach blossom and spouse (analysis/PeachBlossom.cpp)
// sex: 1 male, 0 female; other values count no spouse star.

int spouseStarCount(const PillarChars& p, int sex); // 财 for a man, 官杀 for a woman; some stems count twice
// Whether a, b or c is the peach-blossom branch of `branch`'s triad.
bool peachBlossomBranch(std::string_view branch, std::string_view a, std::string_view b, std::string_view c);
struct PeachBlossomFlags
{
    bool yearOrMonth = false; // the year or month branch finds its peach blossom among the other three
    bool dayOrHour = false;
};
PeachBlossomFlags peachBlossomFlags(const PillarChars& p);
bool bathPeachBlossom(const PillarChars& p);               // the day or month branch is the day stem's 沐浴
std::string_view spouseLooks(long long dayCount, int sex); // by day stem; sex 0 is shifted by eight

// ---- Strength and peach-blossom scoring (analysis/Scoring.cpp)

int supportScore(std::string_view dayStem, std::string_view other); // 10, 5 or 0
struct SupportScores
{
    int yearStem = 0;
    int yearBranch = 0;
    int monthStem = 0;
    int monthBranch = 0;
    int dayBranch = 0;
    int hourStem = 0;
    int hourBranch = 0;
};
SupportScores supportScores(const PillarChars& p);
bool strongBySupport(const SupportScores& s); // 身强
bool dayMasterStrong(const PillarChars& p);
// Score of a stem or branch under the row "<day stem><sex><strong>"; 0 when no row or entry holds it.
int peachBlossomScore(std::string_view dayStem, std::string_view other, int strong, int sex);
// The peach-blossom index of the date examined: its year, month and day pillars and the luck pillar then in force
// (run by `sex` as given), each scored for the birth's day stem and strength. A query before the birth is the birth.
int peachBlossomIndex(LocalTime birth, LocalTime query, int sex);

// ---- Nine-palace match, bone weight, identity number (analysis/NinePalace.cpp)

int ninePalaceNumber(int year, int sex);                 // 1-9, never 5; sex 1 male, anything else female
std::string_view marriageStar(int male, int female);     // "生气" ...; empty for a pair no row holds
std::string marriageVerdict(int manYear, int womanYear); // "<grade>:<star><verdict>", or ":" when no star
// Total bone weight in 钱 of a lunar date and clock hour; RangeError for a month or day outside the tables.
int boneWeight(const NongLiDate& date, int hour);
std::string_view boneWeightVerse(int qian);                // the total held to 21-72
std::string_view personalityText(std::string_view digits); // empty for empty digits

// ---- The readings of a whole chart (analysis/ChartReadings.cpp)
// Worked out once per birth: the chart text, its JSON and the per-pillar and per-luck-pillar methods of LandPP all
// read them here.

struct PillarReadings
{
    PillarChars chars;
    std::array<std::string_view, 4> tenGods;       // of each stem to the day stem; "日主" for the day stem itself
    std::array<std::string_view, 4> branchTenGods; // of each branch to the day stem
    std::array<std::string, 4> hiddenStems;        // as hiddenStems gives them, for the day stem
    std::array<std::string_view, 4> growth;        // of each branch for the day stem
    std::array<std::string_view, 4> naYin;
    std::array<std::string_view, 4> voids; // of each pillar's decade
};
PillarReadings pillarReadings(const PillarChars& p);

// Star lists on the branch of each pillar, the key's own pillar included, keyed by the year branch, the year stem,
// the month branch, the day branch and the day stem, in that order.
using StarRows = std::array<std::array<std::string, 4>, 5>;
StarRows starRows(const PillarChars& p);

struct LuckReadings
{
    bool forward = true;
    StartAge age;
    LocalTime handOver;                                     // 交运
    std::array<int, 8> pillars{};                           // sexagenary counts of the luck pillars
    std::array<std::string_view, 8> tenGods, growth, naYin; // of each luck pillar, for the day stem
    int firstYearly = 0; // year count of the first yearly pillar: the hand-over's, turning at 立春

    static constexpr int kYearlyPillars = 80; // eight decades of yearly pillars from the hand-over
};
// sex: 1 male, 0 female; any other value runs backward.
LuckReadings luckReadings(LocalTime birth, int sex);
// The start age counts from the birth instant to the 节 instant; the hand-over is a clock time in the birth's zone.
LuckReadings luckReadings(const BirthMoment& birth, int sex);

} // namespace engine
