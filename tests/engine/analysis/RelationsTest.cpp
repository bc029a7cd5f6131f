#include "engine/analysis/Relations.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/RangeError.h"
#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::PillarPlace;
using engine::PillarValue;
using engine::Relation;
using engine::RelationKind;
namespace utf8 = engine::utf8;

constexpr std::array<PillarPlace, 8> kPlaces = {PillarPlace::year,      PillarPlace::month,  PillarPlace::day,
                                                PillarPlace::hour,      PillarPlace::luck,   PillarPlace::flowYear,
                                                PillarPlace::flowMonth, PillarPlace::flowDay};
constexpr std::array<const char*, 8> kPlaceNames = {"year", "month",    "day",       "hour",
                                                    "luck", "flowYear", "flowMonth", "flowDay"};

bool onStems(RelationKind kind)
{
    return kind == RelationKind::stemCombine || kind == RelationKind::stemClash;
}

// "甲子" at a place.
PillarValue pillar(PillarPlace place, std::string_view ganZhi)
{
    return {place, engine::stemIndex(utf8::at(ganZhi, 0)), engine::branchIndex(utf8::at(ganZhi, 1))};
}

// One line a person can check against a chart: "六合 子丑 year,day 土".
std::string describe(const Relation& r)
{
    std::string text(engine::relationName(r.kind));
    text += ' ';
    for (int i = 0; i < r.count; ++i)
        text += onStems(r.kind) ? engine::stemName(r.symbols[i]) : engine::branchName(r.symbols[i]);
    for (int i = 0; i < r.count; ++i)
        text += (i == 0 ? " " : ",") + std::string(kPlaceNames[static_cast<std::size_t>(r.pillars[i])]);
    if (r.element)
        text += " " + std::string(engine::elementName(*r.element));
    return text;
}

std::vector<std::string> describeAll(const std::vector<Relation>& relations)
{
    std::vector<std::string> lines;
    for (const Relation& r : relations)
        lines.push_back(describe(r));
    return lines;
}

// A rule as text: words of its symbols, each followed by the element when the rule names one.
struct TextRule
{
    RelationKind kind;
    int size; // symbols in a word
    const char* words;
};

// One word of a rule: its symbols as written and in sorted order, and its element or nothing.
struct Word
{
    std::vector<std::string> symbols;
    std::vector<std::string> sorted;
    std::string element;
};

std::vector<Word> wordsOf(const TextRule& rule)
{
    std::vector<Word> words;
    const std::string text = rule.words;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        const std::string word = text.substr(begin, end - begin);
        Word w;
        for (int i = 0; i < rule.size; ++i)
            w.symbols.emplace_back(utf8::at(word, i));
        w.sorted = w.symbols;
        std::ranges::sort(w.sorted);
        w.element = utf8::at(word, rule.size);
        words.push_back(w);
        begin = end + 1;
    }
    return words;
}

// Every row of every rule, its symbols often in another order than the rule's, placed at month, day and 流年 in
// the order written and found in that order.
TEST(RelationsAmong, EveryRowOfEveryRule)
{
    const TextRule rows[] = {
        {RelationKind::stemCombine, 2, "己甲土 乙庚金 辛丙水 丁壬木 癸戊火"},
        {RelationKind::stemClash, 2, "庚甲 乙辛 壬丙 丁癸"},
        {RelationKind::sixCombine, 2, "丑子土 寅亥木 戌卯火 辰酉金 申巳水 午未土"},
        {RelationKind::threeCombine, 3, "辰申子水 未亥卯木 午寅戌火 丑巳酉金"},
        {RelationKind::halfCombine, 2, "子申水 子辰水 卯亥木 卯未木 午寅火 午戌火 酉巳金 酉丑金"},
        {RelationKind::archCombine, 2, "辰申水 亥未木 戌寅火 巳丑金"},
        {RelationKind::threeMeet, 3, "辰寅卯木 午巳未火 酉申戌金 丑亥子水"},
        {RelationKind::sixClash, 2, "午子 丑未 申寅 卯酉 戌辰 巳亥"},
        {RelationKind::threePunish, 3, "申寅巳 未丑戌"},
        {RelationKind::punish, 2, "巳寅 巳申 申寅 戌丑 未戌 丑未 卯子"},
        {RelationKind::selfPunish, 2, "辰辰 午午 酉酉 亥亥"},
        {RelationKind::sixHarm, 2, "未子 丑午 巳寅 卯辰 亥申 戌酉"},
        {RelationKind::sixBreak, 2, "酉子 卯午 申巳 寅亥 丑辰 未戌"},
    };
    const PillarPlace places[] = {PillarPlace::month, PillarPlace::day, PillarPlace::flowYear};
    for (const TextRule& rule : rows) {
        for (const Word& word : wordsOf(rule)) {
            std::string expected = std::string(engine::relationName(rule.kind)) + " ";
            std::vector<PillarValue> pillars;
            for (const std::string& glyph : word.symbols) {
                // The other half of each pillar relates to nothing: 甲 beside 甲, 子 beside 子.
                pillars.push_back(pillar(places[pillars.size()], onStems(rule.kind) ? glyph + "子" : "甲" + glyph));
                expected += glyph;
            }
            expected += rule.size == 3 ? " month,day,flowYear" : " month,day";
            expected += word.element.empty() ? "" : " " + word.element;
            SCOPED_TRACE(expected);
            std::vector<Relation> ofKind;
            for (const Relation& r : engine::relationsAmong(pillars)) {
                if (r.kind == rule.kind)
                    ofKind.push_back(r);
            }
            ASSERT_EQ(ofKind.size(), 1u);
            EXPECT_EQ(describe(ofKind[0]), expected);
        }
    }
}

