#pragma once

#include "engine/analysis/Analysis.h"
#include "models/solartime/BirthMoment.h"

#include <optional>
#include <string>
#include <vector>

// How sure a chart's pillars are: the births that sit so close to a term, a double-hour edge or midnight, or
// between two term methods, that a few minutes or another convention would give other pillars.
namespace models {

enum class NoticeKind {
    term,        // within two hours of a 节: the month (and at 立春 the year) on the other side
    hour,        // within ten minutes of a double-hour edge: the hour pillar on the other side
    zi,          // 23:00-00:59: the day and hour pillars under the other 子 conventions
    termMethod,  // the mean and the astronomical terms give different year or month pillars
    summerTime,  // China's 1986-1991 summers read on the fixed UTC+8
    unknownHour, // no birth hour: the luck counted from noon, the day on the clock
};

// A pillar under other circumstances: what the notice offers instead of the chart's.
struct OtherPillar
{
    std::string what;   // 年 月 日 时
    std::string pillar; // GanZhi
};

struct Notice
{
    NoticeKind kind;
    std::string text;                // the sentence the chart shows
    std::optional<int> minutes;      // term and hour: minutes from the edge, negative before it
    std::string term;                // term: the 节's name
    std::vector<OtherPillar> others; // the pillars on the other side, or under the other conventions
};

// The notices of a birth moment, in the order of the kinds above.
std::vector<Notice> noticesOf(const Moment& moment);
// The same, given the 节 at or before the birth and the first after it, as the chart already has them. Without the
// hour (the moment is then noon of the birth day) there is no hour or 子 notice; a 节 on the birth day gives the
// term notice, and the unknown hour its own.
std::vector<Notice> noticesOf(const Moment& moment, const engine::Term& previous, const engine::Term& next,
                              engine::HourPillar hour = engine::HourPillar::known);

// "term", "hour", "zi", "termMethod", "summerTime", "unknownHour": the JSON's word for the kind.
std::string_view noticeKindWord(NoticeKind kind);

} // namespace models
