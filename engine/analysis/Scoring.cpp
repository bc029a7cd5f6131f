#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"

#include <algorithm>
#include <charconv>

using namespace engine;

namespace {

// Two rows of entries "<day stems>:<stems and branches that support them>"; a hit in the first row scores 10, in the
// second 5. The second row has no entry for 戊己 or 庚辛.
// clang-format off
constexpr std::array<std::string_view, 2> kShenDeFenRows = {
    "甲乙:甲乙壬癸寅卯子亥,丙丁:丙丁甲乙午巳寅卯,戊己:戊己丙丁辰戌丑未午巳,庚辛:庚辛戊己申酉辰丑,壬癸:壬癸庚辛子亥申酉",
    "甲乙:辰未,丙丁:戌未,壬癸:辰丑",
};
// clang-format on
static_assert(kShenDeFenRows.size() == 2);
constexpr std::array<int, 2> kRowScores = {10, 5};

// Row: key "<day stem><sex 1 male, 0 female><strength 1 strong, 0 not>", '*', then twenty-two entries "<stem or
// branch><signed score>". Keys run 11, 10, 01, 00 for each stem. 丁00 has 戊17 where 丁01 has 戊-17: kept as stored.
// clang-format off
constexpr std::array<std::string_view, 40> kTaoHuaFenRows = {
    "甲11*甲-7,乙-10,丙4,丁5,戊20,己25,庚0,辛0,壬0,癸0,子0,丑15,寅-3,卯-4,辰10,巳2,午1,未15,申0,酉0,戌10,亥0",
    "甲10*甲7,乙10,丙5,丁4,戊20,己25,庚0,辛0,壬0,癸0,子0,丑15,寅3,卯4,辰10,巳2,午1,未15,申0,酉0,戌10,亥0",
    "甲01*甲-5,乙0,丙-8,丁-12,戊4,己5,庚20,辛25,壬0,癸0,子0,丑3,寅-3,卯0,辰1,巳-6,午-8,未3,申10,酉15,戌1,亥0",
    "甲00*甲5,乙0,丙-8,丁-12,戊4,己5,庚20,辛25,壬0,癸0,子0,丑3,寅3,卯0,辰1,巳-6,午-8,未3,申10,酉15,戌1,亥0",
    "乙11*甲-10,乙-7,丙5,丁4,戊25,己20,庚0,辛0,壬0,癸0,子0,丑10,寅-4,卯-3,辰15,巳2,午1,未10,申0,酉0,戌15,亥0",
    "乙10*甲10,乙7,丙5,丁4,戊25,己20,庚0,辛0,壬0,癸0,子0,丑10,寅4,卯3,辰15,巳2,午1,未10,申0,酉0,戌15,亥0",
    "乙01*甲0,乙-5,丙-17,丁-8,戊5,己4,庚25,辛20,壬0,癸0,子0,丑1,寅0,卯-3,辰2,巳-8,午-6,未1,申15,酉10,戌2,亥0",
    "乙00*甲0,乙5,丙-17,丁-8,戊5,己4,庚25,辛20,壬0,癸0,子0,丑1,寅0,卯3,辰2,巳-8,午-6,未1,申15,酉10,戌2,亥0",
    "丙11*甲0,乙0,丙-7,丁-10,戊4,己5,庚20,辛25,壬0,癸0,子0,丑1,寅-3,卯-4,辰2,巳0,午0,未1,申10,酉15,戌2,亥0",
    "丙10*甲0,乙0,丙7,丁10,戊4,己5,庚20,辛25,壬0,癸0,子0,丑1,寅3,卯4,辰2,巳0,午0,未1,申10,酉15,戌2,亥0",
    "丙01*甲0,乙0,丙-5,丁0,戊-8,己-12,庚4,辛5,壬20,癸25,子15,丑-8,寅0,卯0,辰-6,巳-3,午0,未-8,申1,酉3,戌-6,亥10",
    "丙00*甲0,乙0,丙5,丁0,戊-8,己-12,庚4,辛5,壬25,癸20,子15,丑-8,寅0,卯0,辰-6,巳3,午0,未-8,申1,酉3,戌-6,亥10",
    "丁11*甲0,乙0,丙-10,丁-7,戊5,己4,庚25,辛20,壬0,癸0,子0,丑1,寅0,卯0,辰2,巳-4,午-3,未1,申15,酉10,戌2,亥0",
    "丁10*甲0,乙0,丙10,丁7,戊5,己4,庚25,辛20,壬0,癸0,子0,丑1,寅0,卯0,辰2,巳4,午3,未1,申15,酉10,戌2,亥0",
    "丁01*甲0,乙0,丙0,丁-5,戊-17,己-8,庚5,辛4,壬25,癸20,子10,丑-6,寅0,卯0,辰-8,巳0,午-3,未-3,申6,酉1,戌-8,亥15",
    "丁00*甲0,乙0,丙0,丁5,戊17,己-8,庚5,辛4,壬25,癸20,子10,丑-6,寅0,卯0,辰-8,巳0,午3,未-3,申6,酉1,戌-8,亥15",
    "戊11*甲0,乙0,丙0,丁0,戊-7,己-10,庚4,辛5,壬20,癸25,子15,丑-4,寅0,卯0,辰-3,巳0,午0,未-4,申1,酉2,戌-3,亥10",
    "戊10*甲0,乙0,丙0,丁0,戊7,己10,庚4,辛5,壬20,癸25,子15,丑4,寅0,卯0,辰3,巳0,午0,未4,申1,酉2,戌3,亥10",
    "戊01*甲20,乙25,丙0,丁0,戊-5,己0,庚-8,辛-12,壬4,癸5,子3,丑0,寅10,卯15,辰-3,巳0,午0,未0,申-6,酉-8,戌-3,亥1",
    "戊00*甲20,乙25,丙0,丁0,戊5,己0,庚-8,辛-12,壬4,癸5,子3,丑0,寅10,卯15,辰3,巳0,午0,未0,申-6,酉-8,戌3,亥1",
    "己11*甲0,乙0,丙0,丁0,戊-10,己-7,庚5,辛4,壬25,癸20,子10,丑-4,寅0,卯0,辰-3,巳0,午0,未-4,申2,酉1,戌-3,亥15",
    "己10*甲0,乙0,丙0,丁0,戊10,己7,庚5,辛4,壬25,癸20,子10,丑4,寅0,卯0,辰3,巳0,午0,未4,申2,酉1,戌3,亥15",
    "己01*甲25,乙20,丙0,丁0,戊0,己-5,庚-17,辛-8,壬5,癸4,子1,丑0,寅15,卯10,辰0,巳0,午0,未0,申-8,酉-6,戌0,亥6",
    "己00*甲25,乙20,丙0,丁0,戊0,己5,庚-17,辛-8,壬5,癸4,子1,丑3,寅15,卯10,辰0,巳5,午-17,未3,申-8,酉-6,戌0,亥6",
    "庚11*甲20,乙25,丙0,丁0,戊0,己0,庚-7,辛-10,壬4,癸5,子1,丑0,寅10,卯15,辰0,巳0,午0,未0,申-3,酉-4,戌0,亥2",
    "庚10*甲20,乙25,丙0,丁0,戊0,己0,庚7,辛10,壬4,癸5,子1,丑0,寅10,卯15,辰0,巳0,午0,未0,申3,酉4,戌0,亥2",
    "庚01*甲4,乙5,丙20,丁25,戊0,己0,庚-5,辛0,壬-8,癸-12,子-8,丑0,寅1,卯3,辰0,巳10,午15,未0,申-3,酉0,戌0,亥-6",
    "庚00*甲4,乙5,丙20,丁25,戊0,己0,庚5,辛0,壬-8,癸-12,子-8,丑5,寅20,卯25,辰0,巳10,午15,未0,申3,酉0,戌0,亥0",
    "辛11*甲25,乙20,丙0,丁0,戊0,己0,庚-10,辛-7,壬5,癸4,子1,丑0,寅15,卯10,辰0,巳0,午0,未0,申-4,酉-3,戌0,亥2",
    "辛10*甲25,乙20,丙0,丁0,戊0,己0,庚10,辛7,壬5,癸4,子1,丑0,寅15,卯10,辰0,巳0,午0,未0,申4,酉3,戌0,亥2",
    "辛01*甲5,乙4,丙25,丁20,戊0,己0,庚0,辛-5,壬-17,癸-8,子-6,丑0,寅6,卯1,辰0,巳15,午10,未0,申0,酉-3,戌0,亥-8",
    "辛00*甲5,乙4,丙25,丁20,戊0,己0,庚0,辛5,壬-17,癸-8,子-6,丑0,寅6,卯1,辰0,巳15,午10,未0,申0,酉3,戌0,亥-8",
    "壬11*甲4,乙5,丙20,丁25,戊0,己0,庚0,辛0,壬-7,癸-10,子-4,丑0,寅1,卯2,辰0,巳10,午15,未0,申0,酉0,戌0,亥-3",
    "壬10*甲4,乙5,丙20,丁25,戊0,己0,庚0,辛0,壬7,癸10,子4,丑0,寅1,卯2,辰0,巳10,午15,未0,申0,酉0,戌0,亥3",
    "壬01*甲-8,乙-12,丙4,丁5,戊20,己25,庚0,辛0,壬-5,癸0,子0,丑15,寅-6,卯-8,辰10,巳1,午3,未15,申0,酉0,戌10,亥-3",
    "壬00*甲-8,乙-12,丙4,丁5,戊20,己25,庚0,辛0,壬5,癸0,子0,丑15,寅-6,卯-8,辰10,巳1,午3,未15,申0,酉0,戌10,亥3",
    "癸11*甲5,乙4,丙25,丁20,戊0,己0,庚0,辛0,壬-10,癸-7,子-3,丑0,寅5,卯4,辰0,巳15,午10,未0,申0,酉0,戌0,亥-4",
    "癸10*甲5,乙4,丙25,丁20,戊0,己0,庚0,辛0,壬10,癸7,子3,丑0,寅5,卯4,辰0,巳15,午10,未0,申0,酉0,戌0,亥4",
    "癸01*甲-17,乙-8,丙5,丁4,戊25,己20,庚0,辛0,壬0,癸-5,子-3,丑10,寅-8,卯-6,辰15,巳6,午1,未10,申0,酉0,戌15,亥0",
    "癸00*甲-17,乙-8,丙5,丁4,戊25,己20,庚0,辛0,壬0,癸5,子3,丑10,寅-8,卯-6,辰15,巳6,午1,未10,申0,酉0,戌15,亥0",
};
// clang-format on
static_assert(kTaoHuaFenRows.size() == 40);
static_assert(std::ranges::all_of(kTaoHuaFenRows, [](std::string_view row) {
    return utf8::at(row, 3) == "*" && std::ranges::count(row, ',') == 21;
}));

// The score after an entry's stem or branch; 0 when it is not a number.
int entryScore(std::string_view entry)
{
    const std::string_view digits = utf8::mid(entry, 1);
    int score = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), score);
    return score;
}

} // namespace

