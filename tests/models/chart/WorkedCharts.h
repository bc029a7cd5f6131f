#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Charts worked out by hand, shared by the tests of the chart model and of the command-line tool. Cells are written
// one literal each so that every column can be checked by eye: a cell is 8 columns, a CJK character 2.
namespace worked {

// The closing block of yearly pillars: ten rows of consecutive years under eight columns a decade apart, starting
// from the pillar of the first luck year; the first row carries the age label. Within a column the pillars simply
// count on through the sixty-pair cycle, so the block follows from its first pillar.
inline std::vector<std::string> yearlyRows(std::string_view first)
{
    constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                            "午", "未", "申", "酉", "戌", "亥"};
    const auto pillar = [&](int n) { return std::string(kStems[n % 10]) + std::string(kBranches[n % 12]); };
    int start = 0; // [0, 59]
    while (start < 59 && pillar(start) != first)
        ++start;
    std::vector<std::string> rows;
    for (int r = 0; r < 10; ++r) {
        std::string row = r == 0 ? "岁数： " : "       ";
        for (int c = 0; c < 8; ++c)
            row += pillar(start + r + 10 * c) + "    ";
        rows.push_back(row);
    }
    return rows;
}

// A whole chart: the rows down to the year row of the luck pillars, then the yearly block and two empty rows.
inline std::vector<std::string> chartRows(std::vector<std::string> head, std::string_view firstYearly)
{
    for (auto& row : yearlyRows(firstYearly))
        head.push_back(std::move(row));
    head.insert(head.end(), {"", ""});
    return head;
}

// clang-format off
// 2024-01-03 10:15, male: the date lies before 小寒 (01-06 02:52) and 立春, pillars 癸卯 甲子 丙寅 癸巳. A yin-year male
// runs backward from 大雪 2023 (12-07 15:55): 38540 minutes = 8 years 3980 = 11 months 20 = 1 day 8 -> 16 hours.
// The palace stem follows the calendar year 2024 (甲: 丙子), not the 癸卯 year pillar (which would give 甲子).
// Horizontal layout, no stars.
inline const std::vector<std::string> kBeforeXiaoHan = chartRows(
    {
        "姓名：李四       性别：男",
        "出生公历：2024-01-03 10:15:00    农历：农历癸卯年(兔)十一月廿二",
        "",
        "大雪：2023-12-07 15:55:00    小寒：2024-01-06 02:52:00",
        "",
        "胎元：乙卯    命宫：丙子",
        "",
        "旬空： " "辰巳    " "戌亥    " "戌亥    " "午未    ",
        "十神： " "正官    " "偏印    " "日主    " "正官    ",
        "男命： " "癸卯    " "甲子    " "丙寅    " "癸巳    ",
        "遁藏： " "乙正印  " "癸正官  " "甲偏印  " "庚偏财  ",
        "       " "        " "        " "丙比肩  " "丙比肩  ",
        "       " "        " "        " "戊食神  " "戊食神  ",
        "旺衰： " "沐浴    " "胎      " "长生    " "临官    ",
        "纳音： " "金薄金  " "海中金  " "炉中火  " "长流水  ",
        "",
        "起运： 命主于出生后8年11月1天16时开始起运",
        "交运： 命主于公历2032年12月5日2时交运",
        "",
        "旺衰： " "绝      " "墓      " "死      " "病      " "衰      " "帝旺    " "临官    " "冠带    ",
        "纳音： " "大海水  " "大海水  " "石榴木  " "石榴木  " "天上火  " "天上火  " "沙中土  " "沙中土  ",
        "十神： " "正官    " "七杀    " "正财    " "偏财    " "伤官    " "食神    " "劫财    " "比肩    ",
        "大运： " "癸亥    " "壬戌    " "辛酉    " "庚申    " "己未    " "戊午    " "丁巳    " "丙辰    ",
        "岁数： " "8岁     " "18岁    " "28岁    " "38岁    " "48岁    " "58岁    " "68岁    " "78岁    ",
        "交运： " "2032    " "2042    " "2052    " "2062    " "2072    " "2082    " "2092    " "2102    ",
    },
    "壬子");
// clang-format on

} // namespace worked
