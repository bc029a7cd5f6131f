#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Reverse lookup: from the eight characters to the earliest moment at which they fall. LandPP::BaZi2Date writes the
// answer as text; the reverse-lookup window, the command-line tool, tests and benchmarks call these directly.
namespace engine {

// The pillar years searched (each runs from its 立春): nothing before 1900 is computed, nothing from 2100 on is
// answered.
inline constexpr int kFirstLookupYear = 1900;
inline constexpr int kLastLookupYear = 2099;

std::optional<int> ganZhiPosition(std::string_view ganZhi); // [0, 59], 甲子 0; nothing unless one of the sixty
// [0, 11] from the 寅 month, as the year stem allows (五虎遁); nothing when no row of the year stem holds the pillar.
// The key is the year pillar's first character, matched as a substring: an empty year pillar matches every row.
std::optional<int> monthPosition(std::string_view yearPillar, std::string_view monthPillar);
// [0, 11] from the 子 hour, as the day stem allows (五鼠遁); keyed like monthPosition.
std::optional<int> hourPosition(std::string_view dayPillar, std::string_view hourPillar);

struct BaZiFound
{
    LocalTime at{};
    // At the nominal hour of the double hour (written "8:00:00"), rather than where a 节 or the late 子 hour cuts it
    // (written "YYYY-MM-DD HH:mm:ss").
    bool atNominalHour = true;
};

enum class BaZiMessage {
    WrongPillars,     // a pillar is not one of the sixty GanZhi
    UnmatchedPillars, // the month pillar does not belong to the year stem, or the hour pillar to the day stem
};

struct BaZiNotFound
{
};

using BaZiLookup = std::variant<BaZiFound, BaZiMessage, BaZiNotFound>;

// The earliest moment, in the pillar years from firstYear (at least 1900) through 2099, at which the four pillars
// fall. A double hour is answered by its nominal hour (子 0:00, 丑 2:00 ... 亥 22:00) when that hour has the
// pillars; when a 节 cuts the double hour off from the nominal hour, by the first moment that has them. The months
// open at the source's 节 (Beijing time); a source must cover 1900-2100.
BaZiLookup lookupBaZi(std::string_view yearPillar, std::string_view monthPillar, std::string_view dayPillar,
                      std::string_view hourPillar, int firstYear, TermSource terms = termInstant);

std::string_view messageText(BaZiMessage message); // "八字写错了啦，请检查一下" or "八字匹配不了，请检查一下"

// Shown for BaZiNotFound, where BaZi2Date answers with the empty text.
inline constexpr std::string_view kNotFoundText = "未找到数据";

// The answer as BaZi2Date gives it: the date and "8:00:00", a "YYYY-MM-DD HH:mm:ss" moment, a message, or empty.
std::string lookupText(const BaZiLookup& lookup);

} // namespace engine
