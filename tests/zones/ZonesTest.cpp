#include "zones/Zones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace std::chrono;

namespace {

using zones::Fold;

constexpr local_seconds at(year_month_day date, hours h, minutes m = minutes{0})
{
    return local_days{date} + h + m;
}

constexpr sys_seconds utcAt(year_month_day date, hours h, minutes m = minutes{0})
{
    return sys_days{date} + h + m;
}

// The offset part of a Resolved or a Local.
void expectReading(const auto& reading, seconds offset, bool dst, const char* abbreviation)
{
    EXPECT_EQ(reading.offset, offset);
    EXPECT_EQ(reading.dst, dst);
    EXPECT_EQ(reading.abbreviation, abbreviation);
}

struct KnownTime
{
    const char* zone;
    local_seconds local;
    Fold fold;
    sys_seconds utc;
    hours offset;
    bool dst;
    const char* abbreviation;
};

// Summer-time facts as published by the governments concerned, and as zdump prints them from the tz database; each
// row holds both ways, from the clock time to the instant and back.
// clang-format off
const KnownTime kKnownTimes[] = {
    // China kept summer time from 1986 to 1991.
    {"Asia/Shanghai", at(1988y / 7 / 15, 8h), Fold::none, utcAt(1988y / 7 / 14, 23h), 9h, true, "CDT"},
    {"Asia/Shanghai", at(1992y / 7 / 15, 8h), Fold::none, utcAt(1992y / 7 / 15, 0h), 8h, false, "CST"},
    {"Asia/Shanghai", at(1988y / 1 / 15, 8h), Fold::none, utcAt(1988y / 1 / 15, 0h), 8h, false, "CST"}, // winter
    // The second before and the first second after the 1986 change at 02:00 (clocks to 03:00).
    {"Asia/Shanghai", at(1986y / 5 / 4, 1h, 59min) + 59s, Fold::none, utcAt(1986y / 5 / 3, 17h, 59min) + 59s, 8h, false,
     "CST"},
    {"Asia/Shanghai", at(1986y / 5 / 4, 3h), Fold::none, utcAt(1986y / 5 / 3, 18h), 9h, true, "CDT"},
    // 1986-09-14 02:00 went back to 01:00: 01:30 came twice.
    {"Asia/Shanghai", at(1986y / 9 / 14, 1h, 30min), Fold::earlier, utcAt(1986y / 9 / 13, 16h, 30min), 9h, true, "CDT"},
    {"Asia/Shanghai", at(1986y / 9 / 14, 1h, 30min), Fold::later, utcAt(1986y / 9 / 13, 17h, 30min), 8h, false, "CST"},
    // A fold on a time that came once changes nothing.
    {"Asia/Shanghai", at(1992y / 7 / 15, 8h), Fold::later, utcAt(1992y / 7 / 15, 0h), 8h, false, "CST"},
    // Aliases of the same zone.
    {"PRC", at(1988y / 7 / 15, 8h), Fold::none, utcAt(1988y / 7 / 14, 23h), 9h, true, "CDT"},
    {"Asia/Chongqing", at(1988y / 7 / 15, 8h), Fold::none, utcAt(1988y / 7 / 14, 23h), 9h, true, "CDT"},
    // Hong Kong summer time 1979: 13 May to 21 October.
    {"Asia/Hong_Kong", at(1979y / 7 / 1, 12h), Fold::none, utcAt(1979y / 7 / 1, 3h), 9h, true, "HKST"},
    {"Asia/Hong_Kong", at(1979y / 11 / 1, 12h), Fold::none, utcAt(1979y / 11 / 1, 4h), 8h, false, "HKT"},
    // Taiwan summer time in 1974 and 1979, from 1 April and 1 July to 30 September.
    {"Asia/Taipei", at(1974y / 7 / 1, 12h), Fold::none, utcAt(1974y / 7 / 1, 3h), 9h, true, "CDT"},
    {"Asia/Taipei", at(1979y / 7 / 1, 12h), Fold::none, utcAt(1979y / 7 / 1, 3h), 9h, true, "CDT"},
    {"Asia/Taipei", at(1979y / 10 / 1, 12h), Fold::none, utcAt(1979y / 10 / 1, 4h), 8h, false, "CST"},
    // New York, both seasons, and the repeated 01:30 of 2024-11-03.
    {"America/New_York", at(2024y / 7 / 1, 12h), Fold::none, utcAt(2024y / 7 / 1, 16h), -4h, true, "EDT"},
    {"America/New_York", at(2024y / 1 / 15, 12h), Fold::none, utcAt(2024y / 1 / 15, 17h), -5h, false, "EST"},
    {"America/New_York", at(2024y / 11 / 3, 1h, 30min), Fold::earlier, utcAt(2024y / 11 / 3, 5h, 30min), -4h, true,
     "EDT"},
    {"America/New_York", at(2024y / 11 / 3, 1h, 30min), Fold::later, utcAt(2024y / 11 / 3, 6h, 30min), -5h, false,
     "EST"},
    {"America/New_York", at(2024y / 3 / 10, 3h), Fold::none, utcAt(2024y / 3 / 10, 7h), -4h, true, "EDT"}, // after gap
    // Past 2037 the zone file lists no change: its rule for later years decides.
    {"America/New_York", at(2050y / 7 / 1, 12h), Fold::none, utcAt(2050y / 7 / 1, 16h), -4h, true, "EDT"},
    {"America/New_York", at(2050y / 1 / 15, 12h), Fold::none, utcAt(2050y / 1 / 15, 17h), -5h, false, "EST"},
    {"America/New_York", at(2050y / 11 / 6, 1h, 30min), Fold::later, utcAt(2050y / 11 / 6, 6h, 30min), -5h, false,
     "EST"},
    // Southern hemisphere: summer time spans the new year.
    {"Australia/Sydney", at(2024y / 1 / 15, 12h), Fold::none, utcAt(2024y / 1 / 15, 1h), 11h, true, "AEDT"},
    {"Australia/Sydney", at(2024y / 7 / 15, 12h), Fold::none, utcAt(2024y / 7 / 15, 2h), 10h, false, "AEST"},
    {"Australia/Sydney", at(2060y / 1 / 15, 12h), Fold::none, utcAt(2060y / 1 / 15, 1h), 11h, true, "AEDT"},
    // Fixed offsets; the Etc sign is the POSIX one, opposite to the usual.
    {"Etc/GMT-8", at(2024y / 7 / 1, 12h), Fold::none, utcAt(2024y / 7 / 1, 4h), 8h, false, "+08"},
    {"Etc/GMT-8", at(2024y / 1 / 1, 0h), Fold::none, utcAt(2023y / 12 / 31, 16h), 8h, false, "+08"}, // day before
    {"UTC", at(2024y / 7 / 1, 12h), Fold::none, utcAt(2024y / 7 / 1, 12h), 0h, false, "UTC"},
};
// clang-format on

TEST(Resolve, AgreesWithPublishedSummerTimes)
{
    for (std::size_t row = 0; row < std::size(kKnownTimes); ++row) {
        const KnownTime& c = kKnownTimes[row];
        SCOPED_TRACE("row " + std::to_string(row) + ", " + c.zone);
        const auto answer = zones::resolve(c.zone, c.local, c.fold);
        const auto* resolved = std::get_if<zones::Resolved>(&answer);
        ASSERT_NE(resolved, nullptr) << std::get<zones::Refusal>(answer).message;
        EXPECT_EQ(resolved->utc, c.utc);
        expectReading(*resolved, c.offset, c.dst, c.abbreviation);
    }
}

struct RefusedTime
{
    std::string zone;
    local_seconds local;
    Fold fold;
    std::string message;
};

// clang-format off
const RefusedTime kRefusedTimes[] = {
    // China's first summer time began 1986-05-04 at 02:00.
    {"Asia/Shanghai", at(1986y / 5 / 4, 2h, 30min), Fold::none,
     "1986-05-04 02:30:00 does not exist in Asia/Shanghai: clocks jumped from 02:00 to 03:00"},
    // A fold does not make a skipped time exist.
    {"Asia/Shanghai", at(1986y / 5 / 4, 2h), Fold::earlier,
     "1986-05-04 02:00:00 does not exist in Asia/Shanghai: clocks jumped from 02:00 to 03:00"},
    {"Asia/Shanghai", at(1986y / 9 / 14, 1h, 30min), Fold::none,
     "1986-09-14 01:30:00 occurs twice in Asia/Shanghai: first as CDT (UTC+09:00), then as CST (UTC+08:00)"},
    // Taiwan moved its clocks at midnight.
    {"Asia/Taipei", at(1979y / 7 / 1, 0h, 30min), Fold::none,
     "1979-07-01 00:30:00 does not exist in Asia/Taipei: clocks jumped from 00:00 to 01:00"},
    {"America/New_York", at(2024y / 3 / 10, 2h, 30min), Fold::none,
     "2024-03-10 02:30:00 does not exist in America/New_York: clocks jumped from 02:00 to 03:00"},
    {"America/New_York", at(2024y / 11 / 3, 1h, 30min), Fold::none,
     "2024-11-03 01:30:00 occurs twice in America/New_York: first as EDT (UTC-04:00), then as EST (UTC-05:00)"},
    // The same gap and repeat past 2037, found through the zone file's rule for later years.
    {"America/New_York", at(2050y / 3 / 13, 2h, 30min), Fold::none,
     "2050-03-13 02:30:00 does not exist in America/New_York: clocks jumped from 02:00 to 03:00"},
    {"America/New_York", at(2050y / 11 / 6, 1h, 30min), Fold::none,
     "2050-11-06 01:30:00 occurs twice in America/New_York: first as EDT (UTC-04:00), then as EST (UTC-05:00)"},
    // Samoa skipped 2011-12-30 whole, moving across the date line.
    {"Pacific/Apia", at(2011y / 12 / 30, 12h), Fold::none,
     "2011-12-30 12:00:00 does not exist in Pacific/Apia: clocks jumped from 2011-12-30 00:00:00 to 2011-12-31 "
     "00:00:00"},
    // Names are exact: no case folding, trimming or paths.
    {"", at(2024y / 1 / 1, 0h), Fold::none, "no time zone given"},
    {"Mars/Olympus_Mons", at(2024y / 1 / 1, 0h), Fold::none, "unknown time zone \"Mars/Olympus_Mons\" (an IANA name such as Asia/Shanghai)"},
    {"asia/shanghai", at(2024y / 1 / 1, 0h), Fold::none, "unknown time zone \"asia/shanghai\" (an IANA name such as Asia/Shanghai)"},
    {"Asia/Shanghai ", at(2024y / 1 / 1, 0h), Fold::none, "unknown time zone \"Asia/Shanghai \" (an IANA name such as Asia/Shanghai)"},
    {"../../etc/passwd", at(2024y / 1 / 1, 0h), Fold::none, "unknown time zone \"../../etc/passwd\" (an IANA name such as Asia/Shanghai)"},
    {std::string("Asia/Shanghai\0x", 15), at(2024y / 1 / 1, 0h), Fold::none,
     "unknown time zone \"" + std::string("Asia/Shanghai\0x", 15) + "\" (an IANA name such as Asia/Shanghai)"},
    // This machine's own setting is no zone: a chart must read the same everywhere.
    {"localtime", at(2024y / 1 / 1, 0h), Fold::none, "unknown time zone \"localtime\" (an IANA name such as Asia/Shanghai)"},
    // Years the calendar arithmetic does not cover.
    {"Asia/Shanghai", at(10000y / 1 / 1, 0h), Fold::none, "the local time lies outside the years 1-9999"},
    {"Asia/Shanghai", local_seconds::max(), Fold::none, "the local time lies outside the years 1-9999"},
    {"Asia/Shanghai", local_seconds::min(), Fold::later, "the local time lies outside the years 1-9999"},
};
// clang-format on

TEST(Resolve, RefusesWithAMessageNamingTheProblem)
{
    for (const auto& c : kRefusedTimes) {
        SCOPED_TRACE(c.message);
        const auto answer = zones::resolve(c.zone, c.local, c.fold);
        const auto* refusal = std::get_if<zones::Refusal>(&answer);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->message, c.message);
    }
}

