#include "models/calendar/MonthView.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using models::MonthInfo;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2030} / 6 / 15}} + hours{8}; };

struct Placement
{
    const char* why;
    int year, month;
    int firstCell, lastCell;
};

// clang-format off
const Placement kPlacements[] = {
    {"31 days from a Saturday", 2023, 7, 6, 36},
    {"28 days from a Sunday leave rows 5 and 6 empty", 2026, 2, 0, 27},
    {"29 days from a Thursday", 2024, 2, 4, 32},
};
// clang-format on

TEST(monthGrid, PlacesTheDaysUnderTheirWeekdays)
{
    const MonthInfo info{kFixedNow};
    for (const auto& c : kPlacements) {
        SCOPED_TRACE(c.why);
        const auto grid = models::monthGrid(info, c.year, c.month);
        ASSERT_TRUE(grid);
        for (int cell = 0; cell < models::kGridCells; ++cell) {
            const bool inMonth = cell >= c.firstCell && cell <= c.lastCell;
            const auto& shown = grid->cells[static_cast<std::size_t>(cell)];
            EXPECT_EQ(shown.newli, inMonth ? std::to_string(cell - c.firstCell + 1) : "") << cell;
            EXPECT_EQ(shown.oldli.empty(), !inMonth) << cell;
            EXPECT_EQ(models::dayOfCell(c.year, c.month, cell),
                      inMonth ? std::optional(cell - c.firstCell + 1) : std::nullopt);
        }
        // Weekend columns are coloured in empty cells too.
        EXPECT_EQ(grid->cells[41].newliFore, models::kSaturdayFore);
        EXPECT_EQ(grid->cells[35].newliFore, models::kSundayFore);
        EXPECT_EQ(grid->cells[36].newliFore, models::kBlack);
    }
}

struct Caption
{
    int year, month, day;
    const char* text;
    models::Rgb fore;
};

// clang-format off
const Caption kCaptions[] = {
    {2024, 12, 1, "11月大", models::kBlack},              // a lunar month that opens on the 1st shows its name
    {2024, 11, 2, "初二", models::kBlack},                // the day after
    {2024, 5, 8, "4月小", models::kBlack},                // 四月 of 2024 has 29 days
    {2023, 3, 22, "闰2月小", models::kBlack},             // the first day of a leap month
    {2024, 2, 3, "小年（...", models::kNongFestivalFore}, // "小年（祀灶） " is cut to three characters
    {2024, 2, 24, "元宵节 ", models::kNongFestivalFore},  // four characters with the blank: whole
    {2023, 3, 15, "消费者...", models::kFestivalFore},    // a Gregorian festival, cut too
    {2024, 2, 19, "总统日 ", models::kFestivalFore},      // a festival hides the term 雨水 of the same day
    {2024, 2, 4, "立春", models::kTermFore},              // a term on an ordinary day
};
// clang-format on

TEST(monthGrid, CaptionsShowTheLunarDayOrAMarker)
{
    const MonthInfo info{kFixedNow};
    for (const auto& c : kCaptions) {
        SCOPED_TRACE(c.text);
        const auto grid = models::monthGrid(info, c.year, c.month);
        ASSERT_TRUE(grid);
        const int cell = models::GetWeekDay(c.year, c.month) + c.day - 1;
        EXPECT_EQ(grid->cells[static_cast<std::size_t>(cell)].oldli, c.text);
        EXPECT_EQ(grid->cells[static_cast<std::size_t>(cell)].oldliFore, c.fore);
    }
}

