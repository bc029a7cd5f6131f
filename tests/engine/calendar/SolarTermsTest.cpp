#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace std::chrono;
using engine::LocalTime;

namespace {

const engine::Clock kFixedNow = [] { return LocalTime{local_days{2024y / 2 / 10}} + 8h; };

struct TermCase
{
    std::int16_t year;
    std::int16_t n;
    const char* instant;
};

// Hand calculation: 1900-01-06 02:05 + (31556925.9747 x (year - 1900) + 60 x offset) / 60 minutes, rounded.
// clang-format off
const TermCase kTerms[] = {
    {1900, 0, "1900-01-06 02:05:00"},  // the base instant itself
    {1900, 2, "1900-02-04 13:52:00"},  // worked example
    {2024, 2, "2024-02-04 14:39:00"},  // worked example
    {2023, 23, "2023-12-22 09:41:00"}, // worked example, last term of a year
    {1984, 2, "1984-02-04 22:08:00"},  // the 立春 that splits 1984-02-04
    {2024, 26, "2024-02-04 14:39:00"}, // n is reduced mod 24 within the same year
    {2025, 0, "2025-01-05 08:41:00"},  // 65743595.78 minutes: rounds up (a cut fraction would give 08:40)
    {2100, 2, "2100-02-04 00:25:00"},  // last year of the calendar
};
// clang-format on

TEST(STerm, AgreesWithTheMeanFormula)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kTerms) {
        SCOPED_TRACE(std::to_string(c.year) + " term " + std::to_string(c.n));
        EXPECT_EQ(lp.STerm(c.year, c.n), c.instant);
    }
}

TEST(STermInfoSolarTerm, ReduceTheTermNumberModTwentyFour)
{
    const struct
    {
        std::int16_t n;
        std::int32_t offset;
        const char* name;
    } cases[] = {
        {0, 0, "小寒"},       // first term
        {2, 42467, "立春"},   // the year's 节
        {23, 504758, "冬至"}, // last term
        {24, 0, "小寒"},      // wraps to the first
        {26, 42467, "立春"},  // same as 2
        {-1, 504758, "冬至"}, // negative numbers reduce into the table
        {-24, 0, "小寒"},     //
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(lp.STermInfo(c.n), c.offset);
        EXPECT_EQ(lp.SolarTerm(c.n), c.name);
    }
}

struct LookupCase
{
    const char* sTime;
    const char* jiePreName;
    const char* jiePreTime;
    const char* jieNextName;
    const char* jieNextTime;
    const char* qiPreName;
    const char* qiPreTime;
    const char* qiNextName;
    const char* qiNextTime;
};

