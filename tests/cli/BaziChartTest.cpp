#include "tests/cli/RunBazi.h"
#include "tests/models/chart/WorkedCharts.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> birth(const char* date, const char* time, std::vector<std::string> extra = {})
{
    std::vector<std::string> args = {"chart", "--name", "李四", "--sex", "男", "--date", date, "--time", time};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

// clang-format off
// worked::kBeforeXiaoHan as data; the yearly pillars run year by year from 2032 (壬子).
const std::string kHorizontalJson =
    R"({"name":"李四","sex":"男","birth":"2024-01-03 10:15:00","lunar":"农历癸卯年(兔)十一月廿二",)"
    R"("terms":{"previous":{"name":"大雪","time":"2023-12-07 15:55:00"},)"
    R"("next":{"name":"小寒","time":"2024-01-06 02:52:00"}},)"
    R"("pillars":{"year":"癸卯","month":"甲子","day":"丙寅","hour":"癸巳"},)"
    R"("conception":"乙卯","lifePalace":"丙子","void":["辰巳","戌亥","戌亥","午未"],)"
    R"("tenGods":["正官","偏印","日主","正官"],)"
    R"("hiddenStems":[["乙正印","",""],["癸正官","",""],["甲偏印","丙比肩","戊食神"],["庚偏财","丙比肩","戊食神"]],)"
    R"("growth":["沐浴","胎","长生","临官"],"naYin":["金薄金","海中金","炉中火","长流水"],"stars":null,)"
    R"("startAge":"8年11月1天16时","handOver":"2032-12-05 02:15:00","startYear":2032,"luck":[)"
    R"({"pillar":"癸亥","tenGod":"正官","growth":"绝","naYin":"大海水","age":8,"year":2032},)"
    R"({"pillar":"壬戌","tenGod":"七杀","growth":"墓","naYin":"大海水","age":18,"year":2042},)"
    R"({"pillar":"辛酉","tenGod":"正财","growth":"死","naYin":"石榴木","age":28,"year":2052},)"
    R"({"pillar":"庚申","tenGod":"偏财","growth":"病","naYin":"石榴木","age":38,"year":2062},)"
    R"({"pillar":"己未","tenGod":"伤官","growth":"衰","naYin":"天上火","age":48,"year":2072},)"
    R"({"pillar":"戊午","tenGod":"食神","growth":"帝旺","naYin":"天上火","age":58,"year":2082},)"
    R"({"pillar":"丁巳","tenGod":"劫财","growth":"临官","naYin":"沙中土","age":68,"year":2092},)"
    R"({"pillar":"丙辰","tenGod":"比肩","growth":"冠带","naYin":"沙中土","age":78,"year":2102}],"yearly":[)"
    R"("壬子","癸丑","甲寅","乙卯","丙辰","丁巳","戊午","己未","庚申","辛酉",)"
    R"("壬戌","癸亥","甲子","乙丑","丙寅","丁卯","戊辰","己巳","庚午","辛未",)"
    R"("壬申","癸酉","甲戌","乙亥","丙子","丁丑","戊寅","己卯","庚辰","辛巳",)"
    R"("壬午","癸未","甲申","乙酉","丙戌","丁亥","戊子","己丑","庚寅","辛卯",)"
    R"("壬辰","癸巳","甲午","乙未","丙申","丁酉","戊戌","己亥","庚子","辛丑",)"
    R"("壬寅","癸卯","甲辰","乙巳","丙午","丁未","戊申","己酉","庚戌","辛亥",)"
    R"("壬子","癸丑","甲寅","乙卯","丙辰","丁巳","戊午","己未","庚申","辛酉",)"
    R"("壬戌","癸亥","甲子","乙丑","丙寅","丁卯","戊辰","己巳","庚午","辛未"]})"
    "\n";
// clang-format on

std::string joined(const std::vector<std::string>& rows, const std::string& eol)
{
    std::string text;
    for (const auto& row : rows)
        text += row + eol;
    return text;
}

struct SameChart
{
    const char* why;
    std::vector<std::string> args;
};

// clang-format off
const SameChart kSameChart[] = {
    {"options as separate words", birth("2024-01-03", "10:15", {"--layout", "横排"})},
    {"values after '=' and any order",
     {"chart", "--layout=横排", "--time=10:15", "--date=2024-01-03", "--sex=男", "--name=李四"}},
    {"unpadded date and time become the window's two-digit texts", birth("2024-1-3", "10:15", {"--layout", "横排"})},
    {"blanks around the name are dropped",
     {"chart", "--name", " 李四\u3000", "--sex", "男", "--date", "2024-01-03", "--time", "10:15", "--layout", "横排"}},
};
// clang-format on

TEST(BaziChart, PrintsTheChartWithLfLineEnds)
{
    for (const auto& c : kSameChart) {
        SCOPED_TRACE(c.why);
        const BaziRun run = runBazi(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const auto lines = splitLines(run.out);
        for (std::size_t i = 0; i < std::min(lines.size(), worked::kBeforeXiaoHan.size()); ++i)
            EXPECT_EQ(lines[i], worked::kBeforeXiaoHan[i]) << "row " << i + 1;
        EXPECT_EQ(run.out, joined(worked::kBeforeXiaoHan, "\n"));
    }
}

TEST(BaziChart, CrlfKeepsTheWindowsLineEnds)
{
    const BaziRun run = runBazi(birth("2024-01-03", "10:15", {"--layout", "横排", "--crlf"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, joined(worked::kBeforeXiaoHan, "\r\n"));
}

TEST(BaziChart, JsonHoldsTheSameChartAsData)
{
    const BaziRun run = runBazi(birth("2024-01-03", "10:15", {"--json"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kHorizontalJson);
}

TEST(BaziChart, JsonListsEveryStarOfEachPillar)
{
    // 1984-03-02 16:25 is 甲子 丙寅 乙未 甲申; worked out from the star tables.
    const BaziRun run = runBazi(
        {"chart", "--name", "张三", "--sex", "男", "--date", "1984-03-02", "--time", "16:25", "--stars", "--json"});
    EXPECT_EQ(run.status, 0);
    const std::string stars = R"("stars":{"yearBranch":[["将星"],["驿马","孤辰"],[],[]],)"
                              R"("yearStem":[["沐浴"],["干禄"],["贵人"],["红艳"]],"monthBranch":[[],[],[],[]],)"
                              R"("dayBranch":[["桃花"],["亡神"],["华盖"],["劫煞"]],)"
                              R"("dayStem":[["贵人"],[],[],["贵人","红艳"]]})";
    EXPECT_NE(run.out.find(stars), std::string::npos) << run.out;
}

struct LunarRows
{
    const char* why;
    std::vector<std::string> args;
    std::vector<std::pair<std::size_t, std::string>> rows; // row number (from 1) and its text
};

// clang-format off
const LunarRows kLunarRows[] = {
    {"--leap reads 2023-02-15 in the leap second month, which starts 2023-03-22",
     birth("2023-02-15", "23:40", {"--lunar", "--leap", "--stars"}),
     {{2, "出生公历：2023-04-05 23:40:00    农历：农历癸卯年(兔)闰二月十五"},
      {10, "男命： " "癸      " "丙      " "癸      " "壬      "}, // vertical by default; 23:40 is 子 of the day
      {11, "       " "卯      " "辰      " "巳      " "子      "},
      {17, ""},
      {18, "年支： " "将星    " "        " "驿马    " "桃花    "}}},
    {"without --leap the same text is the ordinary second month",
     birth("2023-02-15", "23:40", {"--lunar"}),
     {{2, "出生公历：2023-03-06 23:40:00    农历：农历癸卯年(兔)二月十五"},
      {17, ""},
      {18, "起运： 命主于出生后0年3月11天16时开始起运"}}}, // backward: 1220 minutes after 惊蛰 03:20
};
// clang-format on

TEST(BaziChart, LunarDatesAndTheLeapMonth)
{
    for (const auto& c : kLunarRows) {
        SCOPED_TRACE(c.why);
        const BaziRun run = runBazi(c.args);
        EXPECT_EQ(run.status, 0) << run.err;
        const auto lines = splitLines(run.out);
        for (const auto& [number, text] : c.rows) {
            ASSERT_LE(number, lines.size());
            EXPECT_EQ(lines[number - 1], text) << "row " << number;
        }
    }
}

struct Refused
{
    const char* why;
    std::vector<std::string> args;
    std::string named; // part of the message
};

const std::string kNotUtf8 = "\xff\xfe";

// clang-format off
const Refused kRefused[] = {
    {"no options", {"chart"}, "missing --name, --sex, --date, --time"},
    {"no name", {"chart", "--sex", "男", "--date", "2024-01-03", "--time", "10:15"}, "missing --name"},
    {"unknown option", birth("2024-01-03", "10:15", {"--colour"}), "\"--colour\""},
    {"a stray value", birth("2024-01-03", "10:15", {"extra"}), "\"extra\""},
    {"sex in letters", {"chart", "--name", "李四", "--sex", "M", "--date", "2024-01-03", "--time", "10:15"}, "\"M\""},
    {"month 13", birth("2023-13-01", "10:15"), "\"2023-13-01\""},
    {"a year before the lists", birth("1899-12-31", "10:15"), "1900 to 2099"},
    {"a year after them", birth("2100-01-01", "10:15"), "1900 to 2099"},
    {"digits without separators", birth("20230215", "10:15"), "\"20230215\""},
    {"four date pieces", birth("2023-02-15-1", "10:15"), "\"2023-02-15-1\""},
    {"February 30th: the model's message", birth("2023-02-30", "10:15"), "2023-02-30"},
    {"before the first convertible day: the model's message", birth("1900-01-30", "10:15"), "1900-01-30"},
    {"hour 24", birth("2024-01-03", "24:00"), "\"24:00\""},
    {"minute 60", birth("2024-01-03", "12:60"), "\"12:60\""},
    {"an hour alone", birth("2024-01-03", "12"), "\"12\""},
    {"seconds are not read", birth("2024-01-03", "12:00:00"), "\"12:00:00\""},
    {"a name of spaces",
     {"chart", "--name", "   ", "--sex", "男", "--date", "2024-01-03", "--time", "10:15"},
     "请输入姓名"},
    {"an ideographic space",
     {"chart", "--name", "\u3000", "--sex", "男", "--date", "2024-01-03", "--time", "10:15"},
     "请输入姓名"},
    {"a name of two lines",
     {"chart", "--name", "张\n三", "--sex", "男", "--date", "2024-01-03", "--time", "10:15"},
     "one line"},
    {"a name that is not UTF-8",
     {"chart", "--name", kNotUtf8, "--sex", "男", "--date", "2024-01-03", "--time", "10:15"},
     "<invalid UTF-8>"},
    {"--leap without --lunar", birth("2023-02-15", "10:15", {"--leap"}), "--lunar"},
    {"leap flag on a month that is not 2023's leap month", birth("2023-03-01", "10:15", {"--lunar", "--leap"}),
     "2023年闰03月01日"},
    {"day 30 of a 29-day lunar month", birth("2023-01-30", "10:15", {"--lunar"}), "2023年01月30日"},
    {"no lunar month has 31 days", birth("2023-01-31", "10:15", {"--lunar"}), "\"2023-01-31\""},
    {"unknown layout", birth("2024-01-03", "10:15", {"--layout", "斜排"}), "\"斜排\""},
    {"a repeated option", birth("2024-01-03", "10:15", {"--name", "王五"}), "--name is given twice"},
    {"a repeated flag", birth("2024-01-03", "10:15", {"--stars", "--stars"}), "--stars is given twice"},
    {"a value missing at the end", birth("2024-01-03", "10:15", {"--layout"}), "--layout needs a value"},
    {"an option where the value belongs",
     {"chart", "--name", "--sex", "男", "--date", "2024-01-03"},
     "--name needs a value"},
    {"a flag with a value", birth("2024-01-03", "10:15", {"--lunar=1"}), "--lunar takes no value"},
    {"--crlf with --json", birth("2024-01-03", "10:15", {"--json", "--crlf"}), "--crlf"},
};
// clang-format on

TEST(BaziChart, RefusesBadInputOnStandardErrorWithStatusTwo)
{
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.why);
        expectUsageError(runBazi(c.args), c.named);
    }
}

TEST(BaziChart, HelpDescribesTheCommand)
{
    const BaziRun run = runBazi({"chart", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: bazi chart --name NAME --sex 男|女")) << run.out;
    const BaziRun overview = runBazi({"--help"});
    EXPECT_NE(overview.out.find("\n  chart "), std::string::npos) << overview.out;
}

} // namespace
