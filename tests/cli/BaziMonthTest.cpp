#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A grid line as the tool writes it: each cell 10 columns wide (a CJK character is two), trailing blanks dropped.
std::string gridLine(const std::vector<std::string>& cells)
{
    std::string line;
    for (const std::string& cell : cells) {
        int columns = 0;
        for (const char c : cell) {
            const auto b = static_cast<unsigned char>(c);
            columns += b < 0x80 ? 1 : (b & 0xC0) != 0x80 ? 2 : 0;
        }
        line += cell + std::string(static_cast<std::size_t>(std::max(10 - columns, 1)), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// February 2024, worked out by hand: the 1st is a Thursday and lunar 十二月廿二 (腊月 began on 01-11 and has 30
// days); 春节 is on the 10th; 立春 on the 4th, 雨水 on the 19th under 总统日 (third Monday).
TEST(BaziMonth, PrintsTheGridOfAMonth)
{
    const BaziRun run = runBazi({"month", "2024", "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {
        "2024年2月  建国76年 农历甲辰年 【龙年】",
        gridLine({"日", "一", "二", "三", "四", "五", "六"}),
        gridLine({"", "", "", "", "1", "2", "3"}),
        gridLine({"", "", "", "", "廿二", "廿三", "小年（..."}),
        gridLine({"4", "5", "6", "7", "8", "9", "10"}),
        gridLine({"立春", "廿六", "廿七", "廿八", "廿九", "除夕 ", "春节 "}),
        gridLine({"11", "12", "13", "14", "15", "16", "17"}),
        gridLine({"初二", "初三", "初四", "情人节 ", "初六", "人日 ", "初八"}),
        gridLine({"18", "19", "20", "21", "22", "23", "24"}),
        gridLine({"初九", "总统日 ", "十一", "十二", "十三", "十四", "元宵节 "}),
        gridLine({"25", "26", "27", "28", "29"}),
        gridLine({"十六", "十七", "十八", "十九", "二十"}),
        "", // the sixth week is empty and left out
    };
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), expected.size() + 29);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

struct PanelLine
{
    int day;
    const char* line;
};

// Pillars counted from 2024-01-01, a 甲子 day; the year turns on 02-04, the 寅 month too.
// clang-format off
const PanelLine kPanelLines[] = {
    {3, "2024-02-03 星期六 | 农历癸卯年 十二月大廿四日 | 癸卯年 乙丑月 丁酉日 | 是日:  小年（祀灶） | "
        "彭祖百忌:丁不剃头 酉不会客 | 喜神:正南 | 福神:正东 | 财神:西南 | 日值岁破 大事不宜"}, // 酉 day, 卯 year
    {4, "2024-02-04 星期日 | 农历甲辰年 十二月大廿五日 | 甲辰年 丙寅月 戊戌日 | 是日:立春 | "
        "彭祖百忌:戊不受田 戌不吃犬 | 喜神:东南 | 福神:正北 | 财神:正北 | 日值岁破 大事不宜"}, // 戌 day, 辰 year
    {5, "2024-02-05 星期一 | 农历甲辰年 十二月大廿六日 | 甲辰年 丙寅月 己亥日 | ◆4日立春 ◆19日雨水 | "
        "彭祖百忌:己不破券 亥不嫁娶 | 喜神:东北 | 福神:正南 | 财神:正北 | "
        "宜：祭祀,求财,签约,嫁娶,订盟 忌：开市,安床,安葬,入宅,破土"}, // 亥 day in the 寅 month: 收
    {10, "2024-02-10 星期六 | 农历甲辰年 一月小初一日 | 甲辰年 丙寅月 甲辰日 | 是日:  春节 | "
         "彭祖百忌:甲不开仓 辰不哭泣 | 喜神:东北 | 福神:东南 | 财神:东北 | "
         "宜：祈福,祭祀,结亲,开市,交易 忌：服药,求医,栽种,动土,迁移"}, // 辰 day in the 寅 month: 满
};
// clang-format on

TEST(BaziMonth, PrintsThePanelOfEveryDay)
{
    const BaziRun run = runBazi({"month", "2024", "2"});
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 13u + 29u);
    for (const auto& c : kPanelLines) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(lines[12 + static_cast<std::size_t>(c.day)], c.line);
    }
    EXPECT_TRUE(lines[12 + 19].starts_with("2024-02-19 星期一 | ")) << lines[31];
    EXPECT_NE(lines[12 + 19].find(" | 是日:雨水 总统日 | "), std::string::npos) << lines[31];
}

TEST(BaziMonth, JsonHasOneObjectPerDayKeyedByTheRecordFields)
{
    const BaziRun run = runBazi({"month", "--json", "2024", "2"});
    EXPECT_EQ(run.status, 0);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_TRUE(lines.front().starts_with("[{\"IsToday\":0,\"Year\":2024,\"Month\":2,\"Day\":1,"));
    EXPECT_TRUE(lines.back().ends_with("}]"));
    EXPECT_EQ(lines[3],
              "{\"IsToday\":0,\"Year\":2024,\"Month\":2,\"Day\":4,\"Week\":\"日\",\"NYear\":2023,\"NMonth\":12,"
              "\"NDay\":25,\"IsLeap\":false,\"YearGZ\":\"甲辰\",\"MonthGZ\":\"丙寅\",\"DayGZ\":\"戊戌\","
              "\"NongFestival\":\"\",\"Festival\":\"\",\"TermName\":\"立春\",\"MonthTerms\":\"◆4日立春 ◆19日雨水\","
              "\"XiShenText\":\"喜神:东南\",\"FuShenText\":\"福神:正北\",\"CaiShenText\":\"财神:正北\","
              "\"PengZuText\":\"彭祖百忌:戊不受田 戌不吃犬\",\"YiJiText\":\"日值岁破 大事不宜\"},");
    EXPECT_NE(lines[4].find("\"YiJiText\":\"宜：祭祀,求财,签约,嫁娶,订盟\\r\\n忌：开市,安床,安葬,入宅,破土\"}"),
              std::string::npos);
    const BaziRun leap = runBazi({"month", "2023", "4", "--json"}); // 闰二月 until 04-19
    EXPECT_NE(splitLines(leap.out)[18].find("\"NMonth\":2,\"NDay\":29,\"IsLeap\":true,"), std::string::npos);
}

struct Refused
{
    std::vector<std::string> args;
    const char* why;
};

TEST(BaziMonth, RefusesBadInputWithStatus2)
{
    const Refused kRefused[] = {
        {{"month"}, "no values"},
        {{"month", "2024"}, "no month"},
        {{"month", "2024", "2", "3"}, "a third value"},
        {{"month", "1900", "12"}, "before the calendar window's years"},
        {{"month", "2100", "1"}, "after them"},
        {{"month", "2024", "13"}, "no month 13"},
        {{"month", "2024", "0"}, "no month 0"},
        {{"month", "-2024", "1"}, "a negative year"},
        {{"month", "2024年", "1"}, "not a number"},
        {{"month", "--bogus", "2024", "1"}, "an unknown option"},
    };
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.why);
        expectUsageError(runBazi(c.args));
    }
    EXPECT_NE(runBazi({"month", "2100", "1"}).err.find("1901 to 2099"), std::string::npos);
}

