#include "models/solartime/MomentWords.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace w = models::words;

// Every value reads back from each of its words, and no two values of one option share a word: a writer and a reader
// of any form can never disagree.
template <typename Value, std::size_t N> void expectWordsRoundTrip(const std::array<w::ValueWords<Value>, N>& table)
{
    std::set<std::string_view> tools, rows, panels;
    for (const auto& words : table) {
        if (!words.tool.empty()) {
            EXPECT_EQ(w::byTool(table, words.tool), words.value) << words.tool;
            EXPECT_TRUE(tools.insert(words.tool).second) << words.tool;
        }
        if (!words.row.empty()) {
            EXPECT_EQ(w::byRow(table, words.row), words.value) << words.row;
            EXPECT_TRUE(rows.insert(words.row).second) << words.row;
        }
        if (!words.panel.empty()) {
            EXPECT_TRUE(panels.insert(words.panel).second) << words.panel;
        }
        EXPECT_EQ(&w::of(table, words.value), &words);
    }
    // The default (the first entry) is never stated in a chart row: a chart without options has none.
    EXPECT_TRUE(table[0].row.empty());
    EXPECT_FALSE(w::byTool(table, ""));
    EXPECT_FALSE(w::byRow(table, ""));
}

TEST(MomentWords, EveryWordReadsBackAsItsValue)
{
    expectWordsRoundTrip(w::kSolarTimes);
    expectWordsRoundTrip(w::kTermMethods);
    expectWordsRoundTrip(w::kLateZis);
    expectWordsRoundTrip(w::kFolds);
    expectWordsRoundTrip(w::kPalaceYears);
}

TEST(MomentWords, EachOptionHasItsOwnNames)
{
    const w::OptionNames options[] = {w::kTermsOption,     w::kZoneOption,   w::kPlaceOption, w::kLongitudeOption,
                                      w::kSolarTimeOption, w::kLateZiOption, w::kFoldOption,  w::kPalaceYearOption};
    std::set<std::string_view> tools, jsons;
    for (const auto& o : options) {
        EXPECT_TRUE(o.tool.starts_with("--")) << o.tool;
        EXPECT_TRUE(tools.insert(o.tool).second) << o.tool;
        EXPECT_TRUE(jsons.insert(o.json).second) << o.json;
        EXPECT_EQ(o.json.find_first_of("-_"), std::string_view::npos) << o.json; // camelCase, as the JSON keys are
    }
}

} // namespace
