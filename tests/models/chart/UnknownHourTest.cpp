#include "models/chart/ChartSheet.h"
#include "models/chart/ChartText.h"

#include "tests/models/chart/Listed.h"
#include "tests/models/chart/WorkedCharts.h"
#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

models::ChartRequest unknownHour(std::string_view year, std::string_view month, std::string_view day,
                                 std::string_view layout = "竖排")
{
    // The lists still hold an hour; the box makes the chart ignore it.
    auto request = worked::listed("张三", true, false, year, month, day, "16", "25", layout, true);
    request.hourUnknown = true;
    request.analysis = true;
    return request;
}

// clang-format off
// 1984-03-02, hour unknown: a dash is one character, two columns, as the cells count it. The 16:25 chart of ChartTextTest without its 甲申 hour. The luck counts from 12:00 to
// 惊蛰 (03-05 16:38): 4598 minutes = 1 year (4320) + 278 = 23 days (12 each) + 2 minutes (4 hours), so the hand-over
// is 1985-03-25 16:00. Analysis of 甲子 丙寅 乙未 alone: 胎息 庚午 (乙 with 庚, 未 with 午); only 子未 六害 is left of
// the relations (the hour's 寅申 clash and 子申 half go); elements 木 甲寅乙, 火 丙, 土 未, 水 子, with the hidden
// stems of 子 (癸) 寅 (甲丙戊) 未 (己丁乙); ten gods of 甲 丙 to 乙: 劫财 伤官, the hidden add 偏印, 劫财 伤官 正财,
// 偏财 食神 比肩.
const std::vector<std::string> kWorkedHead = {
    "姓名：张三       性别：男",
    "出生公历：1984-03-02 时辰不详    农历：农历甲子年(鼠)正月三十",
    "",
    "立春：1984-02-04 22:08:00    惊蛰：1984-03-05 16:38:00",
    "",
    "胎元：丁巳    命宫：—",
    "",
    "旬空： " "戌亥    " "戌亥    " "辰巳    " "—      ",
    "十神： " "劫财    " "伤官    " "日主    " "—      ",
    "男命： " "甲      " "丙      " "乙      " "—      ",
    "       " "子      " "寅      " "未      " "—      ",
    "遁藏： " "癸偏印  " "甲劫财  " "乙比肩  " "—      ",
    "       " "        " "丙伤官  " "己偏财  " "        ",
    "       " "        " "戊正财  " "丁食神  " "        ",
    "旺衰： " "病      " "帝旺    " "养      " "—      ",
    "纳音： " "海中金  " "炉中火  " "砂石金  " "—      ",
    "",
    "年支： " "将星    " "驿马    " "        " "—      ",
    "       " "        " "孤辰    " "        " "        ",
    "年干： " "沐浴    " "干禄    " "贵人    " "—      ",
    "月支： " "        " "        " "        " "—      ",
    "日支： " "桃花    " "亡神    " "华盖    " "—      ",
    "日干： " "贵人    " "        " "        " "—      ", // the hour's 红艳 row goes with it
    "",
    "起运： 命主于出生后1年0月23天4时开始起运",
    "交运： 命主于公历1985年3月25日16时交运",
};
const std::vector<std::string> kWorkedAnalysis = {
    "身宫：—    胎息：庚午",
    "纳音：胎元沙中土  胎息路旁土  命宫—  身宫—",
    "自坐： " "沐浴    " "长生    " "养      " "—      ",
    "刑冲合害：六害 子未（年、日）",
    "五行统计：木3 火1 土1 金0 水1；含藏干：木4 火3 土2 金0 水1",
    "十神统计：比肩0 劫财1 食神0 伤官1 偏财0 正财0 七杀0 正官0 偏印0 正印0；"
    "含藏干：比肩1 劫财2 食神1 伤官2 偏财1 正财1 七杀0 正官0 偏印1 正印0",
    "月令旺衰：木旺 火相 水休 金囚 土死",
    "提示：时辰不详：起运按出生日12:00计算",
};
// clang-format on

// The rows from the first to the hand-over, and the analysis rows after the yearly block.
void expectWorkedRows(const std::vector<std::string>& rows, const std::vector<std::string>& head)
{
    ASSERT_GT(rows.size(), head.size() + kWorkedAnalysis.size());
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(rows[i], head[i]) << "row " << i;
    const std::size_t analysis = rows.size() - 2 - kWorkedAnalysis.size();
    for (std::size_t i = 0; i < kWorkedAnalysis.size(); ++i)
        EXPECT_EQ(rows[analysis + i], kWorkedAnalysis[i]) << "analysis row " << i;
}

TEST(UnknownHour, WorkedChartLeavesOutEveryHourItem)
{
    expectWorkedRows(worked::rowsOf(unknownHour("1984", "03", "02"), kFixedNow), kWorkedHead);
}

TEST(UnknownHour, HorizontalLayoutShowsOneDashForTheHourPillar)
{
    std::vector<std::string> head = kWorkedHead;
    head[9] = "男命： 甲子    丙寅    乙未    —      ";
    head.erase(head.begin() + 10); // no branch row of its own
    expectWorkedRows(worked::rowsOf(unknownHour("1984", "03", "02", "横排"), kFixedNow), head);
}

// The luck, the yearly pillars and the three pillars do not depend on the hour the lists still show.
TEST(UnknownHour, ListedHourAndMinuteAreIgnored)
{
    auto early = unknownHour("1984", "03", "02");
    early.birth = models::birthOfLists({false, "1984", "03", "02", "00", "05"}).value();
    EXPECT_EQ(worked::rowsOf(early, kFixedNow), worked::rowsOf(unknownHour("1984", "03", "02"), kFixedNow));
}

