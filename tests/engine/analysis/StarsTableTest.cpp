#include "engine/LandPP.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Every entry of the four star tables, written per key: for each key, the value of each star in table order. A
// search with a key and one character must list exactly the stars whose value holds that character, in table order.
namespace {

using engine::utf8::at;

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

constexpr std::string_view kStemChars = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranchChars = "子丑寅卯辰巳午未申酉戌亥";

struct KeyValues
{
    const char* key;
    std::vector<std::string_view> values; // one per star of the table, in table order
};

using Search = std::function<std::string(const std::string& key, const std::string& searched)>;

// The stars whose value holds `searched`, joined by ",".
std::string expectedStars(const std::vector<std::string_view>& names, const KeyValues& row, std::string_view searched)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (row.values[i].find(searched) == std::string_view::npos)
            continue;
        if (!list.empty())
            list += ',';
        list += names[i];
    }
    return list;
}

void expectEveryEntry(const std::vector<std::string_view>& names, const std::vector<KeyValues>& rows,
                      std::string_view searchedChars, const Search& search)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        ASSERT_EQ(row.values.size(), names.size());
        for (std::size_t i = 0; i < engine::utf8::length(searchedChars); ++i) {
            const std::string searched(at(searchedChars, i));
            EXPECT_EQ(search(row.key, searched), expectedStars(names, row, searched)) << searched;
        }
    }
}

TEST(ShenShaTG, EveryStemOnEveryBranch)
{
    const std::vector<std::string_view> names = {"贵人", "文昌", "沐浴", "干禄", "羊刃", "红艳", "金舆"};
    const std::vector<KeyValues> rows = {
        {"甲", {"丑未", "巳", "子", "寅", "卯", "午申", "辰"}},
        {"乙", {"子申", "午", "巳", "卯", "辰", "午申", "巳"}}, // 午, 巳 and 申 each hold two stars
        {"丙", {"亥酉", "申", "卯", "巳", "午", "寅", "未"}},
        {"丁", {"亥酉", "酉", "申", "午", "未", "未", "申"}},
        {"戊", {"丑未", "申", "卯", "巳", "午", "辰", "未"}},
        {"己", {"子申", "酉", "申", "午", "未", "辰", "申"}}, // 申 holds three stars
        {"庚", {"丑未", "亥", "午", "申", "酉", "戌", "戌"}},
        {"辛", {"午寅", "子", "亥", "酉", "戌", "酉", "亥"}},
        {"壬", {"卯巳", "寅", "酉", "亥", "子", "子", "丑"}},
        {"癸", {"卯巳", "卯", "寅", "子", "丑", "申", "寅"}},
    };
    const LandPP lp{kFixedNow};
    expectEveryEntry(names, rows, kBranchChars,
                     [&lp](const std::string& k, const std::string& s) { return lp.ShenShaTG(k, s); });
}

TEST(ShenShaNZ, EveryYearBranchOnEveryBranch)
{
    const std::vector<std::string_view> names = {"将星", "驿马", "华盖", "劫煞", "灾煞",
                                                 "桃花", "红鸾", "天喜", "孤辰", "寡宿"};
    const std::vector<KeyValues> rows = {
        {"子", {"子", "寅", "戌", "巳", "午", "酉", "卯", "酉", "寅", "戌"}},
        {"丑", {"酉", "亥", "丑", "寅", "卯", "午", "寅", "申", "寅", "戌"}},
        {"寅", {"午", "申", "戌", "亥", "子", "卯", "丑", "未", "巳", "丑"}},
        {"卯", {"卯", "巳", "未", "申", "酉", "子", "子", "午", "巳", "丑"}},
        {"辰", {"子", "寅", "戌", "巳", "午", "酉", "亥", "巳", "巳", "丑"}},
        {"巳", {"酉", "亥", "丑", "寅", "卯", "午", "戌", "辰", "申", "辰"}},
        {"午", {"午", "申", "戌", "亥", "子", "卯", "酉", "卯", "申", "辰"}},
        {"未", {"卯", "巳", "未", "申", "酉", "子", "申", "寅", "申", "辰"}},
        {"申", {"子", "寅", "戌", "巳", "午", "酉", "未", "丑", "亥", "未"}},
        {"酉", {"酉", "亥", "丑", "寅", "卯", "午", "午", "子", "亥", "未"}}, // 华盖 on 丑 in this table
        {"戌", {"午", "申", "戌", "亥", "子", "卯", "巳", "亥", "亥", "未"}},
        {"亥", {"卯", "巳", "未", "申", "酉", "子", "辰", "戌", "寅", "戌"}},
    };
    const LandPP lp{kFixedNow};
    expectEveryEntry(names, rows, kBranchChars,
                     [&lp](const std::string& k, const std::string& s) { return lp.ShenShaNZ(k, s); });
}

// The month table's values are single stems or branches, so a one-character text holds a value only by being it.
TEST(ShenShaYZ, EveryMonthBranchOnEveryStemAndBranch)
{
    const std::vector<std::string_view> names = {"天德", "天德合", "月德", "月德合"};
    // clang-format off
    const std::vector<KeyValues> rows = {
        {"子", {"巳", "申", "壬", "丁"}},
        {"丑", {"庚", "乙", "庚", "乙"}}, // two stars on each value
        {"寅", {"丁", "壬", "丙", "辛"}},
        {"卯", {"申", "巳", "甲", "己"}},
        {"辰", {"壬", "丁", "壬", "丁"}},
        {"巳", {"辛", "丙", "庚", "乙"}},
        {"午", {"亥", "寅", "丙", "辛"}},
        {"未", {"甲", "己", "甲", "己"}},
        {"申", {"癸", "戊", "壬", "丁"}},
        {"酉", {"寅", "亥", "庚", "乙"}},
        {"戌", {"丙", "辛", "丙", "辛"}},
        {"亥", {"乙", "庚", "甲", "己"}},
    };
    // clang-format on
    const std::string everyChar = std::string(kStemChars) + std::string(kBranchChars);
    const LandPP lp{kFixedNow};
    expectEveryEntry(names, rows, everyChar,
                     [&lp](const std::string& k, const std::string& s) { return lp.ShenShaYZ(k, s); });
}

TEST(ShenShaRZ, EveryDayBranchOnEveryBranch)
{
    const std::vector<std::string_view> names = {"驿马", "华盖", "桃花", "劫煞", "亡神", "将星"};
    const std::vector<KeyValues> rows = {
        {"子", {"寅", "戌", "酉", "巳", "亥", "子"}},
        {"丑", {"亥", "丑", "午", "寅", "申", "酉"}},
        {"寅", {"申", "戌", "卯", "亥", "巳", "午"}},
        {"卯", {"巳", "未", "子", "申", "寅", "卯"}},
        {"辰", {"寅", "戌", "酉", "巳", "亥", "子"}},
        {"巳", {"亥", "丑", "午", "寅", "申", "酉"}},
        {"午", {"申", "戌", "卯", "亥", "巳", "午"}},
        {"未", {"巳", "未", "子", "申", "寅", "卯"}},
        {"申", {"寅", "戌", "酉", "巳", "亥", "子"}},
        {"酉", {"亥", "未", "午", "寅", "申", "酉"}}, // 华盖 on 未, unlike the year table
        {"戌", {"申", "戌", "卯", "亥", "巳", "午"}},
        {"亥", {"巳", "未", "子", "申", "寅", "卯"}},
    };
    const LandPP lp{kFixedNow};
    expectEveryEntry(names, rows, kBranchChars,
                     [&lp](const std::string& k, const std::string& s) { return lp.ShenShaRZ(k, s); });
}

} // namespace
