#include "models/calendar/Almanac.h"

#include <gtest/gtest.h>

#include "models/calendar/MonthInfo.h"

namespace {

using namespace std::chrono;

TEST(Almanac, JiaZiDayInAZiMonth)
{
    EXPECT_EQ(models::PengZu(0), "甲不开仓 子不问卜");
    EXPECT_EQ(models::PengZu(59), "癸不词讼 亥不嫁娶");
    EXPECT_EQ(models::JiYi(0, 0), "宜：出行,上任,会友,上书,见工\r\n忌：动土,开仓,嫁娶,纳采"); // 建
    EXPECT_EQ(models::XiShen(0), "东北");
    EXPECT_EQ(models::FuShen(60), "东南"); // the count is reduced
    EXPECT_EQ(models::CaiShen(9), "正南");
}

TEST(JiYi, PoOfficersUnsuitedTextBeginsWithN)
{
    EXPECT_EQ(models::JiYi(0, 6), "宜：求医,赴考,祭祀,余事勿取\r\nn忌：动土,出行,移徙,开市,修造"); // 子 month, 午 day
    EXPECT_EQ(models::JiYi(11, 5), models::JiYi(0, 6));                                            // also 破
}

struct Warning
{
    const char* why;
    int yy, mm, dd, Y, d, m, dt;
    const char* text;
};

// yy, mm, dd: year, month, day branch; Y, d: year and day stem; m, dt: lunar month and day.
// clang-format off
const Warning kWarnings[] = {
    {"午 day in a 子 year, also 月破, 上朔 and 杨公", 0, 0, 6, 9, 3, 1, 13, "日值岁破 大事不宜"},
    {"子 day in a 午 year", 6, 3, 0, 0, 0, 2, 2, "日值岁破 大事不宜"},
    {"月破 before 上朔 and 杨公", 1, 5, 11, 0, 9, 7, 1, "日值月破 大事不宜"},
    {"癸亥 day in a 甲 year before 杨公", 0, 2, 11, 0, 9, 7, 29, "日值上朔 大事不宜"},
    {"乙亥 day in a 丙 year: key 111", 0, 2, 11, 2, 1, 3, 3, "日值上朔 大事不宜"},
    {"癸亥 day in an 乙 year is no 上朔", 0, 2, 11, 1, 9, 3, 3, "0"},
    {"七月初一", 0, 2, 3, 0, 0, 7, 1, "日值杨公十三忌 大事不宜"},
    {"七月廿九", 0, 2, 3, 0, 0, 7, 29, "日值杨公十三忌 大事不宜"},
    {"腊月十九", 0, 2, 3, 0, 0, 12, 19, "日值杨公十三忌 大事不宜"},
    {"an ordinary day", 0, 2, 3, 0, 0, 7, 2, "0"},
};
// clang-format on

TEST(CalConv2, FirstWarningThatHoldsWins)
{
    for (const auto& c : kWarnings) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(models::CalConv2(c.yy, c.mm, c.dd, c.Y, c.d, c.m, c.dt), c.text);
    }
}

struct DayLines
{
    int year, month, day;
    const char* pengZu;
    const char* yiJi;
};

// Real days, their pillars worked out by hand from 2024-01-01 (甲子) and the 2024 term days.
// clang-format off
const DayLines kDays[] = {
    {2024, 1, 1, "彭祖百忌:甲不开仓 子不问卜", "宜：出行,上任,会友,上书,见工\r\n忌：动土,开仓,嫁娶,纳采"}, // 子 month
    {2024, 5, 10, "彭祖百忌:甲不开仓 戌不吃犬", "日值岁破 大事不宜"},      // 戌 day, 辰 year
    {2024, 5, 11, "彭祖百忌:乙不栽植 亥不嫁娶", "日值月破 大事不宜"},      // 亥 day after 立夏 (巳 month)
    {2024, 4, 29, "彭祖百忌:癸不词讼 亥不嫁娶", "日值上朔 大事不宜"},      // 癸亥 day of a 甲 year, 辰 month
    {2024, 8, 4, "彭祖百忌:庚不经络 子不问卜", "日值杨公十三忌 大事不宜"}, // 七月初一, before 立秋
    {2024, 2, 5, "彭祖百忌:己不破券 亥不嫁娶", "宜：祭祀,求财,签约,嫁娶,订盟\r\n忌：开市,安床,安葬,入宅,破土"}, // 收
};
// clang-format on

TEST(GetMonthInfo, FillsTheAlmanacLines)
{
    const models::MonthInfo info{[] { return engine::LocalTime{local_days{year{2030} / 6 / 15}}; }};
    for (const auto& c : kDays) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const auto days = info.GetMonthInfo(c.year, c.month - 1);
        ASSERT_TRUE(days);
        const models::DayInfo& d = (*days)[static_cast<std::size_t>(c.day - 1)];
        EXPECT_EQ(d.PengZuText, c.pengZu);
        EXPECT_EQ(d.YiJiText, c.yiJi);
    }
}

} // namespace