// Two pillars of one branch relate only when the branch punishes itself.
TEST(RelationsAmong, OnlyFourBranchesPunishThemselves)
{
    for (int branch = 0; branch < 12; ++branch) {
        const std::string_view name = engine::branchName(branch);
        SCOPED_TRACE(std::string(name));
        const PillarValue pillars[] = {{PillarPlace::year, 0, branch}, {PillarPlace::hour, 0, branch}};
        const bool selfPunishing = name == "辰" || name == "午" || name == "酉" || name == "亥";
        const auto found = engine::relationsAmong(pillars);
        ASSERT_EQ(found.size(), selfPunishing ? 1u : 0u);
        if (selfPunishing) {
            EXPECT_EQ(describe(found[0]), "自刑 " + std::string(name) + std::string(name) + " year,hour");
        }
    }
}

TEST(RelationsAmong, NamesAndMarks)
{
    struct Case
    {
        RelationKind kind;
        const char* name;
        const char* mark;
    };
    const Case cases[] = {
        {RelationKind::stemCombine, "天干五合", "合"}, {RelationKind::stemClash, "天干相冲", "冲"},
        {RelationKind::sixCombine, "六合", "合"},      {RelationKind::threeCombine, "三合", "合"},
        {RelationKind::halfCombine, "半合", "合"},     {RelationKind::archCombine, "拱合", "合"},
        {RelationKind::threeMeet, "三会", "合"},       {RelationKind::sixClash, "六冲", "冲"},
        {RelationKind::threePunish, "三刑", "刑"},     {RelationKind::punish, "相刑", "刑"},
        {RelationKind::selfPunish, "自刑", "刑"},      {RelationKind::sixHarm, "六害", "害"},
        {RelationKind::sixBreak, "六破", "破"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(engine::relationName(c.kind), c.name);
        EXPECT_EQ(engine::relationMark(c.kind), c.mark);
    }
}

TEST(RelationsAmong, NothingAmongFewerThanTwoPillars)
{
    EXPECT_TRUE(engine::relationsAmong({}).empty());
    const PillarValue one[] = {{PillarPlace::day, 0, 0}};
    EXPECT_TRUE(engine::relationsAmong(one).empty());
}

TEST(RelationsAmong, RefusesSymbolsOutOfRange)
{
    for (const PillarValue bad : {PillarValue{PillarPlace::luck, 10, 0}, PillarValue{PillarPlace::luck, -1, 0},
                                  PillarValue{PillarPlace::luck, 0, 12}, PillarValue{PillarPlace::luck, 0, -1}}) {
        const PillarValue pillars[] = {{PillarPlace::year, 0, 0}, bad};
        EXPECT_THROW(engine::relationsAmong(pillars), engine::RangeError);
    }
}

// Pillars at year, month, day, hour, luck, ... in that order.
std::vector<PillarValue> chart(std::initializer_list<std::string_view> ganZhi)
{
    std::vector<PillarValue> pillars;
    for (const std::string_view gz : ganZhi)
        pillars.push_back(pillar(kPlaces[pillars.size()], gz));
    return pillars;
}

// The 半合 and 拱合 inside a found 三合 are not listed again, even when a fourth pillar repeats a branch of it: that
// 子 forms a 三合 of its own with the 申 and the 辰.
TEST(RelationsAmong, ThreeCombineHidesItsPairs)
{
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲申", "甲子", "甲辰"}))),
              (std::vector<std::string>{"三合 申子辰 year,month,day 水"}));
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲申", "甲子", "甲辰", "甲子"}))),
              (std::vector<std::string>{"三合 申子辰 year,month,day 水", "三合 申辰子 year,day,hour 水"}));
    // A 半合 of another frame stays, as does the 六冲 of the fourth pillar with the frame.
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲申", "甲子", "甲辰", "甲午", "甲寅"}))),
              (std::vector<std::string>{"三合 申子辰 year,month,day 水", "半合 午寅 hour,luck 火",
                                        "六冲 申寅 year,luck", "六冲 子午 month,hour", "相刑 申寅 year,luck"}));
}

