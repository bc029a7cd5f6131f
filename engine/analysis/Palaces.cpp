#include "engine/analysis/Analysis.h"
#include "engine/analysis/Relations.h"

#include "engine/analysis/EncodedTable.h"
#include "engine/calendar/GanZhiTables.h"
#include "engine/support/Utf8.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: what is numbered, '*', then the twelve branches numbered 1 to 12. Months count from 寅, the year's first
// month; hours from 子, the day's first hour.
// clang-format off
constexpr std::array<std::string_view, 2> kPalaceNumbers = {
    "月*寅卯辰巳午未申酉戌亥子丑",
    "时*子丑寅卯辰巳午未申酉戌亥",
};
// clang-format on
static_assert(kPalaceNumbers.size() == 2);
static_assert(std::ranges::all_of(kPalaceNumbers, [](std::string_view row) {
    return utf8::length(row) == 14 && utf8::at(row, 1) == "*";
}));
constexpr std::string_view kMonthNumbers = kPalaceNumbers[0];
constexpr std::string_view kHourNumbers = kPalaceNumbers[1];

// Row: the two year stems of a pair, '*', then the stem of their 寅 month (五虎遁).
// clang-format off
constexpr std::array<std::string_view, 5> kFiveTigers = {
    "甲己*丙",
    "乙庚*戊",
    "丙辛*庚",
    "丁壬*壬",
    "戊癸*甲",
};
// clang-format on
static_assert(kFiveTigers.size() == 5);
static_assert(std::ranges::all_of(kFiveTigers, [](std::string_view row) {
    return utf8::length(row) == 4 && utf8::at(row, 2) == "*";
}));

// The numbers a row gives each branch, by branch index, and the branch of each number (1 to 12), worked out by the
// compiler from the row: the palaces are placed for every chart.
struct Numbering
{
    std::array<int, 12> ofBranch{};
    std::array<int, 13> branchOf{};
};

constexpr Numbering numbering(std::string_view row)
{
    Numbering n;
    for (int number = 1; number <= 12; ++number) {
        const std::string_view name = utf8::at(row, static_cast<std::size_t>(number) + 1); // past "<what>*"
        for (std::size_t b = 0; b < tables::kDiZhi.size(); ++b)
            if (tables::kDiZhi[b] == name) {
                n.ofBranch[b] = number;
                n.branchOf[static_cast<std::size_t>(number)] = static_cast<int>(b);
            }
    }
    return n;
}

constexpr Numbering kMonthNumbering = numbering(kMonthNumbers);
constexpr Numbering kHourNumbering = numbering(kHourNumbers);
static_assert(kMonthNumbering.ofBranch[2] == 1 && kMonthNumbering.ofBranch[1] == 12); // 寅 1, 丑 12
static_assert(kHourNumbering.ofBranch[0] == 1 && kHourNumbering.ofBranch[11] == 12);  // 子 1, 亥 12

// The number, 1 to 12, that the numbering gives the branch.
int numberOf(const Numbering& numbers, int branch)
{
    return numbers.ofBranch[static_cast<std::size_t>(floorMod(branch, 12))];
}

int branchNumbered(const Numbering& numbers, int number) // number in [1, 12]
{
    return numbers.branchOf[static_cast<std::size_t>(number)];
}

} // namespace

namespace engine {

std::string ganZhiOf(int stem, int branch)
{
    std::string text(stemName(stem));
    text += branchName(branch);
    return text;
}

int lifePalaceBranch(int monthBranch, int hourBranch)
{
    // 命宫: 正月 on 子 counting back to the birth month, the birth hour there counting on to 卯. With the month and
    // the hour both numbered from 寅, that is 26 less their sum, less 12 again when over 12.
    int number = 26 - numberOf(kMonthNumbering, monthBranch) - numberOf(kMonthNumbering, hourBranch); // [2, 24]
    if (number > 12)
        number -= 12;
    return branchNumbered(kMonthNumbering, number);
}

int bodyPalaceBranch(int monthBranch, int hourBranch)
{
    // 身宫: the month number and the hour number added, less 12 when over 12, read as a month number.
    int number = numberOf(kMonthNumbering, monthBranch) + numberOf(kHourNumbering, hourBranch); // [2, 24]
    if (number > 12)
        number -= 12;
    return branchNumbered(kMonthNumbering, number);
}

int palaceStem(int yearStem, int branch)
{
    // The 寅 stem of each year stem, read from the rows once.
    static const auto tigers = [] {
        std::array<int, 10> all{};
        for (int y = 0; y < 10; ++y) {
            const std::string_view stem = stemName(y);
            const auto row = std::ranges::find_if(kFiveTigers, [stem](std::string_view r) {
                return tables::contains(utf8::left(r, 2), stem); // the pair, not the 寅 stem after '*'
            });
            all[static_cast<std::size_t>(y)] = stemIndex(utf8::at(*row, 3));
        }
        return all;
    }();
    // The stems run on from 寅 through 子 and 丑, the year's eleventh and twelfth months.
    const int fromTiger = numberOf(kMonthNumbering, branch) - 1; // [0, 11]
    return floorMod(tigers[static_cast<std::size_t>(floorMod(yearStem, 10))] + fromTiger, 10);
}

int calendarYearStem(int gregorianYear)
{
    return floorMod(gregorianYear - 4, 10); // the year 4 was 甲子
}

Palaces palacesOf(int monthBranch, int hourBranch, int yearStem)
{
    const int life = lifePalaceBranch(monthBranch, hourBranch);
    const int body = bodyPalaceBranch(monthBranch, hourBranch);
    return {palaceStem(yearStem, life), life, palaceStem(yearStem, body), body};
}

StemBranch breathPillar(int dayStem, int dayBranch)
{
    // 胎息: the day stem's partner of 天干五合 over the day branch's partner of 六合.
    return {combiningStem(dayStem), combiningBranch(dayBranch)};
}

std::array<std::string_view, 4> selfSeats(const PillarChars& p)
{
    std::array<std::string_view, 4> seats;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        // An empty text is in every entry of the table, so a pillar left blank would read as the first stage.
        if (!p.stems[i].empty() && !p.branches[i].empty())
            seats[i] = growthStage(p.stems[i], p.branches[i]);
    }
    return seats;
}

} // namespace engine
