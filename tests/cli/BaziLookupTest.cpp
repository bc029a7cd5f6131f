#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

namespace {

struct Answered
{
    std::vector<std::string> args;
    const char* out;
    int status;
};

// 1984-02-05 08:00 is 甲子 丙寅 己巳 戊辰, and 1924-02-20 08:00 the same: 60 years less 15 days hold 21915 days,
// 15 short of a whole number of sixty-day cycles. 立春 2024 is 02-04 14:39, on a 戊戌 day.
// 小暑 2024 by the mean formula is 07-06 23:55, astronomically 07-06 22:20 (published, Beijing time); 07-06 is a
// 辛未 day, whose 子 hour is 戊子.
// clang-format off
const Answered kAnswers[] = {
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰"}, "1924-02-20 08:00:00\n", 0},                   // from 1900 by default
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "1984"}, "1984-02-05 08:00:00\n", 0}, // options may follow
    {{"lookup", "--from=1984", "甲子", "丙寅", "己巳", "戊辰"}, "1984-02-05 08:00:00\n", 0},    // or come first
    {{"lookup", "甲辰", "丙寅", "戊戌", "己未", "--from", "2024"}, "2024-02-04 14:39:00\n", 0}, // the term instant
    {{"lookup", "甲辰", "丙寅", "戊戌", "壬子", "--from", "2024"}, "2024-02-04 23:00:00\n", 0}, // the late 子 hour
    {{"lookup", "甲辰", "辛未", "辛未", "戊子", "--from", "2024"}, "2024-07-06 23:55:00\n", 0}, // at the mean 小暑
    {{"lookup", "甲辰", "辛未", "辛未", "戊子", "--from", "2024", "--terms", "mean"}, "2024-07-06 23:55:00\n", 0},
    {{"lookup", "甲辰", "辛未", "辛未", "戊子", "--from", "2024", "--terms", "astro"}, "2024-07-06 23:00:00\n", 0},
    {{"lookup", "--terms=astro", "甲子", "丙寅", "己巳", "戊辰", "--from", "1984"}, "1984-02-05 08:00:00\n", 0},
    {{"lookup", "甲丑", "丙寅", "己巳", "戊辰"}, "八字写错了啦，请检查一下\n", 1}, // none of the sixty
    {{"lookup", "甲子", "戊寅", "己巳", "戊辰"}, "八字匹配不了，请检查一下\n", 1}, // 戊寅 is no month of a 甲 year
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "2045"}, "未找到数据\n", 1}, // after the last 甲子 year
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "1984", "--json"},
     "{\"pillars\":[\"甲子\",\"丙寅\",\"己巳\",\"戊辰\"],\"from\":1984,\"found\":\"1984-02-05 08:00:00\"}\n",
     0},
    {{"lookup", "--json", "甲子", "戊寅", "己巳", "戊辰"},
     "{\"pillars\":[\"甲子\",\"戊寅\",\"己巳\",\"戊辰\"],\"from\":1900,\"message\":\"八字匹配不了，请检查一下\"}\n",
     1},
    {{"lookup", "--json", "--from", "2099", "甲子", "丙寅", "己巳", "戊辰"},
     "{\"pillars\":[\"甲子\",\"丙寅\",\"己巳\",\"戊辰\"],\"from\":2099,\"message\":\"未找到数据\"}\n",
     1},
};
// clang-format on

TEST(BaziLookup, PrintsTheMomentOrWhyThereIsNone)
{
    for (const auto& c : kAnswers) {
        SCOPED_TRACE(c.out);
        expectPrinted(runBazi(c.args), c.out, c.status);
    }
}

struct Refused
{
    std::vector<std::string> args;
    const char* says; // part of the message on standard error
};

// clang-format off
const Refused kRefusals[] = {
    {{"lookup", "甲子", "丙寅", "己巳"}, "four pillars are needed"},                   // a pillar short
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "戊辰"}, "four pillars are needed"},   // one too many
    {{"lookup", "甲", "丙寅", "己巳", "戊辰"}, "not a pillar: \"甲\""},                // a stem alone
    {{"lookup", "甲子", "丙寅", "己巳", "辰戊"}, "not a pillar: \"辰戊\""},            // branch first
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰 "}, "not a pillar"},                     // a trailing blank
    {{"lookup", "甲子", "丙寅", "己巳", "\xE6\x88"}, "not a pillar: <invalid UTF-8>"}, // cut UTF-8
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "1899"}, "not a year"},      // before the years searched
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "2100"}, "not a year"},      // after them
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "-5"}, "not a year"},        // negative
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from", "1984年"}, "not a year"},    // not a plain number
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--from"}, "--from needs a year"},     // no value at the end
    {{"lookup", "--from", "--json", "甲子", "丙寅", "己巳", "戊辰"}, "--from needs a year"}, // nor before an option
    {{"lookup", "--from", "1984", "--from=1990", "甲子", "丙寅", "己巳", "戊辰"}, "given twice"},
    {{"lookup", "--leap", "甲子", "丙寅", "己巳", "戊辰"}, "unknown option \"--leap\""},
    {{"lookup", "甲子", "丙寅", "己巳", "戊辰", "--terms", "true"}, "--terms is mean|astro, not \"true\""},
};
// clang-format on

TEST(BaziLookup, RefusesBadArgumentsWithStatusTwo)
{
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.says);
        expectUsageError(runBazi(c.args), c.says);
    }
}

TEST(BaziLookup, HelpNamesTheMessages)
{
    const BaziRun run = runBazi({"lookup", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: bazi lookup"));
    EXPECT_NE(run.out.find("八字匹配不了，请检查一下"), std::string::npos);
    EXPECT_NE(runBazi({"--help"}).out.find("\n  lookup "), std::string::npos);
}

} // namespace
