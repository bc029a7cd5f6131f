#include "models/calendar/Almanac.h"

#include <gtest/gtest.h>

#include <string>

// Every row of the almanac's tables: the twelve day officers in every month, the taboos of all sixty days, the
// directions of the ten day stems, the ten 上朔 days and the thirteen 杨公 days.
namespace {

struct Officer
{
    const char* name;
    const char* suited;   // the activities after "宜："
    const char* unsuited; // the activities after the label
    const char* unsuitedLabel = "忌：";
};

// clang-format off
const Officer kOfficers[] = {
    {"建", "出行,上任,会友,上书,见工", "动土,开仓,嫁娶,纳采"},
    {"除", "除服,疗病,出行,拆卸,入宅", "求官,上任,开张,搬家,探病"},
    {"满", "祈福,祭祀,结亲,开市,交易", "服药,求医,栽种,动土,迁移"},
    {"平", "祭祀,修坟,涂泥,余事勿取", "移徙,入宅,嫁娶,开市,安葬"},
    {"定", "交易,立券,会友,签约,纳畜", "种植,置业,卖田,掘井,造船"},
    {"执", "祈福,祭祀,求子,结婚,立约", "开市,交易,搬家,远行"},
    {"破", "求医,赴考,祭祀,余事勿取", "动土,出行,移徙,开市,修造", "n忌："}, // a Latin n, as printed
    {"危", "经营,交易,求官,纳畜,动土", "登高,行船,安床,入宅,博彩"},
    {"成", "祈福,入学,开市,求医,成服", "词讼,安門,移徙"}, // 門 in the traditional form, as printed
    {"收", "祭祀,求财,签约,嫁娶,订盟", "开市,安床,安葬,入宅,破土"},
    {"开", "疗病,结婚,交易,入仓,求职", "安葬,动土,针灸"},
    {"闭", "祭祀,交易,收财,安葬", "宴会,安床,出行,嫁娶,移徙"},
};
// clang-format on

// The officers follow the branches from 建 on the day of the month's own branch, in every month.
TEST(JiYi, EveryOfficerInEveryMonth)
{
    for (int officer = 0; officer < 12; ++officer) {
        const Officer& o = kOfficers[officer];
        SCOPED_TRACE(o.name);
        const std::string expected = std::string("宜：") + o.suited + "\r\n" + o.unsuitedLabel + o.unsuited;
        for (int mdz = 0; mdz < 12; ++mdz)
            EXPECT_EQ(models::JiYi(mdz, (mdz + officer) % 12), expected) << "month branch " << mdz;
    }
}

// clang-format off
constexpr const char* kStemTaboos[] = {"甲不开仓", "乙不栽植", "丙不修灶", "丁不剃头", "戊不受田",
                                       "己不破券", "庚不经络", "辛不合酱", "壬不泱水", "癸不词讼"};
// clang-format on
// clang-format off
constexpr const char* kBranchTaboos[] = {"子不问卜", "丑不冠带", "寅不祭祀", "卯不穿井", "辰不哭泣", "巳不远行",
                                         "午不苫盖", "未不服药", "申不安床", "酉不会客", "戌不吃犬", "亥不嫁娶"};
// clang-format on

TEST(PengZu, EveryDayOfTheCycle)
{
    for (int dayIndex = 0; dayIndex < 60; ++dayIndex) {
        SCOPED_TRACE(dayIndex);
        EXPECT_EQ(models::PengZu(dayIndex),
                  std::string(kStemTaboos[dayIndex % 10]) + " " + kBranchTaboos[dayIndex % 12]);
    }
}

struct Directions
{
    const char* dayStem;
    const char* xiShen;
    const char* caiShen;
    const char* fuShen;
};

// clang-format off
const Directions kDirections[] = {
    {"甲", "东北", "东北", "东南"}, {"乙", "西北", "东北", "东南"}, {"丙", "西南", "西南", "正东"},
    {"丁", "正南", "西南", "正东"}, {"戊", "东南", "正北", "正北"}, {"己", "东北", "正北", "正南"},
    {"庚", "西北", "正东", "西南"}, {"辛", "西南", "正东", "西南"}, {"壬", "正南", "正南", "西北"},
    {"癸", "东南", "正南", "正西"},
};
// clang-format on

TEST(XiShenCaiShenFuShen, EveryDayStem)
{
    for (long stem = 0; stem < 10; ++stem) {
        const Directions& c = kDirections[stem];
        SCOPED_TRACE(c.dayStem);
        EXPECT_EQ(models::XiShen(stem), c.xiShen);
        EXPECT_EQ(models::CaiShen(stem), c.caiShen);
        EXPECT_EQ(models::FuShen(stem), c.fuShen);
    }
}

struct ShangShuo
{
    const char* day; // the 上朔 day pillar of a year of this stem
    int dayStem, dayBranch;
};

// Indexed by year stem, 甲 first.
// clang-format off
const ShangShuo kShangShuo[] = {
    {"癸亥", 9, 11}, {"己巳", 5, 5},  {"乙亥", 1, 11}, {"辛巳", 7, 5},  {"丁亥", 3, 11},
    {"癸巳", 9, 5},  {"己亥", 5, 11}, {"乙巳", 1, 5},  {"辛亥", 7, 11}, {"丁巳", 3, 5},
};
// clang-format on

// Year and month branch equal to the day's (no 岁破, no 月破), lunar 正月初二 (no 杨公).
TEST(CalConv2, EveryYearStemsShangShuoDay)
{
    for (int Y = 0; Y < 10; ++Y) {
        const ShangShuo& c = kShangShuo[Y];
        SCOPED_TRACE(c.day);
        const int dd = c.dayBranch;
        EXPECT_EQ(models::CalConv2(dd, dd, dd, Y, c.dayStem, 1, 2), "日值上朔 大事不宜");
        EXPECT_EQ(models::CalConv2(dd, dd, dd, (Y + 1) % 10, c.dayStem, 1, 2), "0") << "in the next year stem";
    }
}

struct LunarDay
{
    int month, day;
};

// clang-format off
const LunarDay kYangGong[] = {{1, 13}, {2, 11}, {3, 9},  {4, 7},   {5, 5},   {6, 3},  {7, 1},
                              {7, 29}, {8, 27}, {9, 25}, {10, 23}, {11, 21}, {12, 19}};
// clang-format on

// A 甲子 day in a 甲子 year and month: no other warning holds.
TEST(CalConv2, EveryYangGongDay)
{
    for (const auto& c : kYangGong) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
        EXPECT_EQ(models::CalConv2(0, 0, 0, 0, 0, c.month, c.day), "日值杨公十三忌 大事不宜");
        EXPECT_EQ(models::CalConv2(0, 0, 0, 0, 0, c.month, c.day + 1), "0") << "the day after";
    }
}

} // namespace