// 寅巳申 is a 三刑 and none of its pairs a 相刑; its 六合, 六冲, 六害 and 六破 are other kinds and stay.
TEST(RelationsAmong, ThreePunishHidesOnlyItsPunishments)
{
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲寅", "甲巳", "甲申"}))),
              (std::vector<std::string>{"六合 巳申 month,day 水", "六冲 寅申 year,day", "三刑 寅巳申 year,month,day",
                                        "六害 寅巳 year,month", "六破 巳申 month,day"}));
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲丑", "甲戌", "甲未"}))),
              (std::vector<std::string>{"六冲 丑未 year,day", "三刑 丑戌未 year,month,day", "六破 戌未 month,day"}));
    // 子卯 belongs to no trio, so nothing hides it.
    EXPECT_EQ(describeAll(engine::relationsAmong(chart({"甲子", "甲卯", "甲午"}))),
              (std::vector<std::string>{"六冲 子午 year,day", "相刑 子卯 year,month", "六破 卯午 month,day"}));
}

// Whole charts worked by hand from the rules, the last with its luck pillar.
TEST(RelationsAmong, WorkedCharts)
{
    struct Case
    {
        std::vector<PillarValue> pillars;
        std::vector<std::string> relations;
    };
    const Case cases[] = {
        // Two clashes across the chart and two 半合 without their third branch.
        {chart({"甲子", "丙寅", "戊午", "庚申"}),
         {"天干相冲 甲庚 year,hour", "半合 子申 year,hour 水", "半合 寅午 month,day 火", "六冲 子午 year,day",
          "六冲 寅申 month,hour", "相刑 寅申 month,hour"}},
        // A 三合 in the last three pillars; the 丑 beside it combines and breaks.
        {chart({"己丑", "丙子", "甲辰", "壬申"}),
         {"天干五合 己甲 year,day 土", "天干相冲 丙壬 month,hour", "六合 丑子 year,month 土",
          "三合 子辰申 month,day,hour 水", "六破 丑辰 year,day"}},
        // A 三刑 with a 拱合 of the fire frame around it.
        {chart({"丙寅", "癸巳", "庚申", "丙戌"}),
         {"六合 巳申 month,day 水", "拱合 寅戌 year,hour 火", "六冲 寅申 year,day", "三刑 寅巳申 year,month,day",
          "六害 寅巳 year,month", "六破 巳申 month,day"}},
        // Two 酉 repeat every pair they form; the luck pillar's 戌 joins the 卯 and harms both 酉.
        {chart({"辛酉", "丁酉", "乙卯", "丙子", "戊戌"}),
         {"天干五合 辛丙 year,hour 水", "天干相冲 辛乙 year,day", "六合 卯戌 day,luck 火", "六冲 酉卯 year,day",
          "六冲 酉卯 month,day", "相刑 卯子 day,hour", "自刑 酉酉 year,month", "六害 酉戌 year,luck",
          "六害 酉戌 month,luck", "六破 酉子 year,hour", "六破 酉子 month,hour"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relations.front());
        EXPECT_EQ(describeAll(engine::relationsAmong(c.pillars)), c.relations);
    }
}

// The rules as a chart book lists them, for the brute-force search.
const TextRule kTextRules[] = {
    {RelationKind::stemCombine, 2, "甲己土 乙庚金 丙辛水 丁壬木 戊癸火"},
    {RelationKind::stemClash, 2, "甲庚 乙辛 丙壬 丁癸"},
    {RelationKind::sixCombine, 2, "子丑土 寅亥木 卯戌火 辰酉金 巳申水 午未土"},
    {RelationKind::threeCombine, 3, "申子辰水 亥卯未木 寅午戌火 巳酉丑金"},
    {RelationKind::halfCombine, 2, "申子水 子辰水 亥卯木 卯未木 寅午火 午戌火 巳酉金 酉丑金"},
    {RelationKind::archCombine, 2, "申辰水 亥未木 寅戌火 巳丑金"},
    {RelationKind::threeMeet, 3, "寅卯辰木 巳午未火 申酉戌金 亥子丑水"},
    {RelationKind::sixClash, 2, "子午 丑未 寅申 卯酉 辰戌 巳亥"},
    {RelationKind::threePunish, 3, "寅巳申 丑戌未"},
    {RelationKind::punish, 2, "寅巳 巳申 寅申 丑戌 戌未 丑未 子卯"},
    {RelationKind::selfPunish, 2, "辰辰 午午 酉酉 亥亥"},
    {RelationKind::sixHarm, 2, "子未 丑午 寅巳 卯辰 申亥 酉戌"},
    {RelationKind::sixBreak, 2, "子酉 卯午 巳申 寅亥 辰丑 戌未"},
};

// Every pair (size 2) or trio (size 3) of positions below n, in lexicographic order.
std::vector<std::vector<std::size_t>> groupsOf(std::size_t n, int size)
{
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (size == 2)
                groups.push_back({i, j});
            for (std::size_t k = j + 1; size == 3 && k < n; ++k)
                groups.push_back({i, j, k});
        }
    }
    return groups;
}

