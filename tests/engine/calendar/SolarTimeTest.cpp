#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace std::chrono;
using engine::LocalTime;

namespace {

const engine::Clock kFixedNow = [] { return LocalTime{local_days{2024y / 2 / 10}} + 8h; };

struct MeanCase
{
    const char* sTime;
    double du;
    double fen;
    const char* expected;
};

// x = 4 x ((du - 120) + fen / 60) minutes, rounded half to even.
// clang-format off
const MeanCase kMeanCases[] = {
    {"2024-02-10 08:00:00", 120, 0, "2024-02-10 08:00:00"},    // on the zone meridian: unchanged
    {"2024-02-10 08:00:00", 121, 30, "2024-02-10 08:06:00"},   // 台北-like: +6
    {"2024-02-10 08:00:00", 87, 36, "2024-02-10 05:50:00"},    // 乌鲁木齐: x = -129.6, -130
    {"2024-02-10 08:00:00", 116, 28, "2024-02-10 07:46:00"},   // 北京: x = -14.13, the seconds dropped
    {"2024-02-10 08:00:00", 120, 7.5, "2024-02-10 08:00:00"},  // x = 0.5 rounds to 0
    {"2024-02-10 08:00:00", 120, 22.5, "2024-02-10 08:02:00"}, // x = 1.5 rounds to 2
    {"2024-02-10 08:00:00", 120, 37.5, "2024-02-10 08:02:00"}, // x = 2.5 rounds to 2
    {"2024-02-10 08:00:00", 119, 37.5, "2024-02-10 07:58:00"}, // x = -1.5 rounds to -2
    {"2024-02-10 08:00:15", 121, 30, "2024-02-10 08:06:15"},   // the clock's seconds are kept
    {"2024-01-01 00:30:00", 87, 36, "2023-12-31 22:20:00"},    // back across midnight and the year
    {"2024-02-10", 121, 30, "2024-02-10 00:06:00"},            // a date alone is midnight
};
// clang-format on

TEST(PTaiYang, ShiftsByFourMinutesPerDegreeFrom120East)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kMeanCases) {
        SCOPED_TRACE(std::string(c.sTime) + " at " + std::to_string(c.du) + "/" + std::to_string(c.fen));
        std::string s = c.sTime;
        EXPECT_EQ(lp.PTaiYang(s, c.du, c.fen), c.expected);
    }
}

struct TrueCase
{
    const char* sTime;
    const char* expected;
};

// clang-format off
const TrueCase kTrueCases[] = {
    {"2023-01-01 12:00:00", "2023-01-01 11:56:51"}, // 1 January: -189 s
    {"2023-11-03 12:00:00", "2023-11-03 12:16:25"}, // 3 November: +985 s, the largest entry
    {"2024-02-29 12:00:00", "2024-02-29 11:47:52"}, // 29 February of a leap year: -728 s
    {"2023-02-28 12:00:00", "2023-02-28 11:47:39"}, // 28 February: -741 s
    {"2023-02-24 12:00:00", "2023-02-24 11:48:56"}, // -664 s as stored, off the curve
    {"2023-12-31 00:01:00", "2023-12-30 23:57:57"}, // last entry, -183 s, back across midnight
    {"2023-05-01 23:59:00", "2023-05-02 00:00:10"}, // +70 s forward across midnight
    {"2023-11-03", "2023-11-03 00:16:25"},          // a date alone is midnight
};
// clang-format on

TEST(ZTaiYang, AddsTheDaysEquationOfTime)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kTrueCases) {
        SCOPED_TRACE(c.sTime);
        std::string s = c.sTime;
        EXPECT_EQ(lp.ZTaiYang(s), c.expected);
    }
}

TEST(ZTaiYang, EveryDayOfALeapYearFindsAnEntry)
{
    for (local_days d{2024y / 1 / 1}; d <= local_days{2024y / 12 / 31}; d += days{1}) {
        const seconds shift = engine::tableTrueSolarTime(LocalTime{d}) - LocalTime{d};
        ASSERT_LE(abs(shift), 985s) << engine::writeDate(d);
    }
}

TEST(PTaiYangZTaiYang, UnreadableTextBecomesTodaysDate)
{
    const char* const texts[] = {"abc", "", "2023-02-30", "2024-02-10 8"};
    const LandPP lp{kFixedNow};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        std::string mean = text;
        EXPECT_EQ(lp.PTaiYang(mean, 121, 30), "2024-02-10 00:06:00");
        EXPECT_EQ(mean, "2024-02-10");
        std::string apparent = text;
        EXPECT_EQ(lp.ZTaiYang(apparent), "2024-02-09 23:45:45"); // 10 February: -855 s
        EXPECT_EQ(apparent, "2024-02-10");
    }
}

TEST(PTaiYang, NonFiniteLongitudeIsAnOrderlyError)
{
    const LandPP lp{kFixedNow};
    std::string s = "2024-02-10 08:00:00";
    EXPECT_THROW(lp.PTaiYang(s, std::numeric_limits<double>::quiet_NaN(), 0), engine::RangeError);
    EXPECT_THROW(lp.PTaiYang(s, 120, std::numeric_limits<double>::infinity()), engine::RangeError);
}

struct EdgeSolarCase
{
    const char* sTime;
    double du; // NaN: true solar time
    bool throws;
};

// Solar time moves the clock by minutes, and the answer keeps the four-digit years the reader takes.
// clang-format off
const EdgeSolarCase kEdgeSolar[] = {
    {"1-01-01", std::numeric_limits<double>::quiet_NaN(), true},              // 1 January: -189 s, into year 0
    {"1-01-01 00:03:09", std::numeric_limits<double>::quiet_NaN(), false},    // exactly 0001-01-01 00:00:00
    {"9999-12-31 23:59:00", std::numeric_limits<double>::quiet_NaN(), false}, // 31 December: -183 s
    {"1-01-01", 119, true},                                                   // 4 minutes west of 120°
    {"1-01-01", 121, false},                                                  // 4 minutes east
    {"9999-12-31 23:00:00", 135, true},                                       // an hour east: year 10000
    {"9999-12-31 23:00:00", 120, false},                                      // on the zone meridian
};
// clang-format on

TEST(PTaiYangZTaiYang, AnswersOutsideTheFourDigitYearsAreRangeErrors)
{
    const LandPP lp{kFixedNow};
    for (const EdgeSolarCase& c : kEdgeSolar) {
        SCOPED_TRACE(std::string(c.sTime) + " at " + std::to_string(c.du));
        std::string sTime = c.sTime;
        const auto call = [&] { return std::isnan(c.du) ? lp.ZTaiYang(sTime) : lp.PTaiYang(sTime, c.du, 0); };
        if (c.throws)
            EXPECT_THROW(call(), engine::RangeError);
        else
            EXPECT_TRUE(engine::isFullTimeText(call()));
    }
}

} // namespace
