#include "models/solartime/BirthMoment.h"

#include "tests/models/solartime/NeedsLibraries.h"

#include "engine/analysis/Analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace {

using engine::LateZi;
using engine::SolarTimeKind;
using models::TermMethod;

engine::LocalTime at(const char* text)
{
    return *engine::readTime(text);
}

// The engine's moment of a clock time under the options, or the refusal's message; every moment built must hold
// its clock time, offset and UTC instant in agreement.
std::variant<engine::BirthMoment, std::string> buildMoment(engine::LocalTime clock, const models::MomentOptions& o)
{
    const auto m = models::resolveMoment(clock, o);
    if (const auto* refusal = std::get_if<models::Refusal>(&m))
        return refusal->message;
    const auto& moment = std::get<models::Moment>(m);
    EXPECT_TRUE(moment.ok()) << engine::writeTime(clock);
    EXPECT_EQ(moment.options().fold, o.fold);
    EXPECT_EQ(moment.options().terms, o.terms);
    return moment.birth();
}

std::string joined(const std::array<std::string, 4>& p)
{
    return p[0] + ' ' + p[1] + ' ' + p[2] + ' ' + p[3];
}

struct MomentCase
{
    const char* why;
    const char* clock;
    const char* zone;
    double longitude; // 0: none given
    SolarTimeKind solar;
    LateZi lateZi;
    TermMethod terms;
    const char* pillars;
};

// Day pillars from the Julian day number ((JDN + 49) mod 60, 甲子 = 0), hour stems by 五鼠遁, months from the
// almanac's term days, solar times worked by hand: UTC + 4 min per degree, then the almanac's equation of time.
// clang-format off
const MomentCase kMoments[] = {
    // 立春 2024 is published at 02-04 16:26:53 Beijing time; the mean formula puts it at 14:39.
    {"a minute before the astronomical 立春", "2024-02-04 16:25:53", "", 0, SolarTimeKind::clock, LateZi::same,
     TermMethod::astro, "癸卯 乙丑 戊戌 庚申"},
    {"a minute after the astronomical 立春", "2024-02-04 16:27:53", "", 0, SolarTimeKind::clock, LateZi::same,
     TermMethod::astro, "甲辰 丙寅 戊戌 庚申"},
    {"the mean 立春 has passed already", "2024-02-04 16:25:53", "", 0, SolarTimeKind::clock, LateZi::same,
     TermMethod::mean, "甲辰 丙寅 戊戌 庚申"},
    // 02:00 EST is 15:00 Beijing time: past the mean 立春 (14:39), though 02:00 read as Beijing time is not.
    {"New York compared with the 节 at its instant", "2024-02-04 02:00", "America/New_York", 0, SolarTimeKind::clock,
     LateZi::same, TermMethod::mean, "甲辰 丙寅 戊戌 癸丑"},
    {"New York before the astronomical 立春 (16:27 Beijing)", "2024-02-04 02:00", "America/New_York", 0,
     SolarTimeKind::clock, LateZi::same, TermMethod::astro, "癸卯 乙丑 戊戌 癸丑"},
    // Summer time: 07:30 CDT is 22:30 UTC; mean solar time at 120°E is 06:30, the 卯 hour, not the clock's 辰.
    {"China's summer time moves the hour", "1988-07-15 07:30", "Asia/Shanghai", 120.0, SolarTimeKind::mean,
     LateZi::same, TermMethod::mean, "戊辰 己未 辛未 辛卯"},
    // 00:20 Beijing time in Kashgar (75.99°E): 16:20 UTC + 5:03:58 - 10 min 26 s = 21:13 the day before, 亥.
    {"Kashgar falls back into the previous day's 亥 hour", "2024-03-10 00:20", "Asia/Shanghai", 75.99,
     SolarTimeKind::apparent, LateZi::same, TermMethod::astro, "甲辰 丁卯 壬申 辛亥"},
    // Harbin (126.63°E): 23:40 Beijing time is 00:06 mean, about 00:05 true solar time of the next day.
    {"Harbin crosses into the next day", "2024-06-21 23:40", "Asia/Shanghai", 126.63, SolarTimeKind::apparent,
     LateZi::same, TermMethod::astro, "甲辰 庚午 丁巳 庚子"},
    {"Harbin by the clock keeps the day", "2024-06-21 23:40", "Asia/Shanghai", 126.63, SolarTimeKind::clock,
     LateZi::same, TermMethod::astro, "甲辰 庚午 丙辰 戊子"},
    {"Harbin by the clock, next-stem", "2024-06-21 23:40", "Asia/Shanghai", 126.63, SolarTimeKind::clock,
     LateZi::nextStem, TermMethod::astro, "甲辰 庚午 丙辰 庚子"},
    {"Harbin by the clock, next-day", "2024-06-21 23:40", "Asia/Shanghai", 126.63, SolarTimeKind::clock,
     LateZi::nextDay, TermMethod::astro, "甲辰 庚午 丁巳 庚子"},
    // Hong Kong (114.17°E) kept summer time (UTC+9) in July 1975: 12:00 is 03:00 UTC, 10:36 mean solar time.
    {"Hong Kong summer time and mean solar time", "1975-07-01 12:00", "Asia/Hong_Kong", 114.17, SolarTimeKind::mean,
     LateZi::same, TermMethod::mean, "乙卯 壬午 戊申 丁巳"},
    // Taipei (121.56°E): 23:50 is 23:56 mean, about 23:47 true solar time: still the late 子 hour.
    {"Taipei late 子, same", "2024-01-15 23:50", "Asia/Taipei", 121.56, SolarTimeKind::apparent, LateZi::same,
     TermMethod::astro, "癸卯 乙丑 戊寅 壬子"},
    {"Taipei late 子, next-stem", "2024-01-15 23:50", "Asia/Taipei", 121.56, SolarTimeKind::apparent, LateZi::nextStem,
     TermMethod::astro, "癸卯 乙丑 戊寅 甲子"},
    {"Taipei late 子, next-day", "2024-01-15 23:50", "Asia/Taipei", 121.56, SolarTimeKind::apparent, LateZi::nextDay,
     TermMethod::astro, "癸卯 乙丑 己卯 甲子"},
    // New York (74.01°W): 00:30 EDT is 04:30 UTC, 23:34 mean and about 23:30 true solar time the day before.
    {"New York crosses back a day", "2024-07-04 00:30", "America/New_York", -74.006, SolarTimeKind::apparent,
     LateZi::same, TermMethod::astro, "甲辰 庚午 戊辰 壬子"},
    {"New York crosses back a day, next-day", "2024-07-04 00:30", "America/New_York", -74.006, SolarTimeKind::apparent,
     LateZi::nextDay, TermMethod::astro, "甲辰 庚午 己巳 甲子"},
    // Sydney (151.21°E) in summer time (UTC+11): 00:10 is 13:10 UTC, 23:15 mean, about 23:08 true the day before.
    {"Sydney summer time crosses back a day", "2024-01-10 00:10", "Australia/Sydney", 151.21, SolarTimeKind::apparent,
     LateZi::same, TermMethod::astro, "癸卯 乙丑 壬申 庚子"},
    {"Sydney, next-stem", "2024-01-10 00:10", "Australia/Sydney", 151.21, SolarTimeKind::apparent, LateZi::nextStem,
     TermMethod::astro, "癸卯 乙丑 壬申 壬子"},
};
// clang-format on