namespace engine {

int supportScore(std::string_view dayStem, std::string_view other)
{
    for (std::size_t row = 0; row < kShenDeFenRows.size(); ++row) {
        const auto supports = [&](std::string_view e) {
            const auto [stems, supporters] = tables::splitEntry(e);
            return tables::contains(stems, dayStem) && tables::contains(supporters, other);
        };
        if (tables::findEntry(kShenDeFenRows[row], supports))
            return kRowScores[row];
    }
    return 0;
}

SupportScores supportScores(const PillarChars& p)
{
    const std::string_view s = p.stems[2];
    return {supportScore(s, p.stems[0]),    supportScore(s, p.branches[0]), supportScore(s, p.stems[1]),
            supportScore(s, p.branches[1]), supportScore(s, p.branches[2]), supportScore(s, p.stems[3]),
            supportScore(s, p.branches[3])};
}

bool strongBySupport(const SupportScores& s)
{
    constexpr int kDayMaster = 10; // the day stem supports itself
    const int total =
        s.yearStem + s.yearBranch + s.monthStem + s.monthBranch + kDayMaster + s.dayBranch + s.hourStem + s.hourBranch;
    const int stems = s.yearStem + s.monthStem + kDayMaster + s.hourStem;
    if (total > 40)
        return true;
    if (stems == 30 && s.monthBranch == 10)
        return true;
    if (stems == 20 && s.monthBranch == 10 && s.dayBranch == 10)
        return true;
    return s.monthStem == 10 && s.monthBranch == 10 && s.dayBranch == 10;
}

bool dayMasterStrong(const PillarChars& p)
{
    return strongBySupport(supportScores(p));
}

int peachBlossomScore(std::string_view dayStem, std::string_view other, int strong, int sex)
{
    const std::string key = std::string(dayStem) + std::to_string(sex) + std::to_string(strong);
    const auto row = std::ranges::find_if(kTaoHuaFenRows, [&](std::string_view r) { return utf8::left(r, 3) == key; });
    if (row == kTaoHuaFenRows.end())
        return 0;
    const auto entry =
        tables::findEntry(utf8::mid(*row, 4), [other](std::string_view e) { return tables::contains(e, other); });
    return entry ? entryScore(*entry) : 0;
}

int peachBlossomIndex(LocalTime birth, LocalTime query, int sex)
{
    query = std::max(query, birth);
    const PillarChars natal = pillarChars(birth);
    const int strong = dayMasterStrong(natal) ? 1 : 0;
    const auto score = [&](std::string_view other) {
        return peachBlossomScore(natal.stems[2], other, strong, sex != 0 ? 1 : 0);
    };
    int total = 0;
    // Luck runs by the sex as given; pillar number 0 stands for "none", as in DaYunGan and DaYunZhi.
    if (const int luck = luckPillarAt(birth, query, sex).value_or(0); luck != 0)
        total += score(stemName(luck)) + score(branchName(luck));
    const PillarChars examined = pillarChars(query);
    for (std::size_t i = 0; i < 3; ++i) // year, month and day; the hour plays no part
        total += score(examined.stems[i]) + score(examined.branches[i]);
    return total;
}

} // namespace engine