TEST(Resolve, RefusesTheSummerOfAZoneWhoseLaterRuleCannotBeRead)
{
    // Greenland's rule for years after 2037 changes clocks at hour -1, a form the date library cannot read.
    const auto answer = zones::resolve("America/Nuuk", at(2050y / 7 / 1, 12h));
    ASSERT_TRUE(std::holds_alternative<zones::Refusal>(answer));
    EXPECT_EQ(std::get<zones::Refusal>(answer).message,
              "the tz database's rule for 2050-07-01 12:00:00 in America/Nuuk cannot be read");
    // Before its last listed change the list answers.
    EXPECT_TRUE(std::holds_alternative<zones::Resolved>(zones::resolve("America/Nuuk", at(2030y / 7 / 1, 12h))));
}

TEST(ToLocal, ShowsTheClockOfTheZone)
{
    for (std::size_t row = 0; row < std::size(kKnownTimes); ++row) {
        const KnownTime& c = kKnownTimes[row];
        SCOPED_TRACE("row " + std::to_string(row) + ", " + c.zone);
        const auto answer = zones::toLocal(c.zone, c.utc);
        const auto* shown = std::get_if<zones::Local>(&answer);
        ASSERT_NE(shown, nullptr) << std::get<zones::Refusal>(answer).message;
        EXPECT_EQ(shown->local, c.local);
        expectReading(*shown, c.offset, c.dst, c.abbreviation);
    }
}

