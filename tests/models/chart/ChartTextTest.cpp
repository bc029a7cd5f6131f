#include "models/chart/ChartText.h"

#include "tests/models/chart/Listed.h"
#include "tests/models/chart/WorkedCharts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace std::chrono;
using models::Chart;
using models::ChartRequest;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

// Whole charts worked out by hand from the term formula, the pillar counts and the lookup tables, written as
// worked::chartRows lays them out.
struct WholeChart
{
    const char* why;
    ChartRequest request;
    std::vector<std::string> rows;
};

// clang-format off
// 惊蛰 1984 falls at 03-05 16:38, so a birth at 03-02 16:25 lies 4333 minutes before it: a yang-year male runs
// forward and starts at 1年0月1天2时 (4320 a year, 13 left: one day of 12 and one minute of two hours).
// Pillars 甲子 丙寅 乙未 甲申 (day count 30751, 16:00 is 申, 乙 day starts 子 at 丙).
const WholeChart kForward4333Minutes{
    "male, Gregorian, vertical layout, stars",
    worked::listed("张三", true, false, "1984", "03", "02", "16", "25", "竖排", true),
    worked::chartRows({
        "姓名：张三       性别：男",
        "出生公历：1984-03-02 16:25:00    农历：农历甲子年(鼠)正月三十", // 正月 of 1984 has 30 days from 02-02
        "",
        "立春：1984-02-04 22:08:00    惊蛰：1984-03-05 16:38:00",
        "",
        "胎元：丁巳    命宫：辛未", // month count 1022; palace 未 with the 甲-year stems of 1984
        "",
        "旬空： " "戌亥    " "戌亥    " "辰巳    " "午未    ",
        "十神： " "劫财    " "伤官    " "日主    " "劫财    ",
        "男命： " "甲      " "丙      " "乙      " "甲      ",
        "       " "子      " "寅      " "未      " "申      ",
        "遁藏： " "癸偏印  " "甲劫财  " "乙比肩  " "戊正财  ",
        "       " "        " "丙伤官  " "己偏财  " "庚正官  ", // 子 hides one stem: the filler is a blank cell
        "       " "        " "戊正财  " "丁食神  " "壬正印  ",
        "旺衰： " "病      " "帝旺    " "养      " "胎      ",
        "纳音： " "海中金  " "炉中火  " "砂石金  " "泉中水  ",
        "",
        "年支： " "将星    " "驿马    " "        " "        ", // 子 year: 将星 on 子 itself; 驿马 and 孤辰 on 寅
        "       " "        " "孤辰    " "        " "        ",
        "年干： " "沐浴    " "干禄    " "贵人    " "红艳    ", // one star each: no second row
        "月支： " "        " "        " "        " "        ", // 寅 month: every value is a stem
        "日支： " "桃花    " "亡神    " "华盖    " "劫煞    ",
        "日干： " "贵人    " "        " "        " "贵人    ", // 乙 on 申: 贵人 then 红艳
        "       " "        " "        " "        " "红艳    ",
        "",
        "起运： 命主于出生后1年0月1天2时开始起运",
        "交运： 命主于公历1985年3月3日18时交运",
        "",
        "旺衰： " "临官    " "冠带    " "沐浴    " "长生    " "养      " "胎      " "绝      " "墓      ",
        "纳音： " "炉中火  " "大林木  " "大林木  " "路旁土  " "路旁土  " "剑锋金  " "剑锋金  " "山头火  ",
        "十神： " "食神    " "正财    " "偏财    " "正官    " "七杀    " "正印    " "偏印    " "劫财    ",
        "大运： " "丁卯    " "戊辰    " "己巳    " "庚午    " "辛未    " "壬申    " "癸酉    " "甲戌    ",
        "岁数： " "1岁     " "11岁    " "21岁    " "31岁    " "41岁    " "51岁    " "61岁    " "71岁    ",
        "交运： " "1985    " "1995    " "2005    " "2015    " "2025    " "2035    " "2045    " "2055    ",
    }, "乙丑")};

// The chart the command-line tool prints too: see WorkedCharts.h for how it was worked out.
const WholeChart kBeforeXiaoHan{
    "male, Gregorian, horizontal layout, no stars, January before 小寒",
    worked::listed("李四", true, false, "2024", "01", "03", "10", "15", "横排", false),
    worked::kBeforeXiaoHan};