std::int16_t LandPP::ShenDeFen(const std::string& dTG, const std::string& ogz) const
{
    return static_cast<std::int16_t>(supportScore(dTG, ogz));
}

std::int16_t LandPP::ShenQiang(std::string& sTime) const
{
    const LocalTime t = acceptDate(sTime, m_now);
    sTime = writeTime(t); // as the year and month pillars leave it
    return dayMasterStrong(pillarChars(t)) ? 1 : 0;
}

std::int16_t LandPP::TaoHuaFen(const std::string& sRiZhu, const std::string& sGZ, std::int16_t sSQ,
                               std::int16_t& iSex) const
{
    if (iSex != 0)
        iSex = 1;
    return static_cast<std::int16_t>(peachBlossomScore(sRiZhu, sGZ, sSQ, iSex));
}

std::int16_t LandPP::TaoHuaZhi(std::string& sTime, std::string& sTime2, std::int16_t& iSex) const
{
    const BirthAndQuery t = acceptBirthAndQuery(sTime, sTime2, m_now);
    const int index = peachBlossomIndex(t.birth, t.query, iSex);
    if (iSex != 0)
        iSex = 1; // as TaoHuaFen leaves it, after the luck pillar has run by the sex as given
    return static_cast<std::int16_t>(index);
}