TEST(BirthMoment, PillarsFollowTheInstantAndTheSolarTime)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const auto& c : kMoments) {
        SCOPED_TRACE(c.why);
        models::MomentOptions o;
        o.zone = c.zone;
        if (c.longitude != 0)
            o.longitude = c.longitude;
        o.solarTime = c.solar;
        o.lateZi = c.lateZi;
        o.terms = c.terms;
        const auto m = buildMoment(at(c.clock), o);
        ASSERT_TRUE(std::holds_alternative<engine::BirthMoment>(m)) << std::get<std::string>(m);
        EXPECT_EQ(joined(engine::fourPillars(std::get<engine::BirthMoment>(m))), c.pillars);
    }
}

struct ZoneCase
{
    const char* why;
    const char* zone;
    const char* clock;
    const char* utc;
    int offsetHours;
    bool dst;
};

// clang-format off
const ZoneCase kZones[] = {
    {"China's summer time of 1988", "Asia/Shanghai", "1988-07-15 08:00", "1988-07-14 23:00:00", 9, true},
    {"China's standard time", "Asia/Shanghai", "1995-07-15 08:00", "1995-07-15 00:00:00", 8, false},
    {"after 2037 the current rules go on", "America/New_York", "2040-07-01 12:00", "2040-07-01 16:00:00", -4, true},
    {"and in winter after 2037", "America/New_York", "2050-01-10 12:00", "2050-01-10 17:00:00", -5, false},
    {"southern summer time", "Australia/Sydney", "2024-01-10 00:10", "2024-01-09 13:10:00", 11, true},
};
// clang-format on