// A 半合 or 拱合 inside a found 三合, a 相刑 inside a found 三刑, is not listed again.
bool hidden(RelationKind kind, const std::vector<std::size_t>& pair,
            const std::vector<std::vector<std::size_t>> (&found)[13])
{
    const bool combines = kind == RelationKind::halfCombine || kind == RelationKind::archCombine;
    if (!combines && kind != RelationKind::punish)
        return false;
    const auto& trios =
        found[static_cast<std::size_t>(combines ? RelationKind::threeCombine : RelationKind::threePunish)];
    return std::ranges::any_of(trios, [&](const std::vector<std::size_t>& trio) {
        return std::ranges::count(trio, pair[0]) == 1 && std::ranges::count(trio, pair[1]) == 1;
    });
}

// Every relation, found by trying every pair and trio against every word of every rule, in listing order.
std::vector<std::string> bruteForce(const std::vector<PillarValue>& pillars)
{
    std::vector<std::string> lines;
    std::vector<std::vector<std::size_t>> found[13];
    for (const TextRule& rule : kTextRules) {
        static const std::vector<std::vector<Word>> allWords = [] {
            std::vector<std::vector<Word>> all;
            for (const TextRule& r : kTextRules)
                all.push_back(wordsOf(r));
            return all;
        }();
        const auto kind = static_cast<std::size_t>(rule.kind);
        for (const auto& group : groupsOf(pillars.size(), rule.size)) {
            std::vector<std::string> glyphs;
            for (const std::size_t i : group)
                glyphs.emplace_back(onStems(rule.kind) ? engine::stemName(pillars[i].stem)
                                                       : engine::branchName(pillars[i].branch));
            std::vector<std::string> sorted = glyphs;
            std::ranges::sort(sorted);
            const auto word = std::ranges::find(allWords[&rule - kTextRules], sorted, &Word::sorted);
            if (word == allWords[&rule - kTextRules].end() || hidden(rule.kind, group, found))
                continue;
            found[kind].push_back(group);
            std::string line = std::string(engine::relationName(rule.kind)) + " ";
            for (const std::string& g : glyphs)
                line += g;
            for (std::size_t i = 0; i < group.size(); ++i)
                line +=
                    (i == 0 ? " " : ",") + std::string(kPlaceNames[static_cast<std::size_t>(pillars[group[i]].place)]);
            lines.push_back(word->element.empty() ? line : line + " " + word->element);
        }
    }
    return lines;
}

// Every set of four branches, and thousands of sets of five to eight pillars at shuffled places, against the brute
// force: nothing listed that does not hold, nothing missing, nothing twice, all in listing order.
TEST(RelationsAmong, AgreesWithBruteForce)
{
    std::mt19937 random(20240210);
    std::vector<std::vector<PillarValue>> sets;
    for (int code = 0; code < 12 * 12 * 12 * 12; ++code) {
        std::vector<PillarValue> pillars;
        for (int i = 0, rest = code; i < 4; ++i, rest /= 12)
            pillars.push_back({kPlaces[i], static_cast<int>(random() % 10), rest % 12});
        sets.push_back(pillars);
    }
    for (std::size_t size = 5; size <= 8; ++size) {
        for (int round = 0; round < 2000; ++round) {
            std::array<PillarPlace, 8> places = kPlaces;
            std::ranges::shuffle(places, random);
            std::vector<PillarValue> pillars;
            for (std::size_t i = 0; i < size; ++i)
                pillars.push_back({places[i], static_cast<int>(random() % 10), static_cast<int>(random() % 12)});
            sets.push_back(pillars);
        }
    }
    for (const auto& pillars : sets) {
        std::string text;
        for (const PillarValue& p : pillars)
            text += std::string(engine::stemName(p.stem)) + std::string(engine::branchName(p.branch)) + " ";
        SCOPED_TRACE(text);
        ASSERT_EQ(describeAll(engine::relationsAmong(pillars)), bruteForce(pillars));
    }
}

} // namespace
