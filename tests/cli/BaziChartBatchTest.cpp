#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string kGood = R"({"name":"张三","sex":"男","date":"1984-02-05","time":"08:00"})";
const std::vector<std::string> kGoodWords = {"chart",  "--name",     "张三",   "--sex", "男",
                                             "--date", "1984-02-05", "--time", "08:00"};

std::vector<std::string> with(std::vector<std::string> words, const std::string& more)
{
    words.push_back(more);
    return words;
}

// Each refused line gives its own error in its place; the lines around it are charted.
TEST(BaziChartBatch, EveryRefusalKindInItsPlace)
{
    struct Case
    {
        const char* why;
        std::string line;
        std::string error;
    };
    const Case cases[] = {
        {"not JSON", "name=张三", R"({"error":"not a JSON object"})"},
        {"an array", R"(["张三"])", R"({"error":"not a JSON object"})"},
        {"unterminated", R"({"name":"张三")", R"({"error":"not a JSON object"})"},
        {"a blank line", "  ", R"({"error":"an empty line"})"},
        {"invalid UTF-8 in a text", "{\"name\":\"\xE5\xBC\"}", R"({"error":"not a JSON object"})"},
        {"an unknown key", R"({"name":"张三","colour":"红"})", R"({"error":"unknown option \"--colour\""})"},
        {"an unknown flag", R"({"name":"张三","bold":true})", R"({"error":"unknown option \"--bold\""})"},
        {"a key of the command line", R"({"json":true})", R"({"error":"not a request key: \"json\""})"},
        {"a key given twice", R"({"name":"张三","name":"李四"})", R"({"error":"\"name\" is given twice"})"},
        {"an object as value", R"({"name":{"x":1}})", R"({"error":"\"name\" takes a text or a number"})"},
        {"null", R"({"name":null})", R"({"error":"\"name\" takes a text or a number"})"},
        {"true for a value", R"({"name":true})", R"({"error":"\"name\" takes a text or a number"})"},
        {"a text for a flag", R"({"stars":"yes"})", R"({"error":"\"stars\" is true or false"})"},
        {"a number for a flag", R"({"lunar":1})", R"({"error":"\"lunar\" is true or false"})"},
        {"missing keys", R"({"name":"张三"})", R"({"error":"missing --sex, --date, --time"})"},
        {"a date out of range", R"({"name":"张三","sex":"男","date":"2100-01-01","time":"08:00"})",
         R"j({"error":"not a date: \"2100-01-01\" (expected YYYY-MM-DD, years 1900 to 2099)"})j"},
        {"a sex of another language", R"({"name":"张三","sex":"M","date":"1984-02-05","time":"08:00"})", ""},
    };
    const std::string chart = runBazi(with(kGoodWords, "--json")).out;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const BaziRun run = runBazi({"chart", "-", "--json"}, kGood + "\n" + c.line + "\n" + kGood + "\n");
        const auto lines = splitLines(run.out);
        ASSERT_EQ(lines.size(), 3u) << run.out;
        EXPECT_EQ(lines[0] + "\n", chart);
        if (c.error.empty()) // the model's own message: only its shape is fixed here
            EXPECT_TRUE(lines[1].starts_with(R"({"error":")")) << lines[1];
        else
            EXPECT_EQ(lines[1], c.error);
        EXPECT_EQ(lines[2] + "\n", chart);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "");
    }
}

TEST(BaziChartBatch, GoodLinesExitZeroAndTakeEveryKind)
{
    // false leaves a flag out; a number is a value as written; a byte-order mark and CR LF are accepted.
    const std::string input = "\xEF\xBB\xBF" + kGood + "\r\n" +
                              R"({"name":"李四","sex":"女","date":"2023-02-15","lunar":true,"leap":true,)"
                              R"("time":"23:40","stars":false,"layout":"横排"})"
                              "\n" +
                              R"({"name":"王五","sex":"男","date":"1990-05-12","time":"08:30","longitude":75.98,)"
                              R"("solar-time":"true"})"
                              "\n";
    const BaziRun run = runBazi({"chart", "-", "--json"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1] + "\n", runBazi({"chart", "--name", "李四", "--sex", "女", "--date", "2023-02-15", "--lunar",
                                        "--leap", "--time", "23:40", "--layout", "横排", "--json"})
                                   .out);
    EXPECT_EQ(lines[2] + "\n", runBazi({"chart", "--name", "王五", "--sex", "男", "--date", "1990-05-12", "--time",
                                        "08:30", "--longitude", "75.98", "--solar-time", "true", "--json"})
                                   .out);
}

