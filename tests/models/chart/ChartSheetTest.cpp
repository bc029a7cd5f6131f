#include "models/chart/ChartSheet.h"

#include "tests/models/chart/WorkedSheet.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using engine::Element;
using models::ChartRequest;
using models::ChartSheet;

using worked::sheetOn;
engine::LocalTime at(int y, unsigned m, unsigned d, int h = 0)
{
    return worked::day(y, m, d, h);
}
const ChartRequest& kWorked = worked::kForwardRequest;

TEST(ChartSheet, PillarsCarryTheirElementsAndHiddenStems)
{
    const ChartSheet s = sheetOn(kWorked, at(2024, 2, 10));
    struct Expected
    {
        const char* stem;
        Element stemElement;
        const char* branch;
        Element branchElement;
        std::vector<std::pair<const char*, const char*>> hidden;
    };
    const Expected pillars[] = {
        {"甲", Element::wood, "子", Element::water, {{"癸", "偏印"}}}, // 子 hides one stem: no filler entries
        {"丙", Element::fire, "寅", Element::wood, {{"甲", "劫财"}, {"丙", "伤官"}, {"戊", "正财"}}},
        {"乙", Element::wood, "未", Element::earth, {{"乙", "比肩"}, {"己", "偏财"}, {"丁", "食神"}}},
        {"甲", Element::wood, "申", Element::metal, {{"戊", "正财"}, {"庚", "正官"}, {"壬", "正印"}}},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const auto& p = s.pillars[i];
        EXPECT_EQ(p.stem.text, pillars[i].stem);
        EXPECT_EQ(p.stem.element, pillars[i].stemElement);
        EXPECT_EQ(p.branch.text, pillars[i].branch);
        EXPECT_EQ(p.branch.element, pillars[i].branchElement);
        ASSERT_EQ(p.hidden.size(), pillars[i].hidden.size());
        for (std::size_t k = 0; k < p.hidden.size(); ++k) {
            EXPECT_EQ(p.hidden[k].stem.text, pillars[i].hidden[k].first);
            EXPECT_EQ(p.hidden[k].tenGod, pillars[i].hidden[k].second);
        }
    }
    EXPECT_EQ(s.pillars[2].tenGod, "日主");
    EXPECT_EQ(s.conception, "丁巳");
    EXPECT_EQ(s.lifePalace, "辛未");
    EXPECT_EQ(s.handOver, "命主于公历1985年3月3日18时交运");
    EXPECT_EQ(s.header.back(), "立春：1984-02-04 22:08:00    惊蛰：1984-03-05 16:38:00");
}

TEST(ChartSheet, StarsKeepTheirKeysAndDropBlankEntries)
{
    const ChartSheet s = sheetOn(kWorked, at(2024, 2, 10));
    ASSERT_EQ(s.stars.size(), 5u);
    EXPECT_EQ(s.stars[0].key, "年支");
    EXPECT_EQ(s.stars[0].names[1], (std::vector<std::string>{"驿马", "孤辰"})); // both on 寅
    EXPECT_TRUE(s.stars[2].names[0].empty());                                   // 寅 month: no branch stars
    EXPECT_EQ(s.stars[4].names[3], (std::vector<std::string>{"贵人", "红艳"}));

    ChartRequest plain = kWorked;
    plain.stars = false;
    EXPECT_TRUE(sheetOn(plain, at(2024, 2, 10)).stars.empty());
}

// The luck pillar i runs from the hand-over (1985-03-03 18:25) plus 10·i years; the yearly pillars shown are the
// running pillar's, else the first before the hand-over and the last after the eighth.
TEST(ChartSheet, TheDayDecidesTheRunningLuckAndYear)
{
    struct Case
    {
        const char* why;
        engine::LocalTime today;
        std::optional<int> luck;
        int shown;
        int firstYear;
        std::optional<int> year;
    };
    const Case cases[] = {
        {"before the first hand-over", at(1985, 3, 3, 18), std::nullopt, 0, 1985, 0},
        {"the hand-over's minute", at(1985, 3, 3, 18) + minutes{25}, 0, 0, 1985, 0},
        {"the last day of the fourth", at(2025, 3, 3, 18), 3, 3, 2015, std::nullopt},
        {"the fifth's first minute", at(2025, 3, 3, 18) + minutes{25}, 4, 4, 2025, 0},
        {"the day the sheet is made", at(2026, 12, 8), 4, 4, 2025, 1},
        {"the eighth", at(2064, 1, 1), 7, 7, 2055, 9},
        {"after the eighth", at(2070, 1, 1), std::nullopt, 7, 2055, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const ChartSheet s = sheetOn(kWorked, c.today);
        EXPECT_EQ(s.currentLuck, c.luck);
        EXPECT_EQ(s.shownPeriod, c.shown);
        EXPECT_EQ(s.yearly.front().year, c.firstYear);
        EXPECT_EQ(s.currentYear, c.year);
    }
    const ChartSheet s = sheetOn(kWorked, at(2026, 12, 8));
    EXPECT_EQ(s.luck[4].stem.text + s.luck[4].branch.text, "辛未");
    EXPECT_EQ(s.luck[4].age, 41);
    // 2026 is a 丙午 year.
    EXPECT_EQ(s.yearly[1].stem.text + s.yearly[1].branch.text, "丙午");
    EXPECT_EQ(s.yearly[1].branch.element, Element::fire);
}

} // namespace
