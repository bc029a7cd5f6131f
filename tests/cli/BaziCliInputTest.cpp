#include "tests/cli/RunBazi.h"

#include "engine/support/DateTime.h"
#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

namespace {

const std::string kLongValue(10000, '9');
const std::string kNotUtf8 = "\xff\xfe-01-01";

struct Refused
{
    std::vector<std::string> args;
    std::string named; // the part of the message that names the value
};

// clang-format off
const Refused kRefusedArguments[] = {
    {{"lunar", "2023-13-01"}, "\"2023-13-01\""},         // month 13
    {{"lunar", "2023-02-30"}, "\"2023-02-30\""},         // a day February never has
    {{"lunar", "abc"}, "\"abc\""},                       // not a date at all
    {{"lunar", ""}, "\"\""},                             // empty argument
    {{"lunar", "1900-01-30"}, "\"1900-01-30\""},         // the day before the table
    {{"lunar", "2101-01-29"}, "\"2101-01-29\""},         // the day after it
    {{"lunar", kLongValue}, "(10000 characters)"},       // cut short, not echoed whole
    {{"lunar", kNotUtf8}, "<invalid UTF-8>"},            // never echoed raw
    {{"lunar", "1984-02-02", "abc"}, "\"abc\""},         // a good value first prints nothing either
    {{"pillars", "1984-02-05 24:00"}, "24:00"},          // hour 24
    {{"pillars", "1900-01-30 12:00"}, "1900-01-30"},     // before the table
    {{"solar", "--leap", "2023-3-1"}, "\"2023-3-1\""},   // month 3 is not 2023's leap month
    {{"solar", "2023-1-30"}, "\"2023-1-30\""},           // month 1 of 2023 has 29 days
    {{"solar", "--leap", "2023-2-30"}, "2023-2-30"},     // so has its leap month
    {{"solar", "2100-1-1"}, "\"2100-1-1\""},             // the table ends with lunar 2099 here
    {{"solar", "2023-2"}, "\"2023-2\""},                 // two numbers only
    {{"terms", "1899"}, "\"1899\""},                     // a year before the range
    {{"terms", "2101"}, "\"2101\""},                     // a year after it
    {{"terms", "-5"}, "\"-5\""},                         // a negative year is a value, not an option
    {{"lunar", "--bogus", "1984-02-02"}, "\"--bogus\""}, // unknown option
    {{"frobnicate"}, "\"frobnicate\""},                  // unknown subcommand
    {{"lunar"}, "no values"},                            // nothing to convert
    {{"lunar", "-", "1984-02-02"}, "\"-\""},             // standard input mixed with arguments
};
// clang-format on

TEST(BaziCli, RefusesBadArgumentsWithExitStatusTwo)
{
    for (const auto& c : kRefusedArguments) {
        SCOPED_TRACE(c.named);
        const BaziRun run = runBazi(c.args);
        expectUsageError(run, c.named);
        EXPECT_LT(run.err.size(), 300u);
    }
}

TEST(BaziCli, StandardInputModeReplacesBadLinesAndGoesOn)
{
    const std::string input = "1984-02-02\n"
                              "2023-02-30\r\n" // CR LF line end
                              "\n"
                              "2000-01-01\r\n" +
                              kNotUtf8 + "\n" + kLongValue + "\n" + "2023-03-22"; // no final LF
    const BaziRun run = runBazi({"lunar", "-"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(engine::utf8::isValid(run.out));
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "农历甲子年(鼠)正月初一");
    EXPECT_TRUE(lines[1].starts_with("error: ") && lines[1].find("\"2023-02-30\"") != std::string::npos);
    EXPECT_TRUE(lines[2].starts_with("error: "));
    EXPECT_EQ(lines[3], "农历己卯年(兔)十一月廿五");
    EXPECT_TRUE(lines[4].starts_with("error: ") && lines[4].find("<invalid UTF-8>") != std::string::npos);
    EXPECT_TRUE(lines[5].starts_with("error: ") && lines[5].size() < 300);
    EXPECT_EQ(lines[6], "农历癸卯年(兔)闰二月初一");
}

TEST(BaziCli, StandardInputModeWithoutBadLinesExitsZero)
{
    const BaziRun run = runBazi({"solar", "--leap", "-"}, "2023-2-1\r\n2023-2-29\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2023-03-22\n2023-04-19\n"); // first and 29th day of the leap month
}

TEST(BaziCli, JsonErrorObjectsEscapeTheInput)
{
    const BaziRun run = runBazi({"pillars", "--json", "-"}, "x\"y\\z\t\n" + kNotUtf8 + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(engine::utf8::isValid(run.out));
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with(R"({"input":"x\"y\\z\t","error":"not a date: )")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with(R"({"input":"<invalid UTF-8>","error":")")) << lines[1];
}

TEST(BaziCli, StandardInputModeCoversTheWholeTable)
{
    using namespace std::chrono;
    std::string input;
    std::size_t count = 0;
    for (local_days d{year{1900} / 1 / 31}; d <= local_days{year{2101} / 1 / 28}; d += days{1}, ++count)
        input += engine::writeDate(d) + "\n";
    const BaziRun run = runBazi({"lunar", "-"}, input);
    EXPECT_EQ(run.status, 0);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), count);
    EXPECT_EQ(lines.front(), "农历庚子年(鼠)正月初一");
    EXPECT_EQ(lines[count - 1], "农历庚申年(猴)腊月廿九");
}

} // namespace
