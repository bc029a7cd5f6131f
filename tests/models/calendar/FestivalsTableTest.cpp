#include "models/calendar/Festivals.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <string>

// Every row of the three festival tables, each on a day where it meets no other festival: the Gregorian and
// floating rows in 2023 (2024 where July 2023's first Saturday is its 1st), the lunar rows in lunar 2023, whose
// months begin on 01-22, 02-20, 闰二月 03-22, 04-20, 05-19, 06-18, 07-18, 08-16, 09-15, 10-15, 11-13, 12-13 and
// 2024-01-11 (六月三十 from lunar 2022, whose sixth month has 30 days).
namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2030} / 6 / 15}} + hours{8}; };

enum class Table {
    Gregorian, // marks DayInfo::Festival
    Lunar,     // marks DayInfo::NongFestival
    Floating   // marks DayInfo::Festival
};

struct FestivalDay
{
    Table table;
    int year, month, day; // Gregorian
    const char* name;     // nullptr: a person's or deity's day whose name is ours to choose
    const char* row;      // the row's date code
};

constexpr Table G = Table::Gregorian;
constexpr Table L = Table::Lunar;
constexpr Table F = Table::Floating;
constexpr const char* kTableNames[] = {"Gregorian", "lunar", "floating"};

// clang-format off
const FestivalDay kFestivalDays[] = {
    {G, 2023, 1, 1, "元旦", "0101"},
    {G, 2023, 2, 14, "情人节", "0214"},
    {G, 2023, 3, 8, "妇女节", "0308"},
    {G, 2023, 3, 12, "植树节", "0312"},
    {G, 2023, 3, 15, "消费者权益日", "0315"},
    {G, 2023, 4, 1, "愚人节", "0401"},
    {G, 2023, 5, 1, "劳动节", "0501"},
    {G, 2023, 5, 4, "青年节", "0504"},
    {G, 2023, 5, 12, "护士节", "0512"},
    {G, 2023, 6, 1, "儿童节", "0601"},
    {G, 2024, 7, 1, "建党节 香港回归纪念日", "0701"}, // one name holding a blank
    {G, 2023, 8, 1, "建军节", "0801"},
    {G, 2023, 9, 9, nullptr, "0909"},
    {G, 2023, 9, 10, "教师节", "0910"},
    {G, 2023, 9, 28, nullptr, "0928"},
    {G, 2023, 10, 1, "国庆节", "1001"},
    {G, 2023, 10, 6, "老人节", "1006"},
    {G, 2023, 10, 24, "联合国日", "1024"},
    {G, 2023, 10, 31, "万圣节（鬼节）", "1031"},
    {G, 2023, 11, 12, nullptr, "1112"},
    {G, 2023, 12, 20, "澳门回归纪念日", "1220"},
    {G, 2023, 12, 24, "平安夜", "1224"},
    {G, 2023, 12, 25, "圣诞节", "1225"},
    {G, 2023, 12, 26, nullptr, "1226"},

    {L, 2023, 1, 22, "春节", "0101"},
    {L, 2023, 1, 28, "人日", "0107"},
    {L, 2023, 2, 5, "元宵节", "0115"},
    {L, 2023, 2, 15, "填仓节", "0125"},
    {L, 2023, 2, 16, "生菜会", "0126"},
    {L, 2023, 2, 21, "龙头节", "0202"},
    {L, 2023, 2, 25, nullptr, "0206"},
    {L, 2023, 3, 6, "涅槃节", "0215"},
    {L, 2023, 3, 10, nullptr, "0219"},
    {L, 2023, 5, 12, nullptr, "0323"},
    {L, 2023, 5, 26, nullptr, "0408"},
    {L, 2023, 6, 22, "端午节", "0505"},
    {L, 2023, 6, 25, nullptr, "0508"},
    {L, 2023, 7, 7, "分龙节", "0520"},
    {L, 2023, 7, 23, "姑姑节", "0606"},
    {L, 2023, 8, 2, nullptr, "0616"},
    {L, 2023, 8, 10, nullptr, "0624"},
    {L, 2022, 7, 28, "围香节", "0630"},
    {L, 2023, 8, 22, "七夕情人节", "0707"},
    {L, 2023, 8, 30, "中元节(鬼节)", "0715"},
    {L, 2023, 9, 16, nullptr, "0802"},
    {L, 2023, 10, 11, nullptr, "0827"},
    {L, 2023, 9, 29, "中秋节", "0815"},
    {L, 2023, 10, 23, "重阳节", "0909"},
    {L, 2023, 11, 13, "祭祖节、祀靴节", "1001"},
    {L, 2023, 12, 7, nullptr, "1025"},
    {L, 2024, 1, 18, "腊八节", "1208"},
    {L, 2024, 1, 30, nullptr, "1220"},
    {L, 2024, 2, 3, "小年（祀灶）", "1224"},
    {L, 2024, 2, 9, "除夕", "0100"}, // the last day of the twelfth month

    {F, 2023, 2, 20, "总统日", "0231"},       // third Monday: the 1st is a Wednesday
    {F, 2023, 5, 14, "母亲节", "0520"},       // second Sunday
    {F, 2023, 5, 29, "胜利日", "0531"},       // the last Monday, as the row's day is defined: not the third (05-15)
    {F, 2023, 6, 18, "父亲节", "0630"},       // third Sunday
    {F, 2024, 7, 6, "合作节", "0716"},        // first Saturday
    {F, 2023, 7, 16, "被奴役国家周", "0730"}, // third Sunday: the 1st is a Saturday
    {F, 2023, 9, 4, "西方劳动节", "0911"},    // first Monday
    {F, 2023, 10, 2, "世界住房日", "1011"},   // first Monday: the 1st is a Sunday
    {F, 2023, 10, 9, nullptr, "1021"},        // second Monday
    {F, 2023, 11, 23, "感恩节", "1144"},      // fourth Thursday
};
// clang-format on

// A name of our choosing: one name of three to eight characters, followed by a blank.
void expectOneChosenName(const std::string& field)
{
    ASSERT_TRUE(field.ends_with(' ')) << field;
    const std::string_view name = std::string_view(field).substr(0, field.size() - 1);
    EXPECT_EQ(name.find(' '), std::string_view::npos) << field;
    EXPECT_GE(engine::utf8::length(name), 3u) << field;
    EXPECT_LE(engine::utf8::length(name), 8u) << field;
}

TEST(markFestivals, EveryTableRowOnItsDay)
{
    const models::MonthInfo info{kFixedNow};
    for (const auto& c : kFestivalDays) {
        SCOPED_TRACE(std::string(kTableNames[static_cast<int>(c.table)]) + " " + c.row + " on " +
                     std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const auto days = info.GetMonthInfo(c.year, c.month - 1);
        ASSERT_TRUE(days);
        const models::DayInfo& d = (*days)[static_cast<std::size_t>(c.day - 1)];
        const std::string& field = c.table == L ? d.NongFestival : d.Festival;
        if (c.name)
            EXPECT_EQ(field, std::string(c.name) + " ");
        else
            expectOneChosenName(field);
    }
}

} // namespace
