#include "tests/cli/RunBazi.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

namespace {

// Worked out by hand. 2000-01-07 17:30 is 己卯 丁丑 甲子 癸酉 and lunar 1999-12-01 (腊月初一). For 甲: 己 正财, 丑
// 正财, 酉 正官; 卯 wants 子 and 子 wants 酉; 甲 bathes at 子. Support 卯 10, 子 10, 癸 10 and the day 10 is only 40.
// Bone weight 19 (己卯) + 5 + 5 + 9 (酉) = 38. Nine palace by the lunar year 1999: male 1, female (995 mod 9 = 5) 8.
const std::string kJiaZiMale = "配偶星数：3\n"
                               "三合桃花：11\n"
                               "沐浴桃花：1\n"
                               "配偶相貌：配偶多属骨感瘦小型\n"
                               "身强：0\n"
                               "称骨：3两8：一生骨肉最清高，早入学门姓名标，待看年将三十六，蓝衣脱去换红袍\n"
                               "九宫：1\n";
const std::string kJiaZiFemaleJson =
    R"({"TaoHuaZS":1,"TaoHuaX":"11","TaoHuaW":"1","PeiOuXiangMao":"配偶多属身材小巧型","ShenQiang":0,)"
    R"("ChengGu":"3两8：一生骨肉最清高，早入学门姓名标，待看年将三十六，蓝衣脱去换红袍","JiuGongDuShu":8})"
    "\n";
// Lunar 2023 leap 2-1 00:30 is 2023-03-22, 癸卯 乙卯 己卯 甲子. For 己: 乙 and the three 卯 七杀 (乙 twice on a yin
// day), 甲 正官: 6 for a woman. 己 bathes at 申. No support: 10. Weight 12 + 7 + 5 + 16 = 40. Lunar 2023: female 2.
const std::string kLeapFemaleJson =
    R"({"TaoHuaZS":6,"TaoHuaX":"11","TaoHuaW":"0","PeiOuXiangMao":"配偶多属匀称高大型","ShenQiang":0,)"
    R"("ChengGu":"4两：平生衣禄是绵长，件件心中自主张，前面风霜都受过，从来必定享安泰","JiuGongDuShu":2})"
    "\n";

struct Printed
{
    std::vector<std::string> args;
    std::string out;
    const char* why;
};

TEST(BaziReadings, PrintsEveryReadingOfOneBirth)
{
    const Printed cases[] = {
        {{"readings", "--sex", "男", "--date", "2000-01-07", "--time", "17:30"}, kJiaZiMale, "text, one per line"},
        {{"readings", "--sex=男", "--lunar", "--date=1999-12-1", "--time=17:30"}, kJiaZiMale, "the same day as lunar"},
        {{"readings", "--json", "--sex", "女", "--date", "2000-01-07", "--time", "17:30"},
         kJiaZiFemaleJson,
         "a woman's counts, by method name"},
        {{"readings", "--sex", "女", "--lunar", "--leap", "--date", "2023-2-1", "--time", "00:30", "--json"},
         kLeapFemaleJson,
         "a leap month"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        expectPrinted(runBazi(c.args), c.out);
    }
}

const std::string kYanNian = "上等婚:延年婚主长寿有福，男女和谐，积德积庆，终生安康，上吉之配。";

TEST(BaziMatch, PrintsTheVerdictOfTheLunarYears)
{
    const Printed cases[] = {
        // Lunar 1984 for both: male 7, female 8.
        {{"match", "--man", "1984-03-01", "--woman", "1984-05-20"}, kYanNian + "\n", "text"},
        {{"match", "--json", "--woman=1984-05-20", "--man=1984-03-01"},
         R"({"LvCai":")" + kYanNian + "\"}\n",
         "json, options in any order"},
        // 1984-01-20 is still lunar 1983: male 8, with female 8 伏位.
        {{"match", "--man", "1984-01-20", "--woman", "1984-05-20"},
         "中等婚:伏位婚主一生平淡，有子有女，团圆和气，无惊无险，寻常之配。\n",
         "the lunar year, not the Gregorian one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        expectPrinted(runBazi(c.args), c.out);
    }
}

TEST(BaziIdnum, PrintsTheTextOfTheFirstMissingDigit)
{
    // 12345 lacks 0 first; the identity number lacks 6, 7 and 8.
    const BaziRun run = runBazi({"idnum", "12345", "110105194912310021"});
    EXPECT_EQ(run.status, 0);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_TRUE(lines[0].starts_with("天资聪明伶俐")) << lines[0];
    EXPECT_EQ(engine::utf8::length(lines[0]), 178u);
    EXPECT_TRUE(lines[1].starts_with("个性开朗亲切、乐于助人")) << lines[1];
    EXPECT_EQ(engine::utf8::length(lines[1]), 205u);
}

TEST(BaziIdnum, StandardInputReplacesBadLinesAndGoesOn)
{
    const BaziRun run = runBazi({"idnum", "--json", "-"}, "0\r\n12a\n\n 0123456789 \n");
    EXPECT_EQ(run.status, 1);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_TRUE(lines[0].starts_with(R"({"ShenFenZheng":"个性忠厚老实，为人正直)")) << lines[0]; // the text of 1
    EXPECT_TRUE(lines[1].starts_with(R"({"input":"12a","error":"not a digit string)")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with(R"({"input":"","error":"no digits)")) << lines[2];
    EXPECT_TRUE(lines[3].starts_with(R"({"ShenFenZheng":"天资聪明伶俐)")) << lines[3]; // blanks around are dropped
}

struct Refused
{
    std::vector<std::string> args;
    std::string named; // the part of the message that names what is wrong
};

std::vector<std::string> readings(std::vector<std::string> changed)
{
    std::vector<std::string> args = {"readings"};
    args.insert(args.end(), changed.begin(), changed.end());
    return args;
}

// clang-format off
const Refused kRefused[] = {
    {{"readings"}, "missing --sex, --date, --time"},
    {readings({"--sex", "男", "--date", "2000-01-07"}), "missing --time"},
    {readings({"--sex", "M", "--date", "2000-01-07", "--time", "17:30"}), "\"M\""},
    {readings({"--sex", "男", "--date", "2023-02-30", "--time", "17:30"}), "\"2023-02-30\""}, // impossible
    {readings({"--sex", "男", "--date", "1900-01-30", "--time", "17:30"}), "\"1900-01-30\""}, // before the table
    {readings({"--sex", "男", "--date", "2000-01-07 17:30", "--time", "17:30"}), "--time"},   // time in the date
    {readings({"--sex", "男", "--date", "2000-01-07", "--time", "24:00"}), "\"24:00\""},
    {readings({"--sex", "男", "--date", "2000-01-07", "--time", "17"}), "\"17\""}, // no minutes
    {readings({"--sex", "男", "--lunar", "--leap", "--date", "2023-3-1", "--time", "1:00"}), "follows month 2"},
    {readings({"--sex", "男", "--lunar", "--date", "2023-1-30", "--time", "1:00"}), "29 days"},
    {readings({"--sex", "男", "--lunar", "--date", "2100-1-1", "--time", "1:00"}), "\"2100-1-1\""},
    {readings({"--sex", "男", "--lunar", "--date", "2023/2/1", "--time", "1:00"}), "\"2023/2/1\""},
    {readings({"--sex", "男", "--leap", "--date", "2023-03-22", "--time", "1:00"}), "--lunar"},
    {readings({"--sex", "男", "--sex", "女"}), "--sex is given twice"},
    {readings({"--sex"}), "--sex needs a value"},
    {readings({"--bogus"}), "\"--bogus\""},
    {readings({"2000-01-07"}), "\"2000-01-07\""},
    {{"match", "--man", "1984-03-01"}, "missing --woman"},
    {{"match", "--man", "1984-03-01", "--woman", "1984-02-30"}, "\"1984-02-30\""},
    {{"match", "--man", "2101-01-29", "--woman", "1984-03-01"}, "\"2101-01-29\""},
    {{"idnum"}, "no values"},
    {{"idnum", ""}, "\"\""},
    {{"idnum", "11010519491231002X"}, "\"11010519491231002X\""}, // the check letter is not a digit
    {{"idnum", "-12"}, "\"-12\""},
    {{"idnum", "１２３"}, "\"１２３\""}, // full-width digits
};
// clang-format on

TEST(BaziReadings, RefusesBadInputWithExitStatusTwo)
{
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.named);
        expectUsageError(runBazi(c.args), c.named);
    }
}

TEST(BaziReadings, HelpNamesTheJsonKeys)
{
    const BaziRun run = runBazi({"readings", "--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* key :
         {"TaoHuaZS", "TaoHuaX", "TaoHuaW", "PeiOuXiangMao", "ShenQiang", "ChengGu", "JiuGongDuShu"}) {
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
    }
}

} // namespace
