#include "models/calendar/CalendarNavigation.h"

#include <algorithm>

#include "engine/calendar/Calendar.h"

namespace models {
namespace {

constexpr int kMonthsPerYear = 12;

// Months counted from 0000-01, so that a step over a year's end is plain arithmetic.
constexpr long monthNumber(ShownMonth m)
{
    return static_cast<long>(m.year) * kMonthsPerYear + (m.month - 1);
}

constexpr ShownMonth kFirstShown{kFirstShownYear, 1};
constexpr ShownMonth kLastShown{kLastShownYear, 12};

} // namespace

NavButtons navButtons(ShownMonth shown)
{
    const long number = monthNumber(shown);
    return {shown.year > kFirstShownYear, shown.year<kLastShownYear, number> monthNumber(kFirstShown),
            number < monthNumber(kLastShown)};
}

ShownMonth clampShown(int year, int month)
{
    const ShownMonth wanted{year, std::clamp(month, 1, kMonthsPerYear)};
    if (monthNumber(wanted) < monthNumber(kFirstShown))
        return kFirstShown;
    if (monthNumber(wanted) > monthNumber(kLastShown))
        return kLastShown;
    return wanted;
}

ShownMonth stepYear(ShownMonth shown, int years)
{
    const ShownMonth from = clampShown(shown.year, shown.month);
    const long year = std::clamp<long>(static_cast<long>(from.year) + years, kFirstShownYear, kLastShownYear);
    return {static_cast<int>(year), from.month};
}

ShownMonth stepMonth(ShownMonth shown, int months)
{
    const ShownMonth from = clampShown(shown.year, shown.month);
    const long number = std::clamp(monthNumber(from) + months, monthNumber(kFirstShown), monthNumber(kLastShown));
    return {static_cast<int>(number / kMonthsPerYear), static_cast<int>(number % kMonthsPerYear) + 1};
}

std::string shiChenText(int hour)
{
    // The same double hours as the hour pillar: 23:00 already belongs to 子.
    std::string text = "(";
    text += engine::branchName(engine::hourBranch(std::clamp(hour, 0, 23)));
    text += ")";
    return text;
}

} // namespace models