struct TermDayPart
{
    std::vector<std::string> args;
    const char* date; // the panel line that starts with this date
    const char* part; // holds this text
};

// Astronomical terms as published, Beijing time: 立春 2013-02-04 00:13 (2013-02-03 16:13 UTC), 雨水 2013-02-18
// 20:01, 处暑 2024-08-22 22:55. The mean formula puts 立春 2013 at 02-03 22:43 and 处暑 2024 at 08-23 00:05.
// clang-format off
const TermDayPart kTermDays[] = {
    {{"month", "2013", "2"}, "2013-02-03", " | 癸巳年 甲寅月 庚子日 | 是日:立春 | "}, // mean: the 3rd opens 寅
    {{"month", "2013", "2"}, "2013-02-04", " | 是日:  小年（祀灶） | "}, // and the 4th has its festival alone
    {{"month", "--terms", "astro", "2013", "2"}, "2013-02-03", " | 壬辰年 癸丑月 庚子日 | ◆4日立春 ◆18日雨水 | "},
    {{"month", "2013", "2", "--terms", "astro"},
     "2013-02-04",
     " | 癸巳年 甲寅月 辛丑日 | 是日:立春  小年（祀灶） | "},                      // Beijing day
    {{"month", "--terms=mean", "2024", "8"}, "2024-08-23", " | 是日:处暑 | "},     // mean named explicitly
    {{"month", "--terms", "astro", "2024", "8"}, "2024-08-22", " | 是日:处暑 | "}, // a 中气 a day earlier
    {{"month", "--terms", "astro", "2024", "8"}, "2024-08-23", " | ◆7日立秋 ◆22日处暑 | "},
};
// clang-format on

TEST(BaziMonth, TermsMarkTheDaysTheChosenMethodGives)
{
    for (const auto& c : kTermDays) {
        SCOPED_TRACE(std::string(c.date) + c.part);
        const BaziRun run = runBazi(c.args);
        EXPECT_EQ(run.status, 0);
        const auto lines = splitLines(run.out);
        const auto line = std::ranges::find_if(lines, [&](const std::string& l) { return l.starts_with(c.date); });
        ASSERT_NE(line, lines.end());
        EXPECT_NE(line->find(c.part), std::string::npos) << *line;
    }
}

TEST(BaziMonth, RefusesAnUnknownTermMethod)
{
    expectUsageError(runBazi({"month", "--terms", "exact", "2024", "1"}), "--terms is mean|astro, not \"exact\"");
    expectUsageError(runBazi({"month", "2024", "1", "--terms"}), "--terms");
}

} // namespace