// Instants by the mean formula: 2023 大雪 12-07 15:55, 冬至 12-22 09:41; 2024 小寒 01-06 02:52, 大寒 01-20 20:20,
// 立春 02-04 14:39, 雨水 02-19 10:48, 惊蛰 03-05 09:09, 立夏 05-05 08:41, 小满 05-20 22:03, 芒种 06-05 13:24,
// 立冬 11-07 05:27, 小雪 11-22 02:36, 大雪 12-06 21:44, 冬至 12-21 15:30; 2025 小寒 01-05 08:41;
// 1994 芒种 06-06 07:01, 夏至 06-22 00:02, 小暑 07-07 17:32; 2100 小寒 01-05 12:38, 大寒 01-20 06:06, 立春 02-04 00:25.
// clang-format off
const LookupCase kLookups[] = {
    // exactly at a 节: it is the previous 节, the following one is next
    {"2024-02-04 14:39:00", "立春", "2024-02-04 14:39:00", "惊蛰", "2024-03-05 09:09:00", "立春", "2024-02-04 14:39:00",
     "雨水", "2024-02-19 10:48:00"},
    // one second before the 节: still the month before
    {"2024-02-04 14:38:59", "小寒", "2024-01-06 02:52:00", "立春", "2024-02-04 14:39:00", "大寒", "2024-01-20 20:20:00",
     "立春", "2024-02-04 14:39:00"},
    // exactly at a 中气: the term before is the month's 节, the next term is the 中气 itself
    {"2024-02-19 10:48:00", "立春", "2024-02-04 14:39:00", "惊蛰", "2024-03-05 09:09:00", "立春", "2024-02-04 14:39:00",
     "雨水", "2024-02-19 10:48:00"},
    // one second after the 中气
    {"2024-02-19 10:48:01", "立春", "2024-02-04 14:39:00", "惊蛰", "2024-03-05 09:09:00", "雨水", "2024-02-19 10:48:00",
     "惊蛰", "2024-03-05 09:09:00"},
    // January before 小寒: the previous year's 大雪 and 冬至
    {"2024-01-03", "大雪", "2023-12-07 15:55:00", "小寒", "2024-01-06 02:52:00", "冬至", "2023-12-22 09:41:00", "小寒",
     "2024-01-06 02:52:00"},
    // January between 小寒 and 大寒
    {"2024-01-10 12:00:00", "小寒", "2024-01-06 02:52:00", "立春", "2024-02-04 14:39:00", "小寒", "2024-01-06 02:52:00",
     "大寒", "2024-01-20 20:20:00"},
    // a month before its 节: the month before's 节 and 中气
    {"2024-06-01 12:00:00", "立夏", "2024-05-05 08:41:00", "芒种", "2024-06-05 13:24:00", "小满", "2024-05-20 22:03:00",
     "芒种", "2024-06-05 13:24:00"},
    // December before 大雪
    {"2024-12-01 00:00:00", "立冬", "2024-11-07 05:27:00", "大雪", "2024-12-06 21:44:00", "小雪", "2024-11-22 02:36:00",
     "大雪", "2024-12-06 21:44:00"},
    // December after 冬至: the next year's 小寒
    {"2024-12-31", "大雪", "2024-12-06 21:44:00", "小寒", "2025-01-05 08:41:00", "冬至", "2024-12-21 15:30:00", "小寒",
     "2025-01-05 08:41:00"},
    // a date alone is 00:00:00: before the 14:39 立春 of that day
    {"2024-02-04", "小寒", "2024-01-06 02:52:00", "立春", "2024-02-04 14:39:00", "大寒", "2024-01-20 20:20:00", "立春",
     "2024-02-04 14:39:00"},
    // a date alone is 00:00:00: before a 中气 at 00:02
    {"1994-06-22", "芒种", "1994-06-06 07:01:00", "小暑", "1994-07-07 17:32:00", "芒种", "1994-06-06 07:01:00", "夏至",
     "1994-06-22 00:02:00"},
    // one second past that 中气
    {"1994-06-22 00:02:01", "芒种", "1994-06-06 07:01:00", "小暑", "1994-07-07 17:32:00", "夏至", "1994-06-22 00:02:00",
     "小暑", "1994-07-07 17:32:00"},
    // a date alone is 00:00:00: before a 节 at 00:25
    {"2100-02-04", "小寒", "2100-01-05 12:38:00", "立春", "2100-02-04 00:25:00", "大寒", "2100-01-20 06:06:00", "立春",
     "2100-02-04 00:25:00"},
};
// clang-format on

TEST(JieQiLookups, FindTheTermsAroundAMoment)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kLookups) {
        SCOPED_TRACE(c.sTime);
        std::string s = c.sTime;
        EXPECT_EQ(lp.JiePreName(s), c.jiePreName);
        EXPECT_EQ(lp.JiePreTime(s), c.jiePreTime);
        EXPECT_EQ(lp.JieNextName(s), c.jieNextName);
        EXPECT_EQ(lp.JieNextTime(s), c.jieNextTime);
        EXPECT_EQ(lp.QiPreName(s), c.qiPreName);
        EXPECT_EQ(lp.QiPreTime(s), c.qiPreTime);
        EXPECT_EQ(lp.QiNextName(s), c.qiNextName);
        EXPECT_EQ(lp.QiNextTime(s), c.qiNextTime);
        EXPECT_EQ(s, c.sTime); // a readable text is left alone
    }
}

struct FallbackCase
{
    const char* method;
    std::function<std::string(const LandPP&, std::string&)> call;
    const char* atClock; // the answer for the clock's 2024-02-10 08:00:00
};

// clang-format off
const FallbackCase kFallbacks[] = {
    {"JiePreName", [](const LandPP& lp, std::string& s) { return lp.JiePreName(s); }, "立春"},
    {"JiePreTime", [](const LandPP& lp, std::string& s) { return lp.JiePreTime(s); }, "2024-02-04 14:39:00"},
    {"JieNextName", [](const LandPP& lp, std::string& s) { return lp.JieNextName(s); }, "惊蛰"},
    {"JieNextTime", [](const LandPP& lp, std::string& s) { return lp.JieNextTime(s); }, "2024-03-05 09:09:00"},
    {"QiPreName", [](const LandPP& lp, std::string& s) { return lp.QiPreName(s); }, "立春"},
    {"QiPreTime", [](const LandPP& lp, std::string& s) { return lp.QiPreTime(s); }, "2024-02-04 14:39:00"},
    {"QiNextName", [](const LandPP& lp, std::string& s) { return lp.QiNextName(s); }, "雨水"},
    {"QiNextTime", [](const LandPP& lp, std::string& s) { return lp.QiNextTime(s); }, "2024-02-19 10:48:00"},
};
// clang-format on