// Lunar 2023 闰二月十五 is 2023-04-05 (the leap month starts 03-22), after 清明 (08:50): pillars 癸卯 丙辰 癸巳,
// and 23:40 is the 子 hour of the same day, 壬子. A yin-year female runs forward to 立夏 (05-06 02:52): 43392
// minutes = 10 years 192 = 16 days.
const WholeChart kLeapMonthLateHour{
    "female, lunar leap month, vertical layout, stars, 23:40",
    worked::listed("王小明", false, true, "2023", "02闰", "15", "23", "40", "竖排", true),
    worked::chartRows({
        "姓名：王小明       性别：女",
        "出生公历：2023-04-05 23:40:00    农历：农历癸卯年(兔)闰二月十五",
        "",
        "清明：2023-04-05 08:50:00    立夏：2023-05-06 02:52:00",
        "",
        "胎元：丁未    命宫：乙丑", // 23:40 counts as the 子 hour for the palace too; 癸 year: 甲寅 ... 乙丑
        "",
        "旬空： " "辰巳    " "子丑    " "午未    " "寅卯    ",
        "十神： " "比肩    " "正财    " "日主    " "劫财    ",
        "女命： " "癸      " "丙      " "癸      " "壬      ",
        "       " "卯      " "辰      " "巳      " "子      ",
        "遁藏： " "乙食神  " "乙食神  " "庚正印  " "癸比肩  ",
        "       " "        " "戊正官  " "丙正财  " "        ",
        "       " "        " "癸比肩  " "戊正官  " "        ",
        "旺衰： " "长生    " "养      " "胎      " "临官    ",
        "纳音： " "金薄金  " "沙中土  " "长流水  " "桑柘木  ",
        "",
        "年支： " "将星    " "        " "驿马    " "桃花    ",
        "       " "        " "        " "孤辰    " "红鸾    ",
        "年干： " "贵人    " "        " "贵人    " "干禄    ",
        "       " "文昌    " "        " "        " "        ",
        "月支： " "        " "        " "        " "        ",
        "日支： " "        " "        " "        " "        ", // 巳 day: none of 亥丑午寅申酉 in the chart
        "日干： " "贵人    " "        " "贵人    " "干禄    ", // the day stem is the year stem, 癸
        "       " "文昌    " "        " "        " "        ",
        "",
        "起运： 命主于出生后10年0月16天0时开始起运",
        "交运： 命主于公历2033年4月21日23时交运",
        "",
        "旺衰： " "胎      " "绝      " "墓      " "死      " "病      " "衰      " "帝旺    " "临官    ",
        "纳音： " "沙中土  " "天上火  " "天上火  " "石榴木  " "石榴木  " "大海水  " "大海水  " "海中金  ",
        "十神： " "偏财    " "正官    " "七杀    " "正印    " "偏印    " "劫财    " "比肩    " "伤官    ",
        "大运： " "丁巳    " "戊午    " "己未    " "庚申    " "辛酉    " "壬戌    " "癸亥    " "甲子    ",
        "岁数： " "10岁    " "20岁    " "30岁    " "40岁    " "50岁    " "60岁    " "70岁    " "80岁    ",
        "交运： " "2033    " "2043    " "2053    " "2063    " "2073    " "2083    " "2093    " "2103    ",
    }, "癸丑")};

