#include "models/calendar/Almanac.h"

#include <array>
#include <cstdlib>

#include "engine/support/RangeError.h"

using namespace engine;

namespace models {
namespace {

// 彭祖百忌 of the day stem, 甲 first.
// clang-format off
constexpr std::array<std::string_view, 10> kStemTaboos = {
    "甲不开仓", "乙不栽植", "丙不修灶", "丁不剃头", "戊不受田",
    "己不破券", "庚不经络", "辛不合酱", "壬不泱水", "癸不词讼",
};
// clang-format on
static_assert(kStemTaboos.size() == 10);

// 彭祖百忌 of the day branch, 子 first.
// clang-format off
constexpr std::array<std::string_view, 12> kBranchTaboos = {
    "子不问卜", "丑不冠带", "寅不祭祀", "卯不穿井", "辰不哭泣", "巳不远行",
    "午不苫盖", "未不服药", "申不安床", "酉不会客", "戌不吃犬", "亥不嫁娶",
};
// clang-format on
static_assert(kBranchTaboos.size() == 12);

// Directions of 喜神, 财神 and 福神 by day stem, 甲 first.
struct Directions
{
    std::string_view xiShen;
    std::string_view caiShen;
    std::string_view fuShen;
};
// clang-format off
constexpr std::array<Directions, 10> kDirections = {{
    {"东北", "东北", "东南"},
    {"西北", "东北", "东南"},
    {"西南", "西南", "正东"},
    {"正南", "西南", "正东"},
    {"东南", "正北", "正北"},
    {"东北", "正北", "正南"},
    {"西北", "正东", "西南"},
    {"西南", "正东", "西南"},
    {"正南", "正南", "西北"},
    {"东南", "正南", "正西"},
}};
// clang-format on
static_assert(kDirections.size() == 10);

// 建除十二值星 from 建, each with its 宜 and 忌 text. The 破 row's 忌 text really begins with a Latin "n".
struct DayOfficer
{
    std::string_view name;
    std::string_view yi;
    std::string_view ji;
};
// clang-format off
constexpr std::array<DayOfficer, 12> kDayOfficers = {{
    {"建", "宜：出行,上任,会友,上书,见工", "忌：动土,开仓,嫁娶,纳采"},
    {"除", "宜：除服,疗病,出行,拆卸,入宅", "忌：求官,上任,开张,搬家,探病"},
    {"满", "宜：祈福,祭祀,结亲,开市,交易", "忌：服药,求医,栽种,动土,迁移"},
    {"平", "宜：祭祀,修坟,涂泥,余事勿取", "忌：移徙,入宅,嫁娶,开市,安葬"},
    {"定", "宜：交易,立券,会友,签约,纳畜", "忌：种植,置业,卖田,掘井,造船"},
    {"执", "宜：祈福,祭祀,求子,结婚,立约", "忌：开市,交易,搬家,远行"},
    {"破", "宜：求医,赴考,祭祀,余事勿取", "n忌：动土,出行,移徙,开市,修造"},
    {"危", "宜：经营,交易,求官,纳畜,动土", "忌：登高,行船,安床,入宅,博彩"},
    {"成", "宜：祈福,入学,开市,求医,成服", "忌：词讼,安門,移徙"},
    {"收", "宜：祭祀,求财,签约,嫁娶,订盟", "忌：开市,安床,安葬,入宅,破土"},
    {"开", "宜：疗病,结婚,交易,入仓,求职", "忌：安葬,动土,针灸"},
    {"闭", "宜：祭祀,交易,收财,安葬", "忌：宴会,安床,出行,嫁娶,移徙"},
}};
// clang-format on
static_assert(kDayOfficers.size() == 12);

// 上朔 by year stem, 甲 first: the day's stem index in decimal followed by its branch index (癸亥 is "911").
// clang-format off
constexpr std::array<std::string_view, 10> kShangShuoKeys = {
    "911", "55", "111", "75", "311", "95", "511", "15", "711", "35",
};
// clang-format on
static_assert(kShangShuoKeys.size() == 10);

// 杨公十三忌 as (lunar month, lunar day); the seventh month has two.
struct LunarMonthDay
{
    int month;
    int day;
};
// clang-format off
constexpr std::array<LunarMonthDay, 13> kYangGongDays = {{
    {1, 13},
    {2, 11},
    {3, 9},
    {4, 7},
    {5, 5},
    {6, 3},
    {7, 1},
    {7, 29},
    {8, 27},
    {9, 25},
    {10, 23},
    {11, 21},
    {12, 19},
}};
// clang-format on
static_assert(kYangGongDays.size() == 13);

const Directions& directionsOf(long dayIndex)
{
    return kDirections[static_cast<std::size_t>(floorMod(dayIndex, 10))];
}

// Two branches in opposition (冲): six apart on the circle of twelve.
bool opposed(int a, int b)
{
    return std::abs(floorMod(a, 12) - floorMod(b, 12)) == 6;
}

} // namespace

std::string_view XiShen(long dayIndex)
{
    return directionsOf(dayIndex).xiShen;
}

std::string_view CaiShen(long dayIndex)
{
    return directionsOf(dayIndex).caiShen;
}

std::string_view FuShen(long dayIndex)
{
    return directionsOf(dayIndex).fuShen;
}

std::string PengZu(long dayIndex)
{
    std::string text(kStemTaboos[static_cast<std::size_t>(floorMod(dayIndex, 10))]);
    text += ' ';
    text += kBranchTaboos[static_cast<std::size_t>(floorMod(dayIndex, 12))];
    return text;
}

std::string JiYi(int mdz, int ddz)
{
    const DayOfficer& officer = kDayOfficers[static_cast<std::size_t>(floorMod(ddz - mdz, 12))]; // [0, 11]
    std::string text(officer.yi);
    text += "\r\n";
    text += officer.ji;
    return text;
}

std::string CalConv2(int yy, int mm, int dd, int Y, int d, int m, int dt)
{
    if (opposed(dd, yy))
        return "日值岁破 大事不宜";
    if (opposed(dd, mm))
        return "日值月破 大事不宜";
    const std::string key = std::to_string(floorMod(d, 10)) + std::to_string(floorMod(dd, 12));
    if (key == kShangShuoKeys[static_cast<std::size_t>(floorMod(Y, 10))])
        return "日值上朔 大事不宜";
    for (const LunarMonthDay& day : kYangGongDays) {
        if (day.month == m && day.day == dt)
            return "日值杨公十三忌 大事不宜";
    }
    return "0";
}

} // namespace models