TEST(JieQiLookups, UnreadableTextBecomesTheClocksMoment)
{
    const char* const texts[] = {"abc", "", "2023-02-30", "2024-01-01 25:00"};
    const LandPP lp{kFixedNow};
    for (const auto& f : kFallbacks) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(f.method) + " of \"" + text + "\"");
            std::string sTime = text;
            EXPECT_EQ(f.call(lp, sTime), f.atClock);
            EXPECT_EQ(sTime, "2024-02-10 08:00:00");
        }
    }
}

TEST(JieQiLookups, EveryTermOpensExactlyAtItsInstant)
{
    // The lookups assume each month's 节 and 中气 fall inside that Gregorian month.
    for (int y = 1900; y <= 2100; ++y) {
        for (int n = 0; n < 24; ++n) {
            const LocalTime at = engine::termInstant(y, n);
            const year_month_day ymd{floor<days>(at)};
            ASSERT_EQ(ymd.year(), year{y}) << y << " term " << n;
            ASSERT_EQ(static_cast<unsigned>(ymd.month()), static_cast<unsigned>(n / 2 + 1)) << y << " term " << n;
            const LocalTime before = at - 1s;
            if (n % 2 == 0) {
                ASSERT_EQ(engine::jiePre(at).at, at) << y << " term " << n;
                ASSERT_EQ(engine::jiePre(at).n, n);
                ASSERT_EQ(engine::jieNext(before).at, at) << y << " term " << n;
                ASSERT_LT(engine::jiePre(before).at, before) << y << " term " << n;
                ASSERT_EQ(engine::jiePre(before).n, (n + 22) % 24);
                ASSERT_EQ(engine::qiNext(before).at, at) << y << " term " << n;
            } else {
                ASSERT_EQ(engine::qiNext(at).at, at) << y << " term " << n;
                ASSERT_EQ(engine::qiNext(at).n, n);
                ASSERT_EQ(engine::qiPre(at + 1s).at, at) << y << " term " << n;
                ASSERT_EQ(engine::qiPre(at).n, n - 1); // exactly at a 中气 still answers the 节
            }
        }
    }
}

struct EdgeYearCase
{
    std::string (LandPP::*method)(std::string&) const;
    const char* sTime;
    bool throws;
};

// The answers are written with four-digit years, as the reader takes them: a term beyond year 9999 or before year 1
// has no such text and is refused.
// clang-format off
const EdgeYearCase kEdgeYears[] = {
    {&LandPP::JieNextTime, "9999-12-31 23:59:59", true}, // the next 节 is 小寒 of year 10000
    {&LandPP::QiNextTime, "9999-12-31 23:59:59", true},  // likewise
    {&LandPP::JieNextTime, "9999-12-01", false},         // 大雪 of 9999 still has its text
    {&LandPP::QiPreTime, "1-01-06", true},               // the term before is 冬至 of year 0
    {&LandPP::JiePreTime, "1-01-01", true},              // 大雪 of year 0
    {&LandPP::JiePreTime, "1-02-10", false},             // 立春 of year 1
    {&LandPP::QiNextTime, "1-01-01", false},             // 小寒 of year 1
};
// clang-format on

TEST(JieQiLookups, AnswersOutsideTheFourDigitYearsAreRangeErrors)
{
    const LandPP lp{kFixedNow};
    for (const EdgeYearCase& c : kEdgeYears) {
        SCOPED_TRACE(c.sTime);
        std::string sTime = c.sTime;
        if (c.throws) {
            EXPECT_THROW((lp.*c.method)(sTime), engine::RangeError);
        } else {
            const std::string answer = (lp.*c.method)(sTime);
            EXPECT_TRUE(engine::isFullTimeText(answer)) << answer;
        }
    }
}

TEST(STerm, YearsOutsideTheFourDigitYearsAreRangeErrors)
{
    const LandPP lp{kFixedNow};
    EXPECT_THROW(lp.STerm(0, 0), engine::RangeError);
    EXPECT_THROW(lp.STerm(-1, 12), engine::RangeError);
    EXPECT_THROW(lp.STerm(10000, 0), engine::RangeError);
    EXPECT_EQ(lp.STerm(9999, 23).substr(0, 8), "9999-12-");
    EXPECT_EQ(lp.STerm(1, 0).substr(0, 8), "0001-01-");
}

} // namespace