TEST(monthGrid, TodayOnATermDayShowsTheTermAndTheTint)
{
    const MonthInfo info{[] { return engine::LocalTime{local_days{year{2024} / 2 / 4}} + hours{10}; }};
    const auto grid = models::monthGrid(info, 2024, 2);
    ASSERT_TRUE(grid);
    const auto& today = grid->cells[4 + 3]; // 2024-02-01 is a Thursday
    EXPECT_EQ(today.oldli, "立春");
    EXPECT_EQ(today.back, models::kTodayBack);
    EXPECT_EQ(grid->cells[4 + 4].back, models::kWhite);
    EXPECT_EQ(models::dayPanel(info, 2024, 2, 4)->LabelToday, "今天立春  ");
    EXPECT_EQ(models::dayPanel(info, 2024, 2, 3)->LabelToday, "是日:  小年（祀灶） ");
    const int feb4of2025 = models::GetWeekDay(2025, 2) + 3;
    EXPECT_EQ(models::monthGrid(info, 2025, 2)->cells[static_cast<std::size_t>(feb4of2025)].back, models::kWhite);

    const MonthInfo offTerm{[] { return engine::LocalTime{local_days{year{2024} / 2 / 5}}; }};
    EXPECT_EQ(models::monthGrid(offTerm, 2024, 2)->cells[4 + 4].oldli, "今天");
    EXPECT_EQ(models::dayPanel(offTerm, 2024, 2, 5)->LabelToday, "今天  ");
}

TEST(dayPanel, WritesTheLabelsOfADay)
{
    const auto panel = models::dayPanel(MonthInfo{kFixedNow}, 2024, 5, 22);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->LabelToday, "◆5日立夏 ◆20日小满"); // an ordinary day shows the month's terms
    EXPECT_EQ(panel->LabelYM, "2024年5月");
    EXPECT_EQ(panel->LabelDay, "22");
    EXPECT_EQ(panel->LabelWeek, "星期三");
    EXPECT_EQ(panel->LabelNongYMD, "农历甲辰年 四月小十五日");
    EXPECT_EQ(panel->LabelNongLi, "甲辰年 己巳月 丙戌日"); // day 142 of 2024, counted from 甲子 on 01-01
    EXPECT_EQ(panel->LabelPZ, "彭祖百忌:丙不修灶 戌不吃犬");
    EXPECT_EQ(panel->LabelXS, "喜神:西南");
    EXPECT_EQ(panel->LabelFS, "福神:正东");
    EXPECT_EQ(panel->LabelCS, "财神:西南");
    EXPECT_EQ(panel->LabelYJ, "日值岁破 大事不宜"); // a 戌 day in a 辰 year
    EXPECT_EQ(panel->weekFore, models::kBlack);
    EXPECT_EQ(models::dayPanel(MonthInfo{kFixedNow}, 2024, 5, 25)->weekFore, models::kSaturdayFore);
    EXPECT_FALSE(models::dayPanel(MonthInfo{kFixedNow}, 2024, 2, 30));
    EXPECT_FALSE(models::dayPanel(MonthInfo{kFixedNow}, 1900, 1, 1));
}

TEST(headerText, NamesTheEraAndTheYearsPair)
{
    const std::pair<int, const char*> kHeaders[] = {
        {1900, "光绪26年 农历庚子年 【鼠年】"},   {1908, "光绪34年 农历戊申年 【猴年】"},
        {1909, "宣统元年 农历己酉年 【鸡年】"},   {1911, "宣统3年 农历辛亥年 【猪年】"},
        {1912, "建国前37年 农历壬子年 【鼠年】"}, {1930, "建国前19年 农历庚午年 【马年】"},
        {1949, "建国元年 农历己丑年 【牛年】"},   {1950, "建国2年 农历庚寅年 【虎年】"},
        {2024, "建国76年 农历甲辰年 【龙年】"},
    };
    for (const auto& [y, text] : kHeaders) {
        SCOPED_TRACE(y);
        EXPECT_EQ(models::headerText(y), text);
    }
}

TEST(backAfterClick, TintsOnlyTheClickedDay)
{
    EXPECT_EQ(models::backAfterClick(5, 5, true), models::kClickedBack);
    EXPECT_EQ(models::backAfterClick(6, 5, true), models::kWhite);
    EXPECT_EQ(models::backAfterClick(5, 5, false), models::kWhite); // an empty cell clears every tint
    EXPECT_EQ(models::shortMarker("七夕情人节 "), "七夕情...");
}

} // namespace