// Lunar 1990-05-17 in the ordinary fifth month (1990 also has a leap fifth month) is 1990-06-09, exactly 4320
// minutes after 芒种 (06-06 07:46): pillars 庚午 壬午 乙巳 庚辰. A yang-year female runs backward and starts at
// 1年0月0天0时, a year after the birth to the minute.
const WholeChart kBackward4320Minutes{
    "female, lunar ordinary month of a leap year, horizontal layout, stars",
    worked::listed("赵六", false, true, "1990", "05", "17", "07", "46", "横排", true),
    worked::chartRows({
        "姓名：赵六       性别：女",
        "出生公历：1990-06-09 07:46:00    农历：农历庚午年(马)五月十七",
        "",
        "芒种：1990-06-06 07:46:00    小暑：1990-07-07 18:17:00",
        "",
        "胎元：癸酉    命宫：癸未",
        "",
        "旬空： " "戌亥    " "申酉    " "寅卯    " "申酉    ",
        "十神： " "正官    " "正印    " "日主    " "正官    ",
        "女命： " "庚午    " "壬午    " "乙巳    " "庚辰    ",
        "遁藏： " "己偏财  " "己偏财  " "庚正官  " "乙比肩  ",
        "       " "丁食神  " "丁食神  " "丙伤官  " "戊正财  ",
        "       " "        " "        " "戊正财  " "癸偏印  ", // 午 hides two stems
        "旺衰： " "长生    " "长生    " "沐浴    " "冠带    ",
        "纳音： " "路旁土  " "杨柳木  " "覆灯火  " "白腊金  ",
        "",
        "年支： " "将星    " "将星    " "        " "寡宿    ",
        "年干： " "沐浴    " "沐浴    " "        " "        ",
        "月支： " "        " "        " "        " "        ",
        "日支： " "桃花    " "桃花    " "        " "        ",
        "日干： " "文昌    " "文昌    " "沐浴    " "羊刃    ",
        "       " "红艳    " "红艳    " "金舆    " "        ",
        "",
        "起运： 命主于出生后1年0月0天0时开始起运",
        "交运： 命主于公历1991年6月9日7时交运",
        "",
        "旺衰： " "沐浴    " "冠带    " "临官    " "帝旺    " "衰      " "病      " "死      " "墓      ",
        "纳音： " "白腊金  " "白腊金  " "城头土  " "城头土  " "漳下水  " "漳下水  " "山头火  " "山头火  ",
        "十神： " "七杀    " "正官    " "偏财    " "正财    " "食神    " "伤官    " "比肩    " "劫财    ",
        "大运： " "辛巳    " "庚辰    " "己卯    " "戊寅    " "丁丑    " "丙子    " "乙亥    " "甲戌    ",
        "岁数： " "1岁     " "11岁    " "21岁    " "31岁    " "41岁    " "51岁    " "61岁    " "71岁    ",
        "交运： " "1991    " "2001    " "2011    " "2021    " "2031    " "2041    " "2051    " "2061    ",
    }, "辛未")};

// clang-format on

// clang-format off
const WholeChart* const kWholeCharts[] = {&kForward4333Minutes, &kBeforeXiaoHan, &kLeapMonthLateHour,
                                          &kBackward4320Minutes};
// clang-format on

TEST(ChartText, WritesWholeChartsRowByRow)
{
    for (const WholeChart* c : kWholeCharts) {
        SCOPED_TRACE(c->why);
        const auto lines = worked::rowsOf(c->request, kFixedNow);
        for (std::size_t i = 0; i < std::min(lines.size(), c->rows.size()); ++i)
            EXPECT_EQ(lines[i], c->rows[i]) << "row " << i + 1;
        EXPECT_EQ(lines.size(), c->rows.size());
    }
}

TEST(ChartText, EndsEveryRowWithItsLineEnd)
{
    const auto chart = models::chartOf(kBeforeXiaoHan.request, kFixedNow);
    ASSERT_TRUE(std::holds_alternative<Chart>(chart));
    std::string crlf, lf;
    for (const auto& row : kBeforeXiaoHan.rows) {
        crlf += row + "\r\n";
        lf += row + "\n";
    }
    EXPECT_EQ(models::chartText(std::get<Chart>(chart)),
              crlf); // the two closing empty rows end the text with three CR LF
    EXPECT_EQ(models::chartText(std::get<Chart>(chart), "\n"), lf);
    EXPECT_EQ(models::joinLines(kBeforeXiaoHan.rows), crlf);
    EXPECT_EQ(models::joinLines({}), "");
}