TEST(BirthMoment, ReadsTheClockInItsZone)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const auto& c : kZones) {
        SCOPED_TRACE(c.why);
        models::MomentOptions o;
        o.zone = c.zone;
        const auto m = buildMoment(at(c.clock), o);
        ASSERT_TRUE(std::holds_alternative<engine::BirthMoment>(m)) << std::get<std::string>(m);
        const auto& moment = std::get<engine::BirthMoment>(m);
        EXPECT_EQ(engine::writeTime(engine::LocalTime{moment.utc.time_since_epoch()}), c.utc);
        EXPECT_EQ(moment.offset, std::chrono::hours{c.offsetHours});
        EXPECT_EQ(moment.dst, c.dst);
    }
}

struct RefusalCase
{
    const char* why;
    const char* zone;
    const char* clock;
    zones::Fold fold;
    bool refused;
};

// clang-format off
const RefusalCase kRefusals[] = {
    {"China skipped 02:00-03:00 on 1988-04-17", "Asia/Shanghai", "1988-04-17 02:30", zones::Fold::none, true},
    {"a fold does not make a skipped time", "Asia/Shanghai", "1988-04-17 02:30", zones::Fold::earlier, true},
    {"China repeated 01:00-02:00 on 1988-09-11", "Asia/Shanghai", "1988-09-11 01:30", zones::Fold::none, true},
    {"the earlier reading chosen", "Asia/Shanghai", "1988-09-11 01:30", zones::Fold::earlier, false},
    {"New York skipped 02:30 on 2024-03-10", "America/New_York", "2024-03-10 02:30", zones::Fold::none, true},
    {"New York repeated 01:30 on 2024-11-03", "America/New_York", "2024-11-03 01:30", zones::Fold::none, true},
    {"the later reading chosen", "America/New_York", "2024-11-03 01:30", zones::Fold::later, false},
};
// clang-format on

TEST(BirthMoment, RefusesMissingAndRepeatedClockTimes)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.why);
        models::MomentOptions o;
        o.zone = c.zone;
        o.fold = c.fold;
        const auto m = buildMoment(at(c.clock), o);
        EXPECT_EQ(std::holds_alternative<std::string>(m), c.refused);
    }
}

TEST(BirthMoment, FoldPicksTheOffset)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    models::MomentOptions o;
    o.zone = "America/New_York";
    o.fold = zones::Fold::earlier;
    const auto earlier = std::get<engine::BirthMoment>(buildMoment(at("2024-11-03 01:30"), o));
    o.fold = zones::Fold::later;
    const auto later = std::get<engine::BirthMoment>(buildMoment(at("2024-11-03 01:30"), o));
    EXPECT_EQ(later.utc - earlier.utc, std::chrono::hours{1}); // EDT then EST
}

TEST(BirthMoment, SolarTimeNeedsALongitude)
{
    models::MomentOptions o;
    o.solarTime = SolarTimeKind::apparent;
    EXPECT_TRUE(std::holds_alternative<std::string>(buildMoment(at("2024-01-01 12:00"), o)));
}

TEST(BirthMoment, RefusalsSayWhyAsAReason)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    const auto reasonOf = [](const char* clock, const char* zone, zones::Fold fold = zones::Fold::none,
                             SolarTimeKind solar = SolarTimeKind::clock) {
        models::MomentOptions o;
        o.zone = zone;
        o.fold = fold;
        o.solarTime = solar;
        const auto m = models::resolveMoment(at(clock), o);
        return std::holds_alternative<models::Refusal>(m) ? std::optional(std::get<models::Refusal>(m).reason)
                                                          : std::nullopt;
    };
    using models::Reason;
    // China's first summer-time morning skipped 02:00-02:59; the autumn change showed 01:00-01:59 twice.
    EXPECT_EQ(reasonOf("1986-05-04 02:30", "Asia/Shanghai"), Reason::skippedTime);
    EXPECT_EQ(reasonOf("1986-09-14 01:30", "Asia/Shanghai"), Reason::repeatedTime);
    EXPECT_EQ(reasonOf("1986-09-14 01:30", "Asia/Shanghai", zones::Fold::later), std::nullopt);
    EXPECT_EQ(reasonOf("1990-05-12 08:00", "Mars/Base"), Reason::unknownZone);
    EXPECT_EQ(reasonOf("1990-05-12 08:00", "", zones::Fold::none, SolarTimeKind::mean), Reason::noLongitude);
}

