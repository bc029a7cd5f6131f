#pragma once

#include "models/chart/Chart.h"

#include <cstdint>
#include <string>
#include <vector>

// The chart as text, the main window's and the tool's: column-aligned rows that the record files store.
namespace models {

// The text made exactly `columns` wide when narrower (a non-ASCII character counts two columns); otherwise its
// first `columns` characters.
std::string FormatString(const std::string& text, std::int16_t columns);

// "2005年3月7日14时"; an unreadable text becomes "now", in the caller's variable too.
std::string StrDateToStr(std::string& sDate, const engine::Clock& now);
// The same words for a time.
std::string dateWords(engine::LocalTime t);

// The header rows that state the options differing from the default, in this order and form:
//   出生地：<name>（<region>）        the place chosen
//   经度：东经<d.dd>° | 西经<d.dd>°    the longitude of the solar time
//   时区：<zone> UTC±HH:MM[ 夏令时][ 取较早|取较晚]   the zone, its offset at the birth, summer time, the fold
//   真太阳时：|平太阳时：YYYY-MM-DD HH:mm:ss   the local time the day and hour follow; 不用（时辰不详） without the
//   hour 节气：天文                          astronomical terms 子时：晚子次日时干 | 子时：晚子换日   the 子 convention
//   宫干：依年柱                        the palaces' stems from the year pillar
// None for the default moment.
std::vector<std::string> momentRows(const Moment& moment, engine::HourPillar hour = engine::HourPillar::known);

// "1984-03-02 16:25:00", or "1984-03-02 时辰不详" when nobody knows the hour: the birth as the chart states it.
std::string birthWords(const Chart& chart);

// "立春：1984-02-04 22:08:00    惊蛰：1984-03-05 16:38:00": the 节 around the birth.
std::string termsRow(const Chart& chart);
std::string startSentence(const Chart& chart);    // 命主于出生后1年0月1天2时开始起运
std::string handOverSentence(const Chart& chart); // 命主于公历1985年3月3日18时交运

// The chart's text: every row, the last included, ended by `eol` (CR LF as the window and the record files hold it).
std::string chartText(const Chart& chart, std::string_view eol = "\r\n");
// The same appended to `out`, for writers of many charts.
void writeChartText(std::string& out, const Chart& chart, std::string_view eol);
// The chart rows in order, without line ends.
std::vector<std::string> chartLines(const Chart& chart);

// Rows joined as the text box and the record files hold them: every row, the last included, ends with `eol`.
std::string joinLines(const std::vector<std::string>& lines, const std::string& eol = "\r\n");

} // namespace models
