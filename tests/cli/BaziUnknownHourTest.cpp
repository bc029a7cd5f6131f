#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A birth whose hour nobody knows, through the tool: --time unknown, its batch key, its JSON nulls and its refusals.
namespace {

std::vector<std::string> birth(std::string_view time, std::initializer_list<std::string> more = {})
{
    std::vector<std::string> words = {"chart",  "--name",     "张三",   "--sex",          "男",
                                      "--date", "1984-03-02", "--time", std::string(time)};
    words.insert(words.end(), more);
    return words;
}

TEST(BaziUnknownHour, ChartsThreePillars)
{
    const BaziRun run = runBazi(birth("unknown", {"--stars", "--analysis"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = splitLines(run.out);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[1], "出生公历：1984-03-02 时辰不详    农历：农历甲子年(鼠)正月三十");
    EXPECT_EQ(lines[5], "胎元：丁巳    命宫：—");
    EXPECT_EQ(lines[9], "男命： 甲      丙      乙      —      ");
    EXPECT_NE(run.out.find("\n提示：时辰不详：起运按出生日12:00计算\n"), std::string::npos) << run.out;
}

// Every item of the hour is null, in its place: the arrays keep four positions.
TEST(BaziUnknownHour, JsonHoldsNullForEveryHourItem)
{
    const std::string json = runBazi(birth("unknown", {"--json", "--stars", "--analysis"})).out;
    const char* const kParts[] = {
        R"("birth":"1984-03-02","hourKnown":false,"lunar":)",
        R"("pillars":{"year":"甲子","month":"丙寅","day":"乙未","hour":null},"conception":"丁巳","lifePalace":null,)",
        R"("void":["戌亥","戌亥","辰巳",null],"tenGods":["劫财","伤官","日主",null],)",
        R"("hiddenStems":[["癸偏印","",""],["甲劫财","丙伤官","戊正财"],["乙比肩","己偏财","丁食神"],null],)",
        R"("growth":["病","帝旺","养",null],"naYin":["海中金","炉中火","砂石金",null],)",
        R"("yearStem":[["沐浴"],["干禄"],["贵人"],null],)",
        R"("startAge":"1年0月23天4时","handOver":"1985-03-25 16:00:00",)",
        R"("analysis":{"bodyPalace":null,"breath":"庚午","naYin":{"conception":"沙中土","breath":"路旁土",)"
        R"("lifePalace":null,"bodyPalace":null},"selfSeat":["沐浴","长生","养",null],)",
        R"("relations":[{"kind":"六害","chars":"子未","pillars":["year","day"],"element":null}],)",
        R"({"kind":"unknownHour","text":"时辰不详：起运按出生日12:00计算"})",
    };
    for (const char* part : kParts)
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    // A known hour keeps its old keys: no hourKnown, no null.
    const std::string known = runBazi(birth("16:25", {"--json", "--stars", "--analysis"})).out;
    EXPECT_EQ(known.find("hourKnown"), std::string::npos);
    const auto count = [&known](std::string_view what) {
        int n = 0;
        for (auto at = known.find(what); at != std::string::npos; at = known.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("null"), count(R"("element":null)")); // only the relations' own
}

TEST(BaziUnknownHour, BatchLinesTakeIt)
{
    const BaziRun run =
        runBazi({"chart", "-", "--json"}, R"({"name":"张三","sex":"男","date":"1984-03-02","time":"unknown"})"
                                          "\n"
                                          R"({"name":"张三","sex":"男","date":"1984-03-02","time":"25:00"})"
                                          "\n");
    EXPECT_EQ(run.status, 1);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_NE(lines[0].find(R"("hour":null)"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], R"x({"error":"not a time: \"25:00\" (expected HH:MM, 00:00 to 23:59, or unknown)"})x");
    EXPECT_EQ(lines[0], runBazi(birth("unknown", {"--json"})).out.substr(0, lines[0].size()));
}

TEST(BaziUnknownHour, RefusalsNameBothFormsAndTheReadingsNeedTheHour)
{
    const struct
    {
        const char* why;
        std::vector<std::string> args;
        const char* named;
    } kCases[] = {
        {"past the day's last minute", birth("25:00"),
         R"(not a time: "25:00" (expected HH:MM, 00:00 to 23:59, or unknown))"},
        {"the word in capitals", birth("Unknown"), "or unknown)"},
        {"the word in Chinese", birth("时辰不详"), "or unknown)"},
        {"the readings",
         {"readings", "--sex", "男", "--date", "1984-03-02", "--time", "unknown"},
         "these readings need the birth hour"},
        {"the readings' own message for a bad time is as before",
         {"readings", "--sex", "男", "--date", "1984-03-02", "--time", "25:00"},
         R"(not a time: "25:00" (expected HH:MM, 00:00 to 23:59) )"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        expectUsageError(runBazi(c.args), c.named);
    }
}

TEST(BaziUnknownHour, HelpAndRecordsSayIt)
{
    EXPECT_NE(runBazi({"chart", "--help"}).out.find("--time HH:MM|unknown"), std::string::npos);
}

} // namespace