TEST(BirthMoment, XinjiangPlacesKeepBeijingTime)
{
    const models::Place* kashgar = models::findPlace("喀什");
    ASSERT_NE(kashgar, nullptr);
    models::MomentOptions o;
    o.place = kashgar;
    EXPECT_EQ(o.effectiveZone(), "Asia/Shanghai"); // China's legal clock, not GeoNames' UTC+6 Urumqi
    o.zone = "Asia/Urumqi";
    EXPECT_EQ(o.effectiveZone(), "Asia/Urumqi"); // asked for by name
}

// The defaults cast the clock time as Beijing time against the mean terms: the chart of every hour boundary of a
// year is the one the plain pillars give.
TEST(BirthMoment, DefaultsReduceToThePlainPillars)
{
    const models::MomentOptions defaults;
    for (auto t = at("2023-12-31 22:59:59"); t < at("2025-01-02 00:00"); t += std::chrono::minutes{59}) {
        const auto m = std::get<engine::BirthMoment>(buildMoment(t, defaults));
        ASSERT_EQ(engine::fourPillars(m), engine::fourPillars(t)) << engine::writeTime(t);
        ASSERT_EQ(engine::lifePalace(m), engine::lifePalace(t)) << engine::writeTime(t);
    }
}

struct SolarCase
{
    const char* why;
    const char* utc; // read in Etc/UTC, so the clock is the instant
    double longitude;
};

// The equation of time is most negative in mid February and most positive in early November; late in both months,
// and most of all late in December, it moves by 10-30 s a day, so a value taken at the wrong instant shows.
// clang-format off
const SolarCase kSolarTimes[] = {
    {"late February noon, east", "2024-02-26 12:00:00", 116.40},
    {"late February, the last minutes of the UTC day, west", "1987-02-27 23:58:30", -74.006},
    {"mid February just after midnight, far east", "2051-02-11 00:01:15", 151.21},
    {"late November noon, west", "1999-11-28 12:00:00", -118.24},
    {"late November just after midnight, east", "2024-11-29 00:02:00", 87.62},
    {"early November noon, near Greenwich", "1930-11-03 12:00:00", 2.35},
    {"late December, the last minute of the UTC day", "2010-12-22 23:59:00", 121.47},
    {"late December noon, far west", "2088-12-27 12:00:00", -157.86},
};
// clang-format on

// True solar time is the instant plus 240 s per degree east plus the equation of time at that same instant.
engine::LocalTime expectedSolar(engine::UtcTime utc, double longitude)
{
    const double shift = longitude * 240.0 + astro::equationOfTimeSeconds(utc);
    return engine::LocalTime{utc.time_since_epoch()} + std::chrono::seconds{std::llround(shift)};
}

engine::BirthMoment trueSolarMoment(engine::LocalTime utcClock, double longitude)
{
    models::MomentOptions o;
    o.zone = "Etc/UTC";
    o.longitude = longitude;
    o.solarTime = SolarTimeKind::apparent;
    return std::get<engine::BirthMoment>(buildMoment(utcClock, o));
}

TEST(BirthMoment, TrueSolarTimeToTheSecond)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    for (const auto& c : kSolarTimes) {
        SCOPED_TRACE(c.why);
        const engine::BirthMoment m = trueSolarMoment(at(c.utc), c.longitude);
        EXPECT_EQ(engine::writeTime(m.solar), engine::writeTime(expectedSolar(m.utc, c.longitude)));
    }
}

// Instants spread over two centuries, at all hours of the day and all longitudes: the solar time stays within a
// second of the exact sum, which it may round to the neighbouring second.
TEST(BirthMoment, TrueSolarTimeFollowsTheEquationOfTimeAtTheInstant)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    const engine::LocalTime first = at("1900-01-01 00:00:00");
    const engine::LocalTime last = at("2100-12-31 23:59:59");
    constexpr int kCount = 6000;
    const auto step = (last - first) / kCount;
    for (int i = 0; i < kCount; ++i) {
        const engine::LocalTime clock = first + i * step;
        const double longitude = -180.0 + std::fmod(i * 47.37, 360.0);
        const engine::BirthMoment m = trueSolarMoment(clock, longitude);
        const double exact = longitude * 240.0 + astro::equationOfTimeSeconds(m.utc);
        const double shift = static_cast<double>((m.solar - clock).count());
        ASSERT_LE(std::abs(shift - exact), 1.0) << engine::writeTime(clock) << " at " << longitude;
    }
}

} // namespace
