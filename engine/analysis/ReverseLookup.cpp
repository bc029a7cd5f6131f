#include "engine/LandPP.h"

#include "engine/analysis/EncodedTable.h"
#include "engine/analysis/ReverseLookup.h"
#include "engine/support/Utf8.h"

#include <algorithm>

using namespace engine;
using namespace std::chrono;

namespace {

// Row: two year stems, '*', then the month pillars from the 寅 month to the 丑 month (五虎遁).
// clang-format off
constexpr std::array<std::string_view, 5> kMonthRows = {
    "甲己*丙寅,丁卯,戊辰,己巳,庚午,辛未,壬申,癸酉,甲戌,乙亥,丙子,丁丑",
    "乙庚*戊寅,己卯,庚辰,辛巳,壬午,癸未,甲申,乙酉,丙戌,丁亥,戊子,己丑",
    "丙辛*庚寅,辛卯,壬辰,癸巳,甲午,乙未,丙申,丁酉,戊戌,己亥,庚子,辛丑",
    "丁壬*壬寅,癸卯,甲辰,乙巳,丙午,丁未,戊申,己酉,庚戌,辛亥,壬子,癸丑",
    "戊癸*甲寅,乙卯,丙辰,丁巳,戊午,己未,庚申,辛酉,壬戌,癸亥,甲子,乙丑",
};
// clang-format on
static_assert(kMonthRows.size() == 5);

// Row: two day stems, '*', then the hour pillars from the 子 hour to the 亥 hour (五鼠遁).
// clang-format off
constexpr std::array<std::string_view, 5> kHourRows = {
    "甲己*甲子,乙丑,丙寅,丁卯,戊辰,己巳,庚午,辛未,壬申,癸酉,甲戌,乙亥",
    "乙庚*丙子,丁丑,戊寅,己卯,庚辰,辛巳,壬午,癸未,甲申,乙酉,丙戌,丁亥",
    "丙辛*戊子,己丑,庚寅,辛卯,壬辰,癸巳,甲午,乙未,丙申,丁酉,戊戌,己亥",
    "丁壬*庚子,辛丑,壬寅,癸卯,甲辰,乙巳,丙午,丁未,戊申,己酉,庚戌,辛亥",
    "戊癸*壬子,癸丑,甲寅,乙卯,丙辰,丁巳,戊午,己未,庚申,辛酉,壬戌,癸亥",
};
// clang-format on
static_assert(kHourRows.size() == 5);
static_assert(std::ranges::all_of(kMonthRows, [](std::string_view row) { return std::ranges::count(row, ',') == 11; }));
static_assert(std::ranges::all_of(kHourRows, [](std::string_view row) { return std::ranges::count(row, ',') == 11; }));

constexpr std::int16_t kNoPosition = 99;
constexpr int kCycleBaseYear = 1864; // a 甲子 year
constexpr int kCycles = 4;           // 1864 + 4 x 60 reaches past 2099

constexpr std::string_view kWrongPillars = "八字写错了啦，请检查一下";
constexpr std::string_view kUnmatchedPillars = "八字匹配不了，请检查一下";

// Position of `pillar` among the values of the first row, in order, whose key holds the first character of
// `keyPillar` and whose values hold the pillar.
std::optional<int> positionInRows(const std::array<std::string_view, 5>& rows, std::string_view keyPillar,
                                  std::string_view pillar)
{
    if (!utf8::isValid(keyPillar))
        return std::nullopt; // only the first character counts, but not when the text around it is broken
    const std::string_view stem = utf8::at(keyPillar, 0);
    for (const std::string_view row : rows) {
        const std::size_t star = row.find('*');
        if (!tables::contains(row.substr(0, star), stem))
            continue;
        std::string_view values = row.substr(star + 1);
        for (int position = 0; !values.empty(); ++position) {
            const std::size_t comma = values.find(',');
            if (values.substr(0, comma) == pillar)
                return position;
            values = comma == std::string_view::npos ? std::string_view{} : values.substr(comma + 1);
        }
    }
    return std::nullopt;
}

// Term t counted from 小寒 of `year`: t 24 and on fall in the next year.
LocalTime termFrom(int year, int t, TermSource terms)
{
    return terms(year + t / 24, t % 24);
}

// Where the pillars hold: from the 节 that opens the month up to the one that opens the next.
struct Month
{
    LocalTime open;
    LocalTime close;
};

// The double hour's stretch [from, to) clipped to the month: the nominal hour when it lies inside, else the first
// moment inside; nothing when the stretch lies wholly outside.
std::optional<BaZiFound> clipToMonth(LocalTime from, LocalTime to, LocalTime nominal, const Month& month)
{
    from = std::max(from, month.open);
    to = std::min(to, month.close);
    if (from >= to)
        return std::nullopt;
    if (from <= nominal && nominal < to)
        return BaZiFound{nominal, nominal != month.open}; // a 节 exactly at the nominal hour is written as a term
    return BaZiFound{from, false};
}

// The month position mi of pillar year `pillarYear`, on the day with the day pillar, in the double hour hi.
std::optional<BaZiFound> findInMonth(int pillarYear, int mi, int dayPosition, int hi, TermSource terms)
{
    const Month month{termFrom(pillarYear, 2 * mi + 2, terms), termFrom(pillarYear, 2 * mi + 4, terms)};
    const LocalDays openDay = floor<days>(month.open);
    // A month spans under 60 days, so the day pillar falls on one day of it at most.
    const LocalDays day = openDay + days{floorMod(dayPosition - dayCount(openDay), 60)}; // [0, 59] days on
    if (day > floor<days>(month.close))
        return std::nullopt;
    const LocalTime midnight{day};
    const LocalTime nominal = midnight + hours{2 * hi};
    if (hi != 0)
        return clipToMonth(nominal - hours{1}, nominal + hours{1}, nominal, month);
    // The day pillar turns at midnight, so a day's 子 hour is 00:00-00:59 and again 23:00-23:59: on the day a 节
    // opens the month after 01:00, the late stretch still has the pillars.
    if (auto early = clipToMonth(midnight, midnight + hours{1}, nominal, month))
        return early;
    return clipToMonth(midnight + hours{23}, midnight + days{1}, nominal, month);
}

} // namespace

