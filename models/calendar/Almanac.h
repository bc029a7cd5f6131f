#pragma once

#include <string>
#include <string_view>

// The daily almanac of the perpetual calendar: the three gods' directions, the Peng Zu taboos, the day officer's
// suited and unsuited activities and the four kinds of warning day. Arguments are sexagenary counts or indices
// (stem 0-9 = 甲-癸, branch 0-11 = 子-亥); any integer is reduced, so no argument can index outside a table.
namespace models {

std::string_view XiShen(long dayIndex);  // 喜神 direction by day stem, e.g. "东北"
std::string_view CaiShen(long dayIndex); // 财神 direction by day stem
std::string_view FuShen(long dayIndex);  // 福神 direction by day stem

// Stem taboo, a blank, branch taboo: "甲不开仓 子不问卜".
std::string PengZu(long dayIndex);

// The day officer's 宜 text, CR LF, its 忌 text; the officer counts from 建 on the day whose branch is the month's.
std::string JiYi(int mdz, int ddz);

// "日值岁破 大事不宜", "日值月破 ...", "日值上朔 ...", "日值杨公十三忌 ..." (first that holds), or "0".
// yy, mm, dd: year, month and day branch; Y, d: year and day stem; m, dt: lunar month and day.
std::string CalConv2(int yy, int mm, int dd, int Y, int d, int m, int dt);

} // namespace models