TEST(ToLocal, RefusesUnknownZonesAndFarYears)
{
    const sys_seconds instant = utcAt(2024y / 1 / 1, 0h);
    EXPECT_EQ(std::get<zones::Refusal>(zones::toLocal("Mars/Olympus_Mons", instant)).message,
              "unknown time zone \"Mars/Olympus_Mons\" (an IANA name such as Asia/Shanghai)");
    EXPECT_EQ(std::get<zones::Refusal>(zones::toLocal("UTC", sys_seconds::max())).message,
              "the instant lies outside the years 1-9999");
}

// The zones and years where offsets changed most for the people this program charts, and years past the last change
// the zone files list.
// clang-format off
const char* const kSweptZones[] = {"Asia/Shanghai",    "Asia/Hong_Kong",   "Asia/Taipei",   "Asia/Macau",
                                   "America/New_York", "Australia/Sydney", "Europe/London", "Europe/Dublin"};
// clang-format on

seconds offsetAt(const char* zone, sys_seconds utc)
{
    return std::get<zones::Local>(zones::toLocal(zone, utc)).offset;
}

// An instant read back to a clock time and resolved again gives the same instant.
void expectRoundTrip(const char* zone, sys_seconds utc)
{
    const auto shown = std::get<zones::Local>(zones::toLocal(zone, utc));
    const auto earlier = zones::resolve(zone, shown.local, Fold::earlier);
    const auto later = zones::resolve(zone, shown.local, Fold::later);
    const auto* back = std::get_if<zones::Resolved>(&earlier);
    if (back && back->offset != shown.offset)
        back = std::get_if<zones::Resolved>(&later);
    ASSERT_TRUE(back != nullptr && back->utc == utc) << utc.time_since_epoch().count();
}