// Text mode: each chart as the one-shot command prints it, then a form-feed line; a refusal takes one line and its
// form feed.
TEST(BaziChartBatch, TextModeSeparatesChartsWithFormFeeds)
{
    const std::string chart = runBazi(kGoodWords).out;
    expectPrinted(runBazi({"chart", "-"}, kGood + "\nbad\n" + kGood + "\n"),
                  chart + "\f\nerror: not a JSON object\n\f\n" + chart + "\f\n", 1);
    const std::string crlf = runBazi(with(kGoodWords, "--crlf")).out;
    expectPrinted(runBazi({"chart", "-", "--crlf"}, kGood + "\n"), crlf + "\f\r\n");
    expectPrinted(runBazi({"chart", "-"}, ""), "");
}

TEST(BaziChartBatch, CommandLineOptionsBesideTheDash)
{
    expectUsageError(runBazi({"chart", "-", "--stars"}, kGood), "--stars");
    expectUsageError(runBazi({"chart", "-", "--json", "--crlf"}, kGood), "--crlf");
    expectUsageError(runBazi({"chart", "-", "extra"}, kGood), "extra");
    EXPECT_NE(runBazi({"chart", "-", "--help"}).out.find("bazi chart -"), std::string::npos);
}

TEST(BaziChartBatch, TheDashStandsAnywhereAmongTheWords)
{
    const std::string input = kGood + "\nnot json\n" + kGood + "\n";
    const auto first = runBazi({"chart", "-", "--json"}, input);
    EXPECT_EQ(first.status, 1); // the refused line
    const auto moved = runBazi({"chart", "--json", "-"}, input);
    EXPECT_EQ(moved.out, first.out);
    EXPECT_EQ(moved.status, first.status);
    expectPrinted(runBazi({"chart", "--crlf", "-"}, kGood + "\n"), runBazi({"chart", "-", "--crlf"}, kGood + "\n").out);
    // A dash that is an option's value is that value: a person may be named "-".
    const auto named = runBazi({"chart", "--name", "-", "--sex", "男", "--date", "1990-05-12", "--time", "08:00"});
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_TRUE(named.out.starts_with("姓名：-       性别：男")) << named.out;
}

// A few hundred births, each line's JSON equal to the one-shot command's, over both calendars, sexes, layouts, the
// stars and a moment option.
TEST(BaziChartBatch, EqualsOneChartAtATime)
{
    std::string input;
    std::vector<std::vector<std::string>> oneShot;
    for (int i = 0; i < 240; ++i) {
        const int year = 1900 + (i * 37) % 200;
        const int month = 1 + (i * 5) % 12;
        const int day = 1 + (i * 11) % 28;
        const int hour = (i * 7) % 24;
        char date[16], time[8];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
        std::snprintf(time, sizeof time, "%02d:%02d", hour, (i * 13) % 60);
        const bool lunar = i % 3 == 0 && year < 2099;
        std::vector<std::string> words = {
            "chart", "--name", "人" + std::to_string(i), "--sex", i % 2 ? "女" : "男", "--date", date, "--time",
            time,    "--json"};
        std::string line = R"({"name":"人)" + std::to_string(i) + R"(","sex":")" + (i % 2 ? "女" : "男") +
                           R"(","date":")" + date + R"(","time":")" + time + '"';
        const auto add = [&](const std::string& key, const std::string& value, bool flag) {
            words.push_back("--" + key);
            if (!flag)
                words.push_back(value);
            line += ",\"" + key + "\":" + (flag ? "true" : "\"" + value + "\"");
        };
        if (lunar)
            add("lunar", "", true);
        if (i % 4 == 1)
            add("stars", "", true);
        if (i % 5 == 2)
            add("layout", "横排", false);
        if (i % 7 == 3)
            add("terms", "astro", false);
        if (i % 11 == 4)
            add("late-zi", "next-day", false);
        input += line + "}\n";
        oneShot.push_back(std::move(words));
    }
    const BaziRun batch = runBazi({"chart", "-", "--json"}, input);
    const auto lines = splitLines(batch.out);
    ASSERT_EQ(lines.size(), oneShot.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        const BaziRun one = runBazi(oneShot[i]);
        if (one.status == 0)
            EXPECT_EQ(lines[i] + "\n", one.out);
        else // a lunar date its year lacks: refused alike
            EXPECT_TRUE(lines[i].starts_with(R"({"error":)")) << lines[i] << one.err;
    }
}

} // namespace
