#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

namespace {

struct Answered
{
    std::vector<std::string> args;
    const char* out;
};

// clang-format off
const Answered kAnswers[] = {
    {{"lunar", "1984-02-02"}, "农历甲子年(鼠)正月初一\n"},         // a lunar new year's day
    {{"lunar", "2023-03-22"}, "农历癸卯年(兔)闰二月初一\n"},       // first day of a leap month
    {{"lunar", "2000-01-01"}, "农历己卯年(兔)十一月廿五\n"},       // still the old lunar year
    {{"lunar", "1900-01-31", "2101-01-28"},                        // first and last days of the table,
     "农历庚子年(鼠)正月初一\n农历庚申年(猴)腊月廿九\n"},          // answered in argument order
    {{"solar", "--leap", "2023-2-1"}, "2023-03-22\n"},             // the leap second month of 2023
    {{"solar", "2023-2-1"}, "2023-02-20\n"},                       // the ordinary month before it
    {{"solar", "1900-1-1"}, "1900-01-31\n"},                       // the anchor of the table
    {{"pillars", "1984-02-05 08:00:00"}, "甲子 丙寅 己巳 戊辰\n"}, // worked example
    {{"pillars", "1984-02-05 08:00"}, "甲子 丙寅 己巳 戊辰\n"},    // seconds left out
    {{"pillars", "2000-01-01"}, "己卯 丙子 戊午 壬子\n"},          // bare date: midnight, before 小寒
    {{"pillars", "1984-02-04 12:00"}, "癸亥 乙丑 戊辰 戊午\n"},    // ten hours before 立春: old year
    {{"pillars", "2024-01-03 23:30"}, "癸卯 甲子 丙寅 戊子\n"},    // 23:30 is 子 of the same day
};
// clang-format on

TEST(BaziCli, AnswersKnownValues)
{
    for (const auto& c : kAnswers) {
        SCOPED_TRACE(c.args[1]);
        expectPrinted(runBazi(c.args), c.out);
    }
}

struct TermLine
{
    const char* year;
    std::size_t n;
    const char* line;
};

// clang-format off
const TermLine kTermLines[] = {
    {"1900", 0, "小寒 1900-01-06 02:05:00"},  // the base instant itself
    {"1900", 2, "立春 1900-02-04 13:52:00"},  // first year of the range
    {"2024", 2, "立春 2024-02-04 14:39:00"},  // worked example
    {"2023", 23, "冬至 2023-12-22 09:41:00"}, // the last term of a year
};
// clang-format on

TEST(BaziCli, TermsListTwentyFourTermsOfTheYear)
{
    for (const auto& c : kTermLines) {
        SCOPED_TRACE(c.line);
        const BaziRun run = runBazi({"terms", c.year});
        EXPECT_EQ(run.status, 0);
        const auto lines = splitLines(run.out);
        ASSERT_EQ(lines.size(), 24u);
        EXPECT_EQ(lines[c.n], c.line);
    }
}

// clang-format off
const Answered kJson[] = {
    // The shapes documented in --help, with values from the examples above.
    {{"lunar", "--json", "1984-02-02"},
     R"({"date":"1984-02-02","year":1984,"month":1,"day":1,"leap":false,"text":"农历甲子年(鼠)正月初一"})"},
    {{"lunar", "--json", "2023-3-22"}, // unpadded input comes back padded; a leap month
     R"({"date":"2023-03-22","year":2023,"month":2,"day":1,"leap":true,"text":"农历癸卯年(兔)闰二月初一"})"},
    {{"solar", "--json", "--leap", "2023-2-1"}, R"({"lunar":"2023-2-1","leap":true,"date":"2023-03-22"})"},
    {{"pillars", "--json", "1984-02-05 08:00"}, // the time is completed to seconds
     R"({"time":"1984-02-05 08:00:00","year":"甲子","month":"丙寅","day":"己巳","hour":"戊辰"})"},
    {{"terms", "--json", "2024"}, // 小寒: the base instant plus 124 tropical years, by hand
     R"({"year":2024,"n":0,"name":"小寒","time":"2024-01-06 02:52:00"})"},
};
// clang-format on

TEST(BaziCli, JsonGivesOneObjectPerLine)
{
    for (const auto& c : kJson) {
        SCOPED_TRACE(c.args.back());
        const BaziRun run = runBazi(c.args);
        EXPECT_EQ(run.status, 0);
        const auto lines = splitLines(run.out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.out);
    }
}

// clang-format off
const std::vector<std::string> kHelpCalls[] = {
    {"--help"},             // the tool's own usage
    {"lunar", "--help"},    // each subcommand has its own
    {"solar", "--help"},    // each subcommand has its own
    {"pillars", "--help"},  // each subcommand has its own
    {"terms", "--help"},    // each subcommand has its own
    {"terms", "-h", "abc"}, // help wins over a bad value
};
// clang-format on

TEST(BaziCli, HelpGoesToStandardOutput)
{
    for (const auto& args : kHelpCalls) {
        SCOPED_TRACE(args.front());
        const BaziRun run = runBazi(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with("Usage: bazi " + (args.size() > 1 ? args.front() + " " : "")));
        EXPECT_NE(run.out.find("--json"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
}

// The version is the build's one, the same the desktop program and its about box report.
TEST(BaziCli, VersionFromTheBuild)
{
    expectPrinted(runBazi({"--version"}), "bazi " EXPECTED_VERSION "\n");
    expectUsageError(runBazi({"lunar", "--version"}), "--version");
}

} // namespace