TEST(ChartOf, GathersTheValuesBehindTheRows)
{
    const auto chart = models::chartOf(kBackward4320Minutes.request, kFixedNow);
    ASSERT_TRUE(std::holds_alternative<Chart>(chart));
    const Chart& c = std::get<Chart>(chart);
    EXPECT_EQ(engine::writeTime(c.moment.clock()), "1990-06-09 07:46:00");
    EXPECT_TRUE(c.moment.ok());
    EXPECT_EQ(c.sexFlag(), 0);
    EXPECT_EQ(models::startSentence(c), "命主于出生后1年0月0天0时开始起运");
    EXPECT_EQ(engine::writeTime(c.luck.handOver), "1991-06-09 07:46:00");
    EXPECT_EQ(c.startAge, 1);
    EXPECT_EQ(c.startYear, 1991);
    EXPECT_EQ(c.today, kFixedNow());                        // the one clock, read once
    EXPECT_EQ(c.pillars.hiddenStems[0], "己偏财,丁食神, "); // the filler of 午 stays a lone space
    ASSERT_TRUE(c.stars);
    EXPECT_EQ((*c.stars)[4][0], "文昌,红艳"); // 日干 on the year pillar, before any space is appended
}

// ---- FormatString and StrDateToStr

struct Cell
{
    const char* text;
    std::int16_t columns;
    const char* cell;
};

// clang-format off
const Cell kCells[] = {
    {"甲子", 8, "甲子    "},                       // two CJK characters: four spaces
    {"海中金", 8, "海中金  "},                     // three: two spaces
    {"天德合人", 8, "天德合人"},                   // four fill the cell exactly
    {"一二三四五六七八九", 8, "一二三四五六七八"}, // nine: cut to eight characters, 16 columns
    {"1993", 8, "1993    "},                       // ASCII counts one column each
    {"abcdefghij", 8, "abcdefgh"},                 // ASCII too long: cut to eight
    {"3岁", 8, "3岁     "},                        // mixed: three columns, five spaces
    {"将星 ", 8, "将星    "},                      // a trailing space is part of the width
    {"abcdefg一", 8, "abcdefg一"},                 // nine columns: eight characters kept, none cut
    {"ab一二三", 8, "ab一二三"},                   // exactly eight columns: unchanged
    {"", 8, "        "},                           // empty: a blank cell
    {"甲", 1, "甲"},                               // wider than the count: kept, not cut to columns
    {"甲子", 0, ""},                               // no columns: nothing
};
// clang-format on

TEST(FormatString, PadsNarrowTextsAndCutsWideOnesByCharacters)
{
    for (const auto& c : kCells) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(models::FormatString(c.text, c.columns), c.cell);
    }
}

struct DateWords
{
    const char* sDate;
    const char* words;
    const char* rewritten; // the argument afterwards
};

// clang-format off
const DateWords kDateWords[] = {
    {"2005-03-07 14:30:00", "2005年3月7日14时", "2005-03-07 14:30:00"},  // no leading zeros; minutes dropped
    {"2032-12-05 02:15:00", "2032年12月5日2时", "2032-12-05 02:15:00"},  // two-digit month, one-digit hour
    {"1999-10-31 00:59:59", "1999年10月31日0时", "1999-10-31 00:59:59"}, // hour 0 is written 0
    {"2024-2-9 23:05", "2024年2月9日23时", "2024-2-9 23:05"},            // unpadded text is read as given
    {"2023-02-30 10:00:00", "2024年2月10日8时", "2024-02-10 08:00:00"},  // impossible date: now, written back
    {"", "2024年2月10日8时", "2024-02-10 08:00:00"},                     // empty: now
};
// clang-format on

TEST(StrDateToStr, WritesTheDateInWordsAndReplacesAnUnreadableOne)
{
    for (const auto& c : kDateWords) {
        SCOPED_TRACE(c.sDate);
        std::string sDate = c.sDate;
        EXPECT_EQ(models::StrDateToStr(sDate, kFixedNow), c.words);
        EXPECT_EQ(sDate, c.rewritten);
    }
}

// ---- Requests that give no chart

ChartRequest gregorian(const char* name, const char* y, const char* m, const char* d)
{
    return worked::listed(name, true, false, y, m, d, "08", "30");
}

ChartRequest lunar(const char* y, const char* m, const char* d)
{
    return worked::listed("张三", true, true, y, m, d, "08", "30");
}

struct Refused
{
    const char* why;
    ChartRequest request;
    models::Reason reason;
    const char* message; // the whole message, or nullptr when only its presence is pinned
};