// Every ten minutes of each day on which the offset changed: a clock time is taken for skipped or repeated exactly
// where it really was.
TEST(Resolve, RoundTripsThroughTheLocalClockAroundEveryChange)
{
    int changes = 0;
    for (const char* zone : kSweptZones) {
        SCOPED_TRACE(zone);
        for (const auto& [first, last] : {std::pair{1940y, 1995y}, std::pair{2030y, 2060y}}) {
            sys_seconds noon = sys_days{first / 1 / 1} + 12h;
            for (seconds before = offsetAt(zone, noon); noon < sys_days{last / 1 / 1}; noon += days{1}) {
                const seconds after = offsetAt(zone, noon + days{1});
                if (after == before)
                    continue;
                ++changes;
                before = after;
                for (sys_seconds utc = noon; utc <= noon + days{1}; utc += 10min)
                    ASSERT_NO_FATAL_FAILURE(expectRoundTrip(zone, utc));
            }
        }
    }
    EXPECT_GT(changes, 700); // about two a year in most of the years swept
}

// The C library reads the same zone files, their rule for later years included, with code of its own.
struct CLibraryReading
{
    seconds offset;
    bool dst;
    std::string abbreviation;
};

CLibraryReading readWithCLibrary(sys_seconds utc)
{
    const std::time_t t = utc.time_since_epoch().count();
    std::tm parts{};
    localtime_r(&t, &parts);
    return {seconds{parts.tm_gmtoff}, parts.tm_isdst > 0, parts.tm_zone};
}