namespace engine {

std::optional<int> ganZhiPosition(std::string_view ganZhi)
{
    for (int n = 0; n < 60; ++n) {
        const std::string_view stem = stemName(n);
        if (ganZhi.size() == stem.size() + branchName(n).size() && ganZhi.starts_with(stem) &&
            ganZhi.ends_with(branchName(n)))
            return n;
    }
    return std::nullopt;
}

std::optional<int> monthPosition(std::string_view yearPillar, std::string_view monthPillar)
{
    return positionInRows(kMonthRows, yearPillar, monthPillar);
}

std::optional<int> hourPosition(std::string_view dayPillar, std::string_view hourPillar)
{
    return positionInRows(kHourRows, dayPillar, hourPillar);
}

BaZiLookup lookupBaZi(std::string_view yearPillar, std::string_view monthPillar, std::string_view dayPillar,
                      std::string_view hourPillar, int firstYear, TermSource terms)
{
    const auto y = ganZhiPosition(yearPillar);
    const auto d = ganZhiPosition(dayPillar);
    if (!y || !ganZhiPosition(monthPillar) || !d || !ganZhiPosition(hourPillar))
        return BaZiMessage::WrongPillars;
    const auto mi = monthPosition(yearPillar, monthPillar);
    const auto hi = hourPosition(dayPillar, hourPillar);
    if (!mi || !hi)
        return BaZiMessage::UnmatchedPillars;
    for (int c = 0; c < kCycles; ++c) {
        const int pillarYear = kCycleBaseYear + *y + 60 * c;
        if (pillarYear < std::max(firstYear, kFirstLookupYear) || pillarYear > kLastLookupYear)
            continue;
        if (const auto found = findInMonth(pillarYear, *mi, *d, *hi, terms))
            return *found;
    }
    return BaZiNotFound{};
}

std::string_view messageText(BaZiMessage message)
{
    return message == BaZiMessage::WrongPillars ? kWrongPillars : kUnmatchedPillars;
}

std::string lookupText(const BaZiLookup& lookup)
{
    if (const auto* found = std::get_if<BaZiFound>(&lookup)) {
        if (!found->atNominalHour)
            return writeTime(found->at);
        return writeDate(floor<days>(found->at)) + ' ' + std::to_string(toCivil(found->at).hour) + ":00:00";
    }
    if (const auto* message = std::get_if<BaZiMessage>(&lookup))
        return std::string(messageText(*message));
    return {};
}

} // namespace engine

std::int16_t LandPP::GetGanZhiPaiXu(const std::string& strGZ) const
{
    return static_cast<std::int16_t>(ganZhiPosition(strGZ).value_or(kNoPosition));
}

std::int16_t LandPP::GetMonthPaiXu(const std::string& strYear, const std::string& strMonth) const
{
    return static_cast<std::int16_t>(monthPosition(strYear, strMonth).value_or(kNoPosition));
}

std::int16_t LandPP::GetHourPaiXu(const std::string& strDay, const std::string& strHour) const
{
    return static_cast<std::int16_t>(hourPosition(strDay, strHour).value_or(kNoPosition));
}

std::string LandPP::BaZi2Date(const std::string& strYear, const std::string& strMonth, const std::string& strDay,
                              const std::string& strHour, std::int16_t iStartYear) const
{
    return lookupText(lookupBaZi(strYear, strMonth, strDay, strHour, iStartYear));
}