// A 节 on the birth day: the chart shows noon's pillars, and the notice the pillars either side of the 节, by hand
// from the terms rows (1984: 立春 02-04 22:08, 惊蛰 03-05 16:38; 2024: 立春 02-04 14:39).
TEST(UnknownHour, TermOnTheBirthDayNamesBothSides)
{
    const struct
    {
        const char* why;
        const char* year;
        const char* month;
        const char* day;
        std::string notice; // empty: no term notice
    } kCases[] = {
        {"惊蛰 in the afternoon: the month only", "1984", "03", "05",
         "提示：惊蛰在出生当日16:38交节，月柱随时辰而定：16:38前为丙寅月，16:38后为丁卯月"},
        {"立春 at night: the year as well", "1984", "02", "04",
         "提示：立春在出生当日22:08交节，年柱、月柱随时辰而定：22:08前为乙丑月、癸亥年，22:08后为丙寅月、甲子年"},
        {"立春 2024 in the afternoon", "2024", "02", "04",
         "提示：立春在出生当日14:39交节，年柱、月柱随时辰而定：14:39前为乙丑月、癸卯年，14:39后为丙寅月、甲辰年"},
        {"the day before a 节: no term notice, however close the 节", "1984", "03", "04", ""},
        {"the day after: none either", "1984", "03", "06", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const auto rows = worked::rowsOf(unknownHour(c.year, c.month, c.day), kFixedNow);
        const auto notice =
            std::find_if(rows.begin(), rows.end(), [](const std::string& r) { return r.starts_with("提示："); });
        ASSERT_NE(notice, rows.end());
        if (c.notice.empty()) {
            EXPECT_EQ(*notice, "提示：时辰不详：起运按出生日12:00计算");
        } else {
            EXPECT_EQ(*notice, c.notice);
            EXPECT_EQ(*(notice + 1), "      时辰不详：起运按出生日12:00计算");
        }
    }
}

// Near midnight or a double-hour edge a known hour gets notices; an unknown one gets neither the hour nor the 子
// notice, and no day pillar other than the clock date's.
TEST(UnknownHour, SweepOfDaysKeepsTheClockDayAndOnlyItsOwnNotices)
{
    for (local_days d{year{1950} / 1 / 1}; d < local_days{year{1952} / 1 / 1}; d += days{3}) {
        models::ChartRequest r;
        r.name = "张三";
        r.birth = engine::LocalTime{d} + hours{23} + minutes{30};
        r.hourUnknown = true;
        r.analysis = true;
        const auto made = models::chartOf(r, kFixedNow);
        ASSERT_TRUE(std::holds_alternative<models::Chart>(made)) << engine::writeDate(d);
        const auto& chart = std::get<models::Chart>(made);
        r.hourUnknown = false;
        r.birth = engine::LocalTime{d} + hours{12};
        const auto noonMade = models::chartOf(r, kFixedNow);
        const auto& noon = std::get<models::Chart>(noonMade);
        EXPECT_EQ(chart.pillars.chars.ganZhi(2), noon.pillars.chars.ganZhi(2)) << engine::writeDate(d);
        EXPECT_EQ(chart.luck.handOver, noon.luck.handOver) << engine::writeDate(d);
        for (const auto& n : chart.analysis->notices)
            EXPECT_TRUE(n.kind == models::NoticeKind::term || n.kind == models::NoticeKind::unknownHour)
                << engine::writeDate(d) << " " << n.text;
        EXPECT_EQ(chart.analysis->notices.back().kind, models::NoticeKind::unknownHour);
    }
}

// True solar time would move the day by a guess of the hour: the chart keeps the clock date and says so.
TEST(UnknownHour, SolarTimeIsNotAppliedToAnUnknownHour)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    auto r = unknownHour("1990", "01", "15");
    r.moment.place = models::findPlace("喀什");
    r.moment.solarTime = engine::SolarTimeKind::apparent;
    const auto chart = std::get<models::Chart>(models::chartOf(r, kFixedNow));
    const auto clock = std::get<models::Chart>(models::chartOf(unknownHour("1990", "01", "15"), kFixedNow));
    EXPECT_EQ(chart.pillars.chars.ganZhi(2), clock.pillars.chars.ganZhi(2));
    const auto rows = models::chartLines(chart);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "真太阳时：不用（时辰不详）"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "      时辰不详：不用真太阳时，日柱按出生日期"), rows.end());
}

// The drawn chart shows a dash for every glyph and reading of the hour pillar, with no element to colour it.
TEST(UnknownHour, SheetShowsDashesForTheHourPillar)
{
    const auto chart = std::get<models::Chart>(models::chartOf(unknownHour("1984", "03", "02"), kFixedNow));
    const models::ChartSheet sheet = models::chartSheet(chart);
    const models::SheetPillar& hour = sheet.pillars[3];
    EXPECT_EQ(hour.title, "时柱");
    for (const auto* glyph : {&hour.stem, &hour.branch}) {
        EXPECT_EQ(glyph->text, "—");
        EXPECT_FALSE(glyph->element);
    }
    for (const auto& text : {hour.tenGod, hour.growth, hour.naYin, hour.voids, hour.selfSeat})
        EXPECT_EQ(text, "—");
    EXPECT_EQ(sheet.lifePalace, "—");
    EXPECT_EQ(sheet.header.front(), "公历：1984-03-02 时辰不详");
    ASSERT_TRUE(sheet.analysis);
    EXPECT_EQ(sheet.analysis->bodyPalace, "—");
    EXPECT_EQ(sheet.pillars[2].stem.text, "乙"); // the day pillar is whole
}

} // namespace
