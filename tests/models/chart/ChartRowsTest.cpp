#include "models/chart/ChartText.h"

#include <gtest/gtest.h>

#include <algorithm>

// Chart rows laid out from hand-made values, for layouts no real chart produces.
namespace {

using namespace std::chrono;
using models::Chart;

Chart sampleData(std::optional<engine::StarRows> stars, models::Layout layout = models::Layout::vertical)
{
    Chart c;
    c.name = "某";
    c.layout = layout;
    c.luck.handOver = engine::LocalTime{local_days{year{1993} / 11 / 18}} + hours{12};
    c.stars = std::move(stars);
    c.startAge = 3;
    c.startYear = 1993;
    c.luck.firstYearly = 129; // 1993, 癸酉
    return c;
}

std::size_t indexOf(const std::vector<std::string>& lines, std::string_view start)
{
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.starts_with(start); });
    return static_cast<std::size_t>(it - lines.begin());
}

TEST(ChartText, StarRowsFollowTheFieldsEachCategoryHas)
{
    const std::string blank(8, ' ');
    const auto lines =
        models::chartLines(sampleData(engine::StarRows{{
                                          {"将星,,华盖", "", "", "甲,乙,丙,丁"}, // a gap, then a cut after three
                                          {"", "", "", ""},                      // none at all: one blank row
                                          {"天德,月德", "", "", ""},             // two: two rows
                                          {"a,b,c", "", "", ""},                 // three: the third is dropped
                                          {"", "桃花", "", ""},                  // one: no second row
                                      }},
                                      models::Layout::horizontal));
    const std::size_t first = indexOf(lines, "年支： ");
    ASSERT_LT(first + 10, lines.size());
    EXPECT_EQ(lines[first - 1], "");
    EXPECT_EQ(lines[first - 2].substr(0, 10), "纳音： ");
    const std::vector<std::string> expected = {
        "年支： 将星    " + blank + blank + "甲      ",
        "       " + blank + blank + blank + "乙      ", // field 1 of the first pillar is empty, of the last 乙
        "       华盖    " + blank + blank + "丙      ", "年干： " + blank + blank + blank + blank,
        "月支： 天德    " + blank + blank + blank,      "       月德    " + blank + blank + blank,
        "日支： a       " + blank + blank + blank,      "       b       " + blank + blank + blank,
        "日干： " + blank + "桃花    " + blank + blank, "",
        "起运： 命主于出生后0年0月0天0时开始起运",
    };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[first + i], expected[i]) << "row " << i;
}

TEST(ChartText, YearBranchThirdRowStandsWithoutTheSecond)
{
    const std::string blank(8, ' ');
    const auto lines = models::chartLines(sampleData(engine::StarRows{{
        {"", "将星,,华盖", "", ""},
    }}));
    const std::size_t first = indexOf(lines, "年支： ");
    ASSERT_LT(first + 2, lines.size());
    EXPECT_EQ(lines[first], "年支： " + blank + "将星    " + blank + blank);
    EXPECT_EQ(lines[first + 1], "       " + blank + "华盖    " + blank + blank);
    EXPECT_EQ(lines[first + 2].substr(0, 10), "年干： ");
}

TEST(ChartText, WithoutStarsNaYinIsFollowedByOneEmptyRowAndTheStart)
{
    const auto lines = models::chartLines(sampleData(std::nullopt));
    const std::size_t naYin = indexOf(lines, "纳音： ");
    ASSERT_LT(naYin + 2, lines.size());
    EXPECT_EQ(lines[naYin + 1], "");
    EXPECT_EQ(lines[naYin + 2], "起运： 命主于出生后0年0月0天0时开始起运");
    EXPECT_EQ(lines[naYin + 3], "交运： 命主于公历1993年11月18日12时交运");
    EXPECT_EQ(indexOf(lines, "年支： "), lines.size());
}

TEST(ChartText, AgeAndYearRowsStepByTenFromTheStart)
{
    const auto lines = models::chartLines(sampleData(std::nullopt));
    const std::size_t ages = indexOf(lines, "岁数： ");
    ASSERT_LT(ages + 12, lines.size());
    EXPECT_EQ(lines[ages - 1].substr(0, 10), "大运： ");
    EXPECT_EQ(lines[ages], "岁数： 3岁     13岁    23岁    33岁    43岁    53岁    63岁    73岁    ");
    EXPECT_EQ(lines[ages + 1], "交运： 1993    2003    2013    2023    2033    2043    2053    2063    ");
    // The first row of yearly pillars is labelled like the age row; the other nine carry no label. Column c runs
    // on from the hand-over year plus ten c years.
    EXPECT_EQ(lines[ages + 2], "岁数： 癸酉    癸未    癸巳    癸卯    癸丑    癸亥    癸酉    癸未    ");
    EXPECT_EQ(lines[ages + 3], "       甲戌    甲申    甲午    甲辰    甲寅    甲子    甲戌    甲申    ");
    for (std::size_t r = 4; r <= 11; ++r)
        EXPECT_EQ(lines[ages + r].substr(0, 7), std::string(7, ' ')) << "yearly row " << r - 2;
    EXPECT_EQ(lines[ages + 11], "       壬午    壬辰    壬寅    壬子    壬戌    壬申    壬午    壬辰    ");
    EXPECT_EQ(lines[ages + 12], "");
    EXPECT_EQ(lines.back(), "");
}

} // namespace
