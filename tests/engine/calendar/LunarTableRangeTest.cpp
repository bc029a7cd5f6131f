#include "engine/LandPP.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace std::chrono;

// Values outside the lunar table, and the Gregorian month lengths beside it.
namespace {

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{2024y / 2 / 10}} + 8h; };

std::string rangeErrorMessage(const std::function<void()>& call)
{
    try {
        call();
    } catch (const engine::RangeError& e) {
        return e.what();
    }
    return "(no RangeError)";
}

struct RangeCase
{
    const char* why;
    std::function<void(const LandPP&)> call;
    const char* named; // the value the message names
};

// clang-format off
const RangeCase kOutOfRange[] = {
    {"index below the table", [](const LandPP& lp) { lp.NongLiData(-1); }, "-1"},
    {"index past the table", [](const LandPP& lp) { lp.NongLiData(201); }, "201"},
    {"year before the table", [](const LandPP& lp) { lp.LeapMonth(1899); }, "1899"},
    {"year after the table", [](const LandPP& lp) { lp.LeapMonth(2101); }, "2101"},
    {"leap days of a year after the table", [](const LandPP& lp) { lp.LeapDays(2101); }, "2101"},
    {"year length before the table", [](const LandPP& lp) { lp.LYearDays(1899); }, "1899"},
    {"month 13", [](const LandPP& lp) { lp.MonthDays(2000, 13); }, "13"},
    {"month days of a year after the table", [](const LandPP& lp) { lp.MonthDays(2101, 1); }, "2101"},
    {"day before the anchor", [](const LandPP&) { engine::toLunar(local_days{1900y / 1 / 30}); }, "1900-01-30"},
    {"day after the table", [](const LandPP&) { engine::toLunar(local_days{2101y / 1 / 29}); }, "2101-01-29"},
    {"year-1900 text before the anchor",
     [](const LandPP& lp) {
         std::string sTime = "1900-01-15";
         lp.YangLi2NongLi(sTime);
     },
     "1900-01-15"},
    {"text after the table",
     [](const LandPP& lp) {
         std::string sTime = "2101-01-29";
         lp.YangLi2NongLi(sTime);
     },
     "2101-01-29"},
};
// clang-format on

TEST(LunarTable, ValuesOutsideTheTableThrowRangeErrorNamingThem)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kOutOfRange) {
        SCOPED_TRACE(c.why);
        const std::string message = rangeErrorMessage([&] { c.call(lp); });
        EXPECT_NE(message.find(c.named), std::string::npos) << message;
    }
}

struct SolarDaysCase
{
    std::int16_t year;
    std::int16_t month0;
    std::int16_t days;
};

// clang-format off
const SolarDaysCase kSolarDays[] = {
    {2000, 1, 29},  // divisible by 400: leap
    {1900, 1, 28},  // divisible by 100 only: common
    {2024, 1, 29},  // divisible by 4: leap
    {2023, 1, 28},  // common
    {2100, 1, 28},  // divisible by 100 only
    {2024, 11, 31}, // December
    {2024, 3, 30},  // April
    {2024, 0, 31},  // January
};
// clang-format on

TEST(SolarDays, FollowsTheGregorianLeapRule)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kSolarDays) {
        SCOPED_TRACE(std::to_string(c.year) + " month0 " + std::to_string(c.month0));
        EXPECT_EQ(lp.SolarDays(c.year, c.month0), c.days);
    }
}

TEST(SolarMonth, TreatsMonthsOutsideTheYearAsJanuary)
{
    const struct
    {
        std::int16_t month0;
        std::int16_t days;
    } cases[] = {
        {1, 28},  // February of a common year
        {3, 30},  // April
        {11, 31}, // December
        {12, 31}, // past December: January
        {-1, 31}, // before January: January
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases)
        EXPECT_EQ(lp.SolarMonth(c.month0), c.days) << c.month0;
}

} // namespace
