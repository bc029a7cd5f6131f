#include "engine/analysis/Analysis.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>

namespace {

using namespace std::chrono;
using engine::Element;
using engine::HourPillar;

// "木4 火1" as a map of name to count; names not listed count 0.
std::map<std::string, int> tally(const char* text)
{
    std::map<std::string, int> result;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        const std::size_t digits = word.find_first_of("0123456789");
        result[word.substr(0, digits)] = std::stoi(word.substr(digits));
    }
    return result;
}

// The non-zero counts by name.
template <std::size_t N, class Name> std::map<std::string, int> tallyOf(const std::array<int, N>& counts, Name name)
{
    std::map<std::string, int> result;
    for (std::size_t i = 0; i < N; ++i) {
        if (counts[i] != 0)
            result[std::string(name(i))] = counts[i];
    }
    return result;
}
std::string_view elementAt(std::size_t i)
{
    return engine::elementName(static_cast<Element>(i));
}
std::string_view tenGodAt(std::size_t i)
{
    return engine::tenGodName(static_cast<int>(i));
}

// A branch counts by its own element, not its hidden stems'.
TEST(ElementCounts, BranchesCountByTheirOwnElement)
{
    const std::string_view rule = "子水丑土寅木卯木辰土巳火午火未土申金酉金戌土亥水";
    for (std::size_t i = 0; i < 12; ++i) {
        const auto element = engine::elementOf(engine::utf8::at(rule, 2 * i));
        ASSERT_TRUE(element);
        EXPECT_EQ(engine::elementName(*element), engine::utf8::at(rule, 2 * i + 1)) << i;
    }
}

TEST(TenGodName, NamesTheTenInTheirOrderAsTenGodSpellsThem)
{
    std::istringstream names("比肩 劫财 食神 伤官 偏财 正财 七杀 正官 偏印 正印");
    int i = 0;
    for (std::string name; names >> name; ++i)
        EXPECT_EQ(engine::tenGodName(i), name) << i;
    EXPECT_EQ(i, 10);
    EXPECT_EQ(engine::tenGodName(-1), "");
    EXPECT_EQ(engine::tenGodName(10), "");
}

// Charts counted by hand, with and without the hour pillar.
struct CountedChart
{
    const char* why;
    int y, m, d, hour, minute;
    const char* pillars;
    HourPillar hourPillar;
    const char* elements;
    const char* elementsWithHidden;
    const char* tenGods;
    const char* tenGodsWithHidden;
};
const CountedChart kCountedCharts[] = {
    // Hidden 子癸 寅甲丙戊 未乙己丁 申戊庚壬; day 乙: 甲劫财 丙伤官 丁食神 戊正财 己偏财 庚正官 壬正印 癸偏印.
    {"wood-heavy spring chart", 1984, 3, 2, 16, 25, "甲子丙寅乙未甲申", HourPillar::known, "木4 火1 土1 金1 水1",
     "木5 火3 土3 金1 水2", "劫财2 伤官1", "比肩1 劫财3 食神1 伤官2 偏财1 正财2 正官1 偏印1 正印1"},
    {"the same without its hour", 1984, 3, 2, 16, 25, "甲子丙寅乙未甲申", HourPillar::unknown, "木3 火1 土1 水1",
     "木4 火3 土2 水1", "劫财1 伤官1", "比肩1 劫财2 食神1 伤官2 偏财1 正财1 偏印1"},
    // Hidden 卯乙 子癸 午己丁 twice; day 戊: 己劫财 丙偏印 乙正官 癸正财 丁正印. No metal anywhere.
    {"earth day in winter, metal missing", 2000, 1, 1, 12, 0, "己卯丙子戊午戊午", HourPillar::known, "木1 火3 土3 水1",
     "木1 火3 土5 水1", "比肩1 劫财1 偏印1", "比肩1 劫财3 正财1 正官1 偏印1 正印2"},
};

