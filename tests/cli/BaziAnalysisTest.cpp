#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The analysis through the tool: --analysis, --palace-year and their batch keys.
namespace {

const std::vector<std::string> kBirth = {"chart",  "--name",     "张三",   "--sex", "男",
                                         "--date", "1984-03-05", "--time", "16:00"};

std::vector<std::string> with(std::vector<std::string> words, std::initializer_list<std::string> more)
{
    words.insert(words.end(), more);
    return words;
}

TEST(BaziAnalysis, AddsRowsAndAJsonKeyOnlyWhenAsked)
{
    const auto plain = runBazi(kBirth);
    const auto analysed = runBazi(with(kBirth, {"--analysis"}));
    ASSERT_EQ(analysed.status, 0) << analysed.err;
    EXPECT_TRUE(analysed.out.starts_with(plain.out.substr(0, plain.out.size() - 2))); // before the closing rows
    EXPECT_NE(analysed.out.find("\n身宫：乙亥    胎息：癸卯\n"), std::string::npos) << analysed.out;
    const auto json = runBazi(with(kBirth, {"--json", "--analysis"})).out;
    const auto yearly = json.find(R"(,"yearly":[)");
    const auto analysis = json.find(R"(,"analysis":{"bodyPalace":"乙亥","breath":"癸卯",)");
    ASSERT_NE(analysis, std::string::npos) << json;
    EXPECT_LT(yearly, analysis); // after "yearly", the last key
    EXPECT_NE(json.find(R"({"kind":"天干相冲","chars":"甲庚","pillars":["year","hour"],"element":null})"),
              std::string::npos);
    EXPECT_NE(json.find(R"("notices":[{"kind":"term","text":"出生在惊蛰前38分钟，惊蛰后为丁卯月","term":"惊蛰",)"
                        R"("minutes":-38,"others":[{"what":"月","pillar":"丁卯"}]}]})"),
              std::string::npos);
    EXPECT_EQ(runBazi(with(kBirth, {"--json"})).out.find("analysis"), std::string::npos);
}

TEST(BaziAnalysis, RefusesBadWordsClearly)
{
    expectUsageError(runBazi(with(kBirth, {"--palace-year", "lunar"})), "--palace-year is calendar|pillar");
    const auto batch = runBazi(
        {"chart", "-", "--json"},
        R"({"name":"张三","sex":"男","date":"1984-03-05","time":"16:00","analysis":"yes"})"
        "\n"
        R"({"name":"张三","sex":"男","date":"1984-03-05","time":"16:00","analysis":true,"palace-year":"pillar"})"
        "\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_TRUE(batch.out.starts_with(R"({"error":"\"analysis\" is true or false"})"
                                      "\n"))
        << batch.out;
    EXPECT_NE(batch.out.find(R"("palaceYear":"pillar")"), std::string::npos);
    EXPECT_NE(batch.out.find(R"("analysis":{)"), std::string::npos);
}

} // namespace
