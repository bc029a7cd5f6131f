#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

namespace {

struct Refused
{
    std::vector<std::string> args;
    const char* named; // the value the message must name
};

// Each bad moment option stops the command before any output, naming the value.
// clang-format off
const Refused kRefused[] = {
    {{"pillars", "--tz", "Asia/Atlantis", "2024-01-01"}, "Asia/Atlantis"}, // no such zone
    {{"pillars", "--place", "无此地", "2024-01-01"}, "无此地"},            // no such place
    {{"pillars", "--longitude", "180.5", "2024-01-01"}, "180.5"},          // past the antimeridian
    {{"pillars", "--longitude", "-181", "2024-01-01"}, "-181"},            // and west of it
    {{"pillars", "--longitude", "116°61′", "2024-01-01"}, "116°61′"},      // 61 minutes
    {{"pillars", "--longitude", "east", "2024-01-01"}, "east"},            // unreadable
    {{"pillars", "--solar-time", "true", "2024-01-01"}, "true"},           // no place or longitude
    {{"pillars", "--solar-time", "sundial", "2024-01-01"}, "sundial"},     // no such solar time
    {{"pillars", "--late-zi", "早子", "2024-01-01"}, "早子"},              // no such convention
    {{"pillars", "--fold", "both", "2024-01-01"}, "both"},                 // no such reading
    {{"terms", "--terms", "exact", "2024"}, "exact"},                      // no such method
    {{"chart", "--name", "甲", "--sex", "男", "--date", "2024-01-01", "--time", "12:00", "--tz", "Mars/Olympus"},
     "Mars/Olympus"}, // the chart checks the same options
    {{"chart", "--name", "甲", "--sex", "男", "--date", "2024-01-01", "--time", "12:00", "--solar-time", "mean"},
     "mean"},
    {{"readings", "--sex", "男", "--date", "2024-03-10", "--time", "00:20", "--tz", "Bad/Zone"}, "Bad/Zone"},
};
// clang-format on

TEST(BaziMoment, BadOptionsExitWithUsageError)
{
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.named);
        expectUsageError(runBazi(c.args), c.named);
    }
}

struct Answered
{
    std::vector<std::string> args;
    const char* out;
};

// clang-format off
const Answered kAnswers[] = {
    // 00:20 Beijing time in Kashgar is about 21:13 true solar time the day before: its 亥 hour.
    {{"pillars", "--place", "喀什", "--solar-time", "true", "2024-03-10 00:20"}, "甲辰 丁卯 壬申 辛亥\n"},
    // The two longitude forms agree: 116°28′ is 116.4667°.
    {{"pillars", "--longitude", "116°28′", "--solar-time", "mean", "2024-03-10 12:00"}, "甲辰 丁卯 癸酉 戊午\n"},
    {{"pillars", "--longitude", "116.4667", "--solar-time", "mean", "2024-03-10 12:00"}, "甲辰 丁卯 癸酉 戊午\n"},
    // China's summer time, as the JSON states it.
    {{"pillars", "--json", "--tz", "Asia/Shanghai", "1988-07-15 08:00"},
     R"({"time":"1988-07-15 08:00:00","year":"戊辰","month":"己未","day":"辛未","hour":"壬辰",)"
     R"("solarTime":"1988-07-15 08:00:00","utc":"1988-07-14 23:00:00","utcOffset":"+09:00","dst":true})"
     "\n"},
    // A repeated clock time with a fold.
    {{"pillars", "--tz", "America/New_York", "--fold", "later", "2024-11-03 01:30"}, "甲辰 甲戌 辛未 己丑\n"},
};
// clang-format on

TEST(BaziMoment, AnswersWithMomentOptions)
{
    for (const auto& c : kAnswers) {
        SCOPED_TRACE(c.args[1]);
        expectPrinted(runBazi(c.args), c.out);
    }
}

TEST(BaziMoment, RefusesASkippedClockTimeNamingTheGap)
{
    const BaziRun run = runBazi({"pillars", "--tz", "America/New_York", "2024-03-10 02:30"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("America/New_York"), std::string::npos) << run.err;
}

TEST(BaziMoment, AstronomicalTermsToTheSecond)
{
    const BaziRun run = runBazi({"terms", "--terms", "astro", "2024"});
    ASSERT_EQ(run.status, 0);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 24u);
    // Published: 立春 2024-02-04 16:26:53 Beijing time; the line keeps the form and lies within a minute.
    ASSERT_EQ(lines[2].substr(0, std::string("立春 2024-02-04 16:2").size()), "立春 2024-02-04 16:2");
    const int minute = std::stoi(lines[2].substr(lines[2].size() - 5, 2));
    const int second = std::stoi(lines[2].substr(lines[2].size() - 2));
    EXPECT_LE(std::abs((minute * 60 + second) - (26 * 60 + 53)), 60) << lines[2];
}

TEST(BaziMoment, ChartStatesTheOptionsAfterTheFirstTwoRows)
{
    const BaziRun run =
        runBazi({"chart", "--name", "甲", "--sex", "男", "--date", "1988-07-15", "--time", "08:00", "--place", "喀什",
                 "--solar-time", "true", "--terms", "astro", "--late-zi", "next-day"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = splitLines(run.out);
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(lines[0].rfind("姓名：", 0), 0u);
    EXPECT_EQ(lines[1].rfind("出生公历：1988-07-15 08:00:00", 0), 0u);
    EXPECT_EQ(lines[2], "出生地：喀什（新疆）");
    EXPECT_EQ(lines[3], "经度：东经75.99°");
    EXPECT_EQ(lines[4], "时区：Asia/Shanghai UTC+09:00 夏令时"); // Xinjiang keeps Beijing time, with its summer time
    EXPECT_EQ(lines[5].rfind("真太阳时：1988-07-15 0", 0), 0u) << lines[5];
    EXPECT_EQ(lines[6], "节气：天文");
    EXPECT_EQ(lines[7], "子时：晚子换日");
    EXPECT_EQ(lines[8], "");
}

TEST(BaziMoment, PlacesListsMatches)
{
    const BaziRun run = runBazi({"places", "哈尔滨"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(splitLines(run.out).front().rfind("哈尔滨\t黑龙江\t126.", 0), 0u) << run.out;
}

} // namespace
