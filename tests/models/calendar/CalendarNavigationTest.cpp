#include "models/calendar/CalendarNavigation.h"

#include <gtest/gtest.h>

namespace {

using models::NavButtons;
using models::ShownMonth;

struct Step
{
    const char* why;
    ShownMonth from;
    int years, months;
    ShownMonth to;
    NavButtons buttons; // yearUp, yearDown, monthUp, monthDown
};

// clang-format off
const Step kSteps[] = {
    {"月↑ from 1901-02 reaches the first month", {1901, 2}, 0, -1, {1901, 1}, {false, true, false, true}},
    {"月↓ from 2099-11 reaches the last month", {2099, 11}, 0, 1, {2099, 12}, {true, false, true, false}},
    {"年↑ from 1902-01 also stops the month step back", {1902, 1}, -1, 0, {1901, 1}, {false, true, false, true}},
    {"年↓ into 2099 keeps the month steps", {2098, 5}, 1, 0, {2099, 5}, {true, false, true, true}},
    {"月↓ over a year's end", {2023, 12}, 0, 1, {2024, 1}, {true, true, true, true}},
    {"月↑ over a year's end", {2024, 1}, 0, -1, {2023, 12}, {true, true, true, true}},
    {"no step past the last month", {2099, 12}, 0, 1, {2099, 12}, {true, false, true, false}},
    {"no step before the first year", {1901, 6}, -1, 0, {1901, 6}, {false, true, true, true}},
    {"a month outside the range is brought back", {2100, 3}, 0, 0, {2099, 12}, {true, false, true, false}},
};
// clang-format on

TEST(CalendarNavigation, StepsStayWithinTheShownYears)
{
    for (const auto& c : kSteps) {
        SCOPED_TRACE(c.why);
        const ShownMonth to = models::stepMonth(models::stepYear(c.from, c.years), c.months);
        EXPECT_EQ(to, c.to);
        EXPECT_EQ(models::navButtons(to), c.buttons);
    }
}

TEST(CalendarNavigation, DoubleHourText)
{
    const std::pair<int, const char*> kHours[] = {
        {23, "(子)"}, {0, "(子)"}, {1, "(丑)"}, {2, "(丑)"}, {3, "(寅)"}, {21, "(亥)"}, {22, "(亥)"},
    };
    for (const auto& [hour, text] : kHours) {
        SCOPED_TRACE(hour);
        EXPECT_EQ(models::shiChenText(hour), text);
    }
}

} // namespace
