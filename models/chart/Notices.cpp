#include "models/chart/Notices.h"

#include "astro/Astro.h"
#include "engine/analysis/Analysis.h"
#include "engine/support/RangeError.h"
#include "models/solartime/MomentWords.h"
#include "models/solartime/SummerTimeHint.h"

using namespace engine;
using namespace std::chrono;

namespace models {
namespace {

constexpr minutes kNearTerm{120}; // a birth this close to a 节 may have been timed on its other side
constexpr minutes kNearEdge{10};  // the same for a double-hour edge
constexpr int kLiChun = 2;        // the 节 at which the year turns
// The mean formula and the astronomy put a 节 at most about three hours apart over the chart's years: only a
// birth this close to one of its 节 can have other pillars under the other method.
constexpr hours kTermMethodsApart{4};

std::string hourPillarOf(const DayHour& dh)
{
    return ganZhiOf(dh.stem, dh.branch);
}

std::string hourPillar(LocalTime solar, LateZi lateZi)
{
    return hourPillarOf(dayHour(solar, lateZi));
}

// A 节 within two hours before or after the birth: the month, and at 立春 the year, on its other side.
std::optional<Notice> termNotice(const BirthMoment& m, const Term& previous, const Term& next)
{
    const LocalTime t = m.beijing();
    const bool after = t - previous.at <= kNearTerm;
    if (!after && next.at - t > kNearTerm)
        return std::nullopt;
    const Term& term = after ? previous : next;
    const int minutesFrom = static_cast<int>(floor<minutes>(after ? t - term.at : term.at - t).count());
    const int step = after ? -1 : 1; // the other side's month
    Notice n{NoticeKind::term, {}, after ? minutesFrom : -minutesFrom, std::string(termName(term.n)), {}};
    n.others.push_back({"月", ganZhi(monthCount(m) + step)});
    if (term.n == kLiChun)
        n.others.push_back({"年", ganZhi(yearCount(m) + step)});
    n.text = "出生在" + n.term + (after ? "后" : "前") + std::to_string(minutesFrom) + "分钟，" + n.term +
             (after ? "前" : "后") + "为" + n.others[0].pillar + "月";
    if (n.others.size() > 1)
        n.text += "、" + n.others[1].pillar + "年";
    return n;
}

// A 节 on the birth day, read on the birth's clock: the month, and at 立春 the year, depend on the hour nobody
// knows. The chart shows the pillars of noon; the notice names those before and after the 节.
std::optional<Notice> birthDayTermNotice(const BirthMoment& m, const Term& previous, const Term& next)
{
    const auto onClock = [&m](const Term& term) { return term.at - hours{8} + m.offset; }; // from Beijing time
    const local_days day = floor<days>(m.clock);
    const bool passed = floor<days>(onClock(previous)) == day;
    if (!passed && floor<days>(onClock(next)) != day)
        return std::nullopt;
    const Term& term = passed ? previous : next;
    const int before = passed ? -1 : 0; // the chart's pillars are those of noon
    Notice n{NoticeKind::term, {}, std::nullopt, std::string(termName(term.n)), {}};
    const auto side = [&](int step) {
        std::string pillars = ganZhi(monthCount(m) + before + step) + "月";
        if (term.n == kLiChun)
            pillars += "、" + ganZhi(yearCount(m) + before + step) + "年";
        return pillars;
    };
    n.others.push_back({"月", ganZhi(monthCount(m) + (passed ? -1 : 1))});
    if (term.n == kLiChun)
        n.others.push_back({"年", ganZhi(yearCount(m) + (passed ? -1 : 1))});
    const std::string at = writeTime(onClock(term)).substr(11, 5); // HH:MM
    n.text = n.term + "在出生当日" + at + "交节，" + (term.n == kLiChun ? "年柱、月柱" : "月柱") + "随时辰而定：" + at +
             "前为" + side(0) + "，" + at + "后为" + side(1);
    return n;
}

// The notices of a birth whose hour nobody knows: the luck's start, and a solar time not applied.
std::vector<Notice> unknownHourNotices(const BirthMoment& m)
{
    std::vector<Notice> out;
    out.push_back({NoticeKind::unknownHour, "时辰不详：起运按出生日12:00计算", std::nullopt, {}, {}});
    if (m.solarKind != SolarTimeKind::clock)
        out.push_back(
            {NoticeKind::unknownHour,
             "时辰不详：不用" + std::string(words::of(words::kSolarTimes, m.solarKind).panel) + "，日柱按出生日期",
             std::nullopt,
             {},
             {}});
    return out;
}

// Within ten minutes of a double-hour edge (the double hours start at 23:00, 01:00, ... of the solar time in use).
std::optional<Notice> hourNotice(const BirthMoment& m)
{
    const seconds intoDay = m.solar - floor<days>(m.solar);
    const seconds intoDoubleHour = (intoDay + hours{1}) % hours{2};
    const bool after = intoDoubleHour <= kNearEdge;
    if (!after && hours{2} - intoDoubleHour > kNearEdge)
        return std::nullopt;
    const seconds toEdge = after ? intoDoubleHour : hours{2} - intoDoubleHour;
    const LocalTime otherSide = after ? m.solar - intoDoubleHour - seconds{1} : m.solar + toEdge;
    const int minutesFrom = static_cast<int>(floor<minutes>(toEdge).count());
    Notice n{NoticeKind::hour, {}, after ? minutesFrom : -minutesFrom, {}, {{"时", hourPillar(otherSide, m.lateZi)}}};
    n.text = std::string("出生在时辰交界") + (after ? "后" : "前") + std::to_string(minutesFrom) + "分钟，交界" +
             (after ? "前" : "后") + "为" + n.others[0].pillar + "时";
    return n;
}

// 23:00-00:59: the day and hour pillars under each other 子 convention, where they differ from the chart's.
std::optional<Notice> ziNotice(const BirthMoment& m)
{
    const int hour = toCivil(m.solar).hour;
    if (hour != 23 && hour != 0)
        return std::nullopt;
    const DayHour chart = dayHour(m.solar, m.lateZi);
    Notice n{NoticeKind::zi, "子时出生", std::nullopt, {}, {}};
    for (const auto& convention : words::kLateZis) {
        const DayHour other = dayHour(m.solar, convention.value);
        if (convention.value == m.lateZi ||
            (other.day == chart.day && other.stem == chart.stem && other.branch == chart.branch))
            continue;
        const std::string day = ganZhi(other.day);
        const std::string hourPillarText = hourPillarOf(other);
        n.others.push_back({"日", day});
        n.others.push_back({"时", hourPillarText});
        n.text += "；" + std::string(convention.panel) + "为" + day + "日" + hourPillarText + "时";
    }
    if (n.others.empty())
        return std::nullopt;
    return n;
}

// The year and month pillars under the other term method, where they differ.
std::optional<Notice> termMethodNotice(const Moment& moment, const Term& previous, const Term& next)
{
    if (!astro::available())
        return std::nullopt;
    const BirthMoment& m = moment.birth();
    const LocalTime t = m.beijing();
    if (t - previous.at > kTermMethodsApart && next.at - t > kTermMethodsApart)
        return std::nullopt;
    const TermMethod used = moment.options().terms;
    const TermMethod other = used == TermMethod::mean ? TermMethod::astro : TermMethod::mean;
    try {
        const int year = yearCount(m.beijing(), termSource(other));
        const int month = monthCount(m.beijing(), termSource(other));
        if (year == yearCount(m) && month == monthCount(m))
            return std::nullopt;
        const auto pillars = [](int y, int mo) { return ganZhi(y) + "年" + ganZhi(mo) + "月"; };
        const std::string mine = pillars(yearCount(m), monthCount(m)), theirs = pillars(year, month);
        const bool mean = used == TermMethod::mean;
        Notice n{NoticeKind::termMethod, {}, std::nullopt, {}, {{"年", ganZhi(year)}, {"月", ganZhi(month)}}};
        n.text = "经典公式节气为" + (mean ? mine : theirs) + "，天文节气为" + (mean ? theirs : mine) + "，本盘用" +
                 (mean ? "经典公式" : "天文节气");
        return n;
    } catch (const RangeError&) {
        return std::nullopt; // a year the astronomy does not cover: nothing to compare
    }
}

} // namespace

std::vector<Notice> noticesOf(const Moment& moment)
{
    const BirthMoment& m = moment.birth();
    return noticesOf(moment, jiePre(m.beijing(), m.terms), jieNext(m.beijing(), m.terms));
}

std::vector<Notice> noticesOf(const Moment& moment, const Term& previous, const Term& next, HourPillar hour)
{
    const BirthMoment& m = moment.birth();
    const bool known = hour == HourPillar::known;
    std::vector<Notice> out;
    for (auto notice : {known ? termNotice(m, previous, next) : birthDayTermNotice(m, previous, next),
                        known ? hourNotice(m) : std::nullopt, known ? ziNotice(m) : std::nullopt,
                        termMethodNotice(moment, previous, next)})
        if (notice)
            out.push_back(std::move(*notice));
    if (missesChinaSummerTime(m.clock, moment.options()))
        out.push_back({NoticeKind::summerTime, std::string(kSummerTimeHint), std::nullopt, {}, {}});
    if (!known)
        for (auto& notice : unknownHourNotices(m))
            out.push_back(std::move(notice));
    return out;
}

std::string_view noticeKindWord(NoticeKind kind)
{
    constexpr std::string_view kWords[] = {"term", "hour", "zi", "termMethod", "summerTime", "unknownHour"};
    return kWords[static_cast<std::size_t>(kind)];
}

} // namespace models
