#include "models/chart/Notices.h"

#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using models::NoticeKind;

models::Moment momentAt(const char* clock, models::MomentOptions options = {})
{
    return std::get<models::Moment>(models::resolveMoment(*engine::readTime(clock), options));
}

const models::Notice* find(const std::vector<models::Notice>& notices, NoticeKind kind)
{
    for (const auto& n : notices)
        if (n.kind == kind)
            return &n;
    return nullptr;
}

struct Worked
{
    const char* why;
    const char* clock;
    NoticeKind kind;
    const char* text;
};

// clang-format off
const Worked kWorked[] = {
    // 惊蛰 1984 falls at 03-05 16:38 on the mean formula: before it the month is 丙寅, after it 丁卯.
    {"38 minutes before a 节", "1984-03-05 16:00", NoticeKind::term, "出生在惊蛰前38分钟，惊蛰后为丁卯月"},
    // 立春 1984 at 02-04 22:08 turns the year too: before it 乙丑 month of 癸亥.
    {"22 minutes after 立春", "1984-02-04 22:30", NoticeKind::term, "出生在立春后22分钟，立春前为乙丑月、癸亥年"},
    // 1984-03-02 is an 乙 day, whose 巳 hour is 辛巳.
    {"five minutes before 09:00", "1984-03-02 08:55", NoticeKind::hour, "出生在时辰交界前5分钟，交界后为辛巳时"},
    // ...and whose 辰 hour is 庚辰.
    {"just after 07:00", "1984-03-02 07:00", NoticeKind::hour, "出生在时辰交界后0分钟，交界前为己卯时"},
    // 23:30 of the 乙未 day: its own 子 hour is 丙子; the next day's stem gives 戊子, and the next day is 丙申.
    {"late 子 hour", "1984-03-02 23:30", NoticeKind::zi,
     "子时出生；晚子用次日时干为乙未日戊子时；晚子换日为丙申日戊子时"},
};
// clang-format on

TEST(Notices, WorkedBirths)
{
    for (const auto& c : kWorked) {
        SCOPED_TRACE(c.why);
        const auto notices = models::noticesOf(momentAt(c.clock));
        const auto* n = find(notices, c.kind);
        ASSERT_TRUE(n);
        EXPECT_EQ(n->text, c.text);
    }
    EXPECT_TRUE(models::noticesOf(momentAt("1984-03-02 16:25")).empty()); // far from every edge
    // 00:30: the early 子 hour belongs to its own day under every convention.
    EXPECT_FALSE(find(models::noticesOf(momentAt("1984-03-02 00:30")), NoticeKind::zi));
}

TEST(Notices, SummerTimeOfChinasSummersOnTheFixedClock)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    EXPECT_TRUE(find(models::noticesOf(momentAt("1988-07-15 12:00")), NoticeKind::summerTime));
    models::MomentOptions china;
    china.zone = "Asia/Shanghai";
    EXPECT_FALSE(find(models::noticesOf(momentAt("1988-07-15 12:00", china)), NoticeKind::summerTime));
}

// Births every 97 minutes for eight years: a term notice exactly when a 节 lies within two hours, naming the month
// the birth would have on the 节's other side; an hour notice exactly within ten minutes of an edge.
TEST(Notices, EveryNoticeHoldsAndNoneIsMissing)
{
    const engine::LocalTime from = engine::LocalTime{local_days{year{1990} / 1 / 1}};
    for (engine::LocalTime t = from; t < from + days{8 * 365}; t += minutes{97}) {
        const models::Moment moment = momentAt(engine::writeTime(t).c_str());
        const auto notices = models::noticesOf(moment);
        const engine::Term previous = engine::jiePre(t), next = engine::jieNext(t);
        const bool nearTerm = t - previous.at <= minutes{120} || next.at - t <= minutes{120};
        const auto* term = find(notices, NoticeKind::term);
        ASSERT_EQ(term != nullptr, nearTerm) << engine::writeTime(t);
        if (term) {
            const engine::LocalTime across = t - previous.at <= minutes{120} ? previous.at - minutes{1} : next.at;
            EXPECT_EQ(term->others.at(0).pillar, engine::ganZhi(engine::monthCount(across))) << engine::writeTime(t);
        }
        const int minuteOfDoubleHour = static_cast<int>((t - floor<days>(t)) / minutes{1} + 60) % 120;
        const bool nearEdge = minuteOfDoubleHour <= 10 || minuteOfDoubleHour >= 110; // ten minutes, both included
        ASSERT_EQ(find(notices, NoticeKind::hour) != nullptr, nearEdge) << engine::writeTime(t);
    }
}

} // namespace