TEST(Counts, WorkedCharts)
{
    for (const CountedChart& c : kCountedCharts) {
        SCOPED_TRACE(c.why);
        engine::PillarChars p = engine::pillarChars(engine::LocalTime{local_days{year{c.y} / c.m / c.d}} +
                                                    hours{c.hour} + minutes{c.minute});
        ASSERT_EQ(p.ganZhi(0) + p.ganZhi(1) + p.ganZhi(2) + p.ganZhi(3), c.pillars);
        if (c.hourPillar == HourPillar::unknown)
            p.stems[3] = p.branches[3] = {}; // as a chart of unknown hour holds it
        const engine::ElementCounts elements = engine::elementCounts(p, c.hourPillar);
        EXPECT_EQ(tallyOf(elements.visible, elementAt), tally(c.elements));
        EXPECT_EQ(tallyOf(elements.withHidden, elementAt), tally(c.elementsWithHidden));
        const engine::TenGodCounts gods = engine::tenGodCounts(p, c.hourPillar);
        EXPECT_EQ(tallyOf(gods.visible, tenGodAt), tally(c.tenGods));
        EXPECT_EQ(tallyOf(gods.withHidden, tenGodAt), tally(c.tenGodsWithHidden));
    }
}

int sum(const auto& counts)
{
    int total = 0;
    for (const int n : counts)
        total += n;
    return total;
}

// Every few days of two centuries at a moving hour: eight (or six) characters, three (or two) stems beside the self,
// and as many hidden stems as each branch holds.
TEST(Counts, EveryChartCountsEachCharacterOnce)
{
    const std::string_view hiddenPerBranch = "子1丑3寅3卯1辰3巳3午2未3申3酉1戌3亥2";
    int day = 0;
    for (local_days d{year{1900} / 1 / 1}; d <= local_days{year{2100} / 12 / 31}; d += days{3}, ++day) {
        const engine::PillarChars p = engine::pillarChars(engine::LocalTime{d} + hours{(day * 5) % 24});
        for (const HourPillar hour : {HourPillar::known, HourPillar::unknown}) {
            const int pillars = hour == HourPillar::known ? 4 : 3;
            int hidden = 0;
            for (int i = 0; i < pillars; ++i) {
                const std::size_t at = hiddenPerBranch.find(p.branches[static_cast<std::size_t>(i)]);
                hidden += hiddenPerBranch[at + p.branches[0].size()] - '0';
            }
            const engine::ElementCounts e = engine::elementCounts(p, hour);
            const engine::TenGodCounts g = engine::tenGodCounts(p, hour);
            ASSERT_EQ(sum(e.visible), 2 * pillars) << engine::writeTime(engine::LocalTime{d});
            ASSERT_EQ(sum(e.withHidden), pillars + hidden) << engine::writeTime(engine::LocalTime{d});
            ASSERT_EQ(sum(g.visible), pillars - 1) << engine::writeTime(engine::LocalTime{d});
            ASSERT_EQ(sum(g.withHidden), pillars - 1 + hidden) << engine::writeTime(engine::LocalTime{d});
        }
    }
}

// 旺相休囚死 by season, as the almanacs chant them: 春木旺 火相 水休 金囚 土死, and so on.
struct SeasonCase
{
    const char* months;
    const char* vigour; // element then vigour, five times
};
const SeasonCase kSeasons[] = {
    {"寅卯", "木旺火相水休金囚土死"}, {"巳午", "火旺土相木休水囚金死"},     {"申酉", "金旺水相土休火囚木死"},
    {"亥子", "水旺木相金休土囚火死"}, {"辰戌丑未", "土旺金相火休木囚水死"},
};

std::size_t elementNamed(std::string_view name)
{
    std::size_t i = 0;
    while (elementAt(i) != name)
        ++i;
    return i;
}

TEST(SeasonOf, EachSeasonsElementsAsChanted)
{
    for (const SeasonCase& c : kSeasons) {
        for (std::size_t m = 0; m < engine::utf8::length(c.months); ++m) {
            const std::string_view month = engine::utf8::at(c.months, m);
            const auto season = engine::seasonOf(engine::branchIndex(month));
            for (std::size_t k = 0; k < 5; ++k) {
                const std::size_t element = elementNamed(engine::utf8::at(c.vigour, 2 * k));
                SCOPED_TRACE(std::string(month) + std::string(engine::utf8::mid(c.vigour, 2 * k, 2)));
                EXPECT_EQ(engine::vigourName(season[element]), engine::utf8::at(c.vigour, 2 * k + 1));
            }
        }
    }
}

TEST(SeasonOf, EveryMonthGivesEachVigourOnce)
{
    for (int m = 0; m < 12; ++m) {
        std::array<int, 5> seen{};
        for (const engine::Vigour v : engine::seasonOf(m))
            ++seen[static_cast<std::size_t>(v)];
        EXPECT_EQ(seen, (std::array<int, 5>{1, 1, 1, 1, 1})) << m;
    }
}

} // namespace