// clang-format off
const Refused kRefused[] = {
    {"empty name", gregorian("", "1990", "05", "12"), models::Reason::noName, "请输入姓名"},
    {"spaces only", gregorian("   ", "1990", "05", "12"), models::Reason::noName, "请输入姓名"},
    {"an ideographic space", gregorian("\u3000", "1990", "05", "12"), models::Reason::noName, "请输入姓名"},
    {"blanks of both kinds and a tab", gregorian(" \u3000\t ", "1990", "05", "12"), models::Reason::noName,
     "请输入姓名"},
    {"leap flag on 2023's third month; its leap month follows the second", lunar("2023", "03闰", "01"),
     models::Reason::noSuchLunarDate, "农历2023年闰03月01日不存在"},
    {"2024 has no leap month", lunar("2024", "01闰", "01"), models::Reason::noSuchLunarDate, nullptr},
    {"day 30 of 2023's first month, which has 29 days", lunar("2023", "01", "30"), models::Reason::noSuchLunarDate,
     "农历2023年01月30日不存在"},
    {"day 30 of 2023's leap second month, which has 29 days", lunar("2023", "02闰", "30"),
     models::Reason::noSuchLunarDate, nullptr},
    {"lunar 2100 lies outside the table's lunar years", lunar("2100", "01", "01"), models::Reason::noSuchLunarDate,
     nullptr},
    {"before the first convertible day", gregorian("张三", "1900", "01", "30"), models::Reason::outOfRange,
     "出生日期超出范围（1900-01-31 至 2101-01-28）：1900-01-30"},
};
// clang-format on

TEST(ChartOf, RefusesWithAReasonAndAMessage)
{
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.why);
        const auto chart = models::chartOf(c.request, kFixedNow);
        ASSERT_TRUE(std::holds_alternative<models::Refusal>(chart));
        const auto& refusal = std::get<models::Refusal>(chart);
        EXPECT_EQ(refusal.reason, c.reason);
        EXPECT_NE(refusal.message, "");
        if (c.message) {
            EXPECT_EQ(refusal.message, c.message);
        }
    }
}

TEST(ChartOf, WritesTheNameWithoutSurroundingBlanks)
{
    const auto lines = worked::rowsOf(gregorian("\u3000 王 五\t ", "1990", "05", "12"), kFixedNow);
    EXPECT_EQ(lines.at(0), "姓名：王 五       性别：男"); // inner blanks stay
    EXPECT_EQ(lines.at(1).substr(0, 34), "出生公历：1990-05-12 08:30:00");
}

TEST(BirthOfLists, ReadsTheLeapMarkOnlyForLunarInput)
{
    // The same lunar month without the mark is the ordinary second month, a month before the leap one.
    const auto ordinary = worked::rowsOf(lunar("2023", "02", "15"), kFixedNow);
    EXPECT_EQ(ordinary.at(1), "出生公历：2023-03-06 08:30:00    农历：农历癸卯年(兔)二月十五");
    // A Gregorian month text never carries the mark, so one that does is no date; nor is February 30th.
    EXPECT_FALSE(models::birthOfLists({false, "2023", "02闰", "15", "08", "30"}));
    EXPECT_FALSE(models::birthOfLists({false, "2023", "02", "30", "08", "30"}));
    EXPECT_FALSE(models::birthOfLists({false, "2023", "", "15", "08", "30"})); // an emptied list
    const auto leap = models::birthOfLists({true, "2023", "02闰", "15", "23", "40"});
    ASSERT_TRUE(leap && std::holds_alternative<models::LunarBirth>(*leap));
    const auto& b = std::get<models::LunarBirth>(*leap);
    EXPECT_TRUE(b.leap && b.year == 2023 && b.month == 2 && b.day == 15 && b.hour == 23 && b.minute == 40);
}

TEST(GregorianBirth, RefusesADateThatDoesNotExistNamingIt)
{
    const auto refused = models::gregorianBirth(2023, 2, 30, 8, 5);
    ASSERT_TRUE(std::holds_alternative<models::Refusal>(refused));
    EXPECT_EQ(std::get<models::Refusal>(refused).message, "出生时间无效：2023-02-30 08:05");
    EXPECT_EQ(std::get<models::Refusal>(refused).reason, models::Reason::invalidBirth);
    EXPECT_TRUE(std::holds_alternative<engine::LocalTime>(models::gregorianBirth(2024, 2, 29, 23, 59)));
}

} // namespace
