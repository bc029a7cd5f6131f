#include "models/chart/AnalysisText.h"
#include "models/chart/ChartText.h"

#include "tests/models/chart/Listed.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

// 1984-03-05 16:00, 38 minutes before 惊蛰: 甲子 丙寅 戊戌 庚申, worked by hand.
// 身宫: 寅 month (1) and 申 hour (9) make 10, 亥; its stem from 甲 by the five tigers, 乙. 胎息: 戊 with 癸, 戌 with
// 卯. Relations: 甲庚 clash (year, hour); 子申 half of 申子辰; 寅戌 the ends of 寅午戌; 寅申 clash and punish.
// Elements: 木 甲寅, 火 丙, 土 戊戌, 金 庚申, 水 子; with the hidden stems of 子 (癸) 寅 (甲丙戊) 戌 (辛丁戊) 申
// (庚壬戊). Ten gods of 甲 丙 庚 to 戊: 七杀 偏印 食神; the hidden stems add 正财, 七杀 偏印 比肩, 伤官 正印 比肩, 食神
// 偏财 比肩.
const std::vector<std::string> kWorkedRows = {
    "身宫：乙亥    胎息：癸卯",
    "纳音：胎元沙中土  胎息金薄金  命宫路旁土  身宫山头火", // the NaYin table spells 金薄金
    "自坐： 沐浴    长生    墓      临官    ",
    "刑冲合害：天干相冲 甲庚（年、时）",
    "          半合 子申（年、时） 水",
    "          拱合 寅戌（月、日） 火",
    "          六冲 寅申（月、时）",
    "          相刑 寅申（月、时）",
    "五行统计：木2 火1 土2 金2 水1；含藏干：木2 火3 土4 金3 水2",
    "十神统计：比肩0 劫财0 食神1 伤官0 偏财0 正财0 七杀1 正官0 偏印1 正印0；"
    "含藏干：比肩3 劫财0 食神2 伤官1 偏财1 正财1 七杀2 正官0 偏印2 正印1",
    "月令旺衰：木旺 火相 水休 金囚 土死",
    "提示：出生在惊蛰前38分钟，惊蛰后为丁卯月",
};

models::ChartRequest worked(bool analysis)
{
    auto request = worked::listed("张三", true, false, "1984", "03", "05", "16", "00");
    request.analysis = analysis;
    return request;
}

TEST(ChartAnalysis, WritesItsRowsAfterTheYearlyPillars)
{
    const auto plain = worked::rowsOf(worked(false), kFixedNow);
    const auto with = worked::rowsOf(worked(true), kFixedNow);
    // The chart without the box, then the analysis rows, then the chart's two closing empty rows.
    ASSERT_EQ(with.size(), plain.size() + kWorkedRows.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end() - 2, with.begin()));
    for (std::size_t i = 0; i < kWorkedRows.size(); ++i)
        EXPECT_EQ(with[plain.size() - 2 + i], kWorkedRows[i]) << "row " << i;
    EXPECT_EQ(with.back(), "");
}

TEST(ChartAnalysis, IsComputedOnlyWhenAskedForOrDrawn)
{
    auto request = worked(false);
    EXPECT_FALSE(std::get<models::Chart>(models::chartOf(request, kFixedNow)).analysis);
    request.drawn = true; // the drawn chart shows it always; the text still does not
    const auto drawn = std::get<models::Chart>(models::chartOf(request, kFixedNow));
    ASSERT_TRUE(drawn.analysis);
    EXPECT_EQ(models::chartText(drawn), models::joinLines(worked::rowsOf(worked(false), kFixedNow)));
}

// The palaces' year: before 立春 the year pillar is still the old year's, so its stem gives other palaces.
TEST(ChartAnalysis, PalaceYearChoosesThePalacesStem)
{
    auto request = worked::listed("张三", true, false, "1984", "01", "15", "08", "00");
    request.analysis = true;
    const auto calendar = std::get<models::Chart>(models::chartOf(request, kFixedNow));
    request.moment.palaceYear = models::PalaceYear::pillar;
    const auto pillar = std::get<models::Chart>(models::chartOf(request, kFixedNow));
    // 1984 is a 甲 year (丙寅 starts its palaces), the year pillar 癸亥 a 癸 year (甲寅): the same branches, two stems
    // apart.
    EXPECT_EQ(calendar.lifePalace, "丙子");
    EXPECT_EQ(pillar.lifePalace, "甲子");
    EXPECT_EQ(calendar.analysis->bodyPalace.substr(3), pillar.analysis->bodyPalace.substr(3));
    EXPECT_NE(calendar.analysis->bodyPalace, pillar.analysis->bodyPalace);
    const auto rows = models::chartLines(pillar);
    EXPECT_EQ(rows.at(2), "宫干：依年柱"); // stated after the birth rows, as every other option is
}

} // namespace