class CLibraryZone
{
public:
    explicit CLibraryZone(const std::string& zone)
    {
        if (const char* tz = std::getenv("TZ"))
            m_saved = tz;
        setenv("TZ", (":" + zone).c_str(), 1);
        tzset();
    }
    ~CLibraryZone()
    {
        if (m_saved)
            setenv("TZ", m_saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_saved;
};

TEST(ToLocal, AgreesWithTheCLibraryInEveryZone)
{
    const auto names = zones::zoneNames();
    ASSERT_GT(names.size(), 300u);
    std::vector<std::string> refused;
    for (const auto& zone : names) {
        SCOPED_TRACE(zone);
        const CLibraryZone c{zone};
        // Three instants a year, falling on another day of the year each year.
        for (int day = 0; day < 200 * 365; day += 122) {
            const sys_seconds utc = sys_days{1920y / 1 / 1} + days{day} + 12h;
            const auto answer = zones::toLocal(zone, utc);
            if (std::holds_alternative<zones::Refusal>(answer)) {
                refused.push_back(zone);
                break;
            }
            const auto& shown = std::get<zones::Local>(answer);
            const auto expected = readWithCLibrary(utc);
            ASSERT_EQ(shown.offset, expected.offset) << utc.time_since_epoch().count();
            ASSERT_EQ(shown.dst, expected.dst) << utc.time_since_epoch().count();
            ASSERT_EQ(shown.abbreviation, expected.abbreviation) << utc.time_since_epoch().count();
        }
    }
    // Greenland's rule for later years (clocks change at hour -1) is the one the date library cannot read.
    EXPECT_EQ(refused, (std::vector<std::string>{"America/Godthab", "America/Nuuk", "America/Scoresbysund"}));
}

TEST(ZoneNames, ListsTheZonesSortedWithoutTheMachineSetting)
{
    const auto names = zones::zoneNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (const char* zone : {"Asia/Shanghai", "Asia/Hong_Kong", "America/New_York", "PRC", "UTC"})
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), zone)) << zone;
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), "localtime"));
    for (const auto& zone : names)
        ASSERT_TRUE(zones::isKnownZone(zone)) << zone;
    EXPECT_FALSE(zones::isKnownZone(""));
    EXPECT_FALSE(zones::isKnownZone("Mars/Olympus_Mons"));
}

} // namespace
