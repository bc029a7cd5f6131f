#include "engine/support/DateTime.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono;
using engine::LocalTime;

namespace {

struct ReadCase
{
    std::string text;
    const char* expected; // writeTime of the result; nullptr when rejected
};

// clang-format off
const ReadCase kReadCases[] = {
    {"2024-02-04 14:39:00", "2024-02-04 14:39:00"},     // the full form
    {"2024-2-4 14:39", "2024-02-04 14:39:00"},          // unpadded, no seconds
    {"2024-2-4 4:5:6", "2024-02-04 04:05:06"},          // every field unpadded
    {"2024/02/04 14:39:00", "2024-02-04 14:39:00"},     // slashes
    {"2024/2/4", "2024-02-04 00:00:00"},                // date alone is midnight
    {"2024-02-04", "2024-02-04 00:00:00"},              //
    {" 2024-02-04 14:39 ", "2024-02-04 14:39:00"},      // surrounding blanks
    {"2024-02-29", "2024-02-29 00:00:00"},              // leap day, divisible by 4
    {"2000-02-29", "2000-02-29 00:00:00"},              // leap day, divisible by 400
    {"1900-01-01 00:00:00", "1900-01-01 00:00:00"},     // first day of the counts
    {"2024-12-31 23:59:59", "2024-12-31 23:59:59"},     // last second of a year
    {"", nullptr},                                      // nothing
    {"abc", nullptr},                                   // junk
    {"2024", nullptr},                                  // year alone
    {"2024-02", nullptr},                               // no day
    {"2023-02-30", nullptr},                            // impossible date
    {"1900-02-29", nullptr},                            // divisible by 100 only: no leap day
    {"2024-13-01", nullptr},                            // month 13
    {"2024-00-10", nullptr},                            // month 0
    {"2024-01-00", nullptr},                            // day 0
    {"2024-01-32", nullptr},                            // day 32
    {"2024-01-01 24:00", nullptr},                      // hour 24
    {"2024-01-01 12:60", nullptr},                      // minute 60
    {"2024-01-01 12:00:60", nullptr},                   // second 60
    {"2024-01-01 12", nullptr},                         // hour without minutes
    {"2024-01-01 12:", nullptr},                        // dangling colon
    {"2024-01-01 12:00:", nullptr},                     //
    {"2024-01-01 12:00:00:00", nullptr},                // a fourth time field
    {"2024-01-01x", nullptr},                           // trailing garbage after the date
    {"2024-01-01 12:00:00 x", nullptr},                 // trailing garbage after the time
    {"2024-01-01 12:00:00.5", nullptr},                 // fractional seconds
    {"2024.01.01", nullptr},                            // other separators
    {"12345-01-01", nullptr},                           // five-digit year
    {"2024-001-01", nullptr},                           // three-digit month
    {"-2024-01-01", nullptr},                           // sign
    {"2024-+1-01", nullptr},                            //
    {"2024-01-01 -1:00", nullptr},                      //
    {std::string(10000, '9'), nullptr},                 // a huge number
    {"2024-01-01 " + std::string(10000, 'x'), nullptr}, // a valid start and a long tail
};
// clang-format on

TEST(ReadTime, AcceptsTheUsualFormsAndRejectsTheRest)
{
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto t = engine::readTime(c.text);
        if (c.expected) {
            ASSERT_TRUE(t);
            EXPECT_EQ(engine::writeTime(*t), c.expected);
        } else {
            EXPECT_FALSE(t) << engine::writeTime(*t);
        }
    }
}

TEST(WriteTime, PadsEveryField)
{
    const struct
    {
        LocalTime t;
        const char* time;
        const char* date;
    } cases[] = {
        {LocalTime{local_days{1900y / 1 / 31}} + 1h + 2min + 3s, "1900-01-31 01:02:03", "1900-01-31"}, // padding
        {LocalTime{local_days{2024y / 2 / 10}}, "2024-02-10 00:00:00", "2024-02-10"}, // midnight is shown
        {LocalTime{local_days{2101y / 12 / 31}} + 23h + 59min + 59s, "2101-12-31 23:59:59", "2101-12-31"},
        {LocalTime{local_days{year{999} / 1 / 5}}, "0999-01-05 00:00:00", "0999-01-05"}, // four-digit year
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        EXPECT_EQ(engine::writeTime(c.t), c.time);
        EXPECT_EQ(engine::writeDate(floor<days>(c.t)), c.date);
        const auto back = engine::readTime(c.time);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, c.t);
    }
}

TEST(ToCivil, SplitsDateAndTimeOfDay)
{
    const auto c = engine::toCivil(LocalTime{local_days{2024y / 2 / 4}} + 14h + 39min + 7s);
    EXPECT_EQ(c.date, 2024y / 2 / 4);
    EXPECT_EQ(c.hour, 14);
    EXPECT_EQ(c.minute, 39);
    EXPECT_EQ(c.second, 7);
}

TEST(AcceptTime, KeepsReadableTextAndReplacesTheRest)
{
    const engine::Clock now = [] { return LocalTime{local_days{2024y / 2 / 10}} + 8h + 30s; };
    std::string readable = "2024-2-4 14:39";
    EXPECT_EQ(engine::acceptTime(readable, now), LocalTime{local_days{2024y / 2 / 4}} + 14h + 39min);
    EXPECT_EQ(readable, "2024-2-4 14:39");

    std::string junk = "abc";
    EXPECT_EQ(engine::acceptTime(junk, now), now());
    EXPECT_EQ(junk, "2024-02-10 08:00:30");

    std::string junkDate = "abc";
    EXPECT_EQ(engine::acceptDate(junkDate, now), LocalTime{local_days{2024y / 2 / 10}});
    EXPECT_EQ(junkDate, "2024-02-10");
}

} // namespace
