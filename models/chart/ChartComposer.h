#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/LandPP.h"
#include "models/solartime/BirthMoment.h"

// The chart text of the main window, Qt-free so that the command-line tool and the tests share it.
namespace models {

// What the chart button reads from the window, as the controls show it.
struct ChartRequest
{
    std::string name;            // as typed; trimmed here
    bool male = true;            // 男 / 女
    bool lunar = false;          // 农历 rather than 公历
    std::string year;            // "1900".."2099"
    std::string month;           // "01".."12"; a lunar leap month carries "闰", e.g. "04闰"
    std::string day;             // "01".."31"
    std::string hour;            // "00".."23"
    std::string minute;          // "00".."59"
    std::string layout = "竖排"; // "竖排" or "横排"
    bool stars = false;          // 神煞 checked
    MomentOptions moment = {};   // zone, place, solar time, terms, 子 convention; the defaults chart Beijing time
};

// Everything the chart shows of one birth: the header values and the engine's readings of the pillars, the stars
// (when asked for) and the luck.
struct ChartData
{
    std::string name;
    std::string sexWord; // 男 / 女
    std::int16_t iSex = 1;
    std::string sTime; // "YYYY-MM-DD HH:mm:ss"
    engine::BirthMoment moment;
    std::string lunarDate;
    std::string jiePreName, jiePreTime, jieNextName, jieNextTime;
    std::string taiYuan, mingGong;
    engine::PillarReadings pillars;
    std::optional<engine::StarRows> stars;
    engine::LuckReadings luck;
    std::string qiYun, jiaoYun;
    int startAge = 0;  // calendar years from the birth to the hand-over
    int startYear = 0; // the hand-over's year
};

// A chart or the message that says why there is none.
struct ChartResult
{
    std::optional<ChartData> data;
    std::string error;
};

// The text made exactly `columns` wide when narrower (a non-ASCII character counts two columns); otherwise its
// first `columns` characters.
std::string FormatString(const std::string& text, std::int16_t columns);

// "2005年3月7日14时"; an unreadable text becomes "now", in the caller's variable too.
std::string StrDateToStr(std::string& sDate, const engine::Clock& now);

// The header rows that state the options differing from the default, in this order and form:
//   出生地：<name>（<region>）        the place chosen
//   经度：东经<d.dd>° | 西经<d.dd>°    the longitude of the solar time
//   时区：<zone> UTC±HH:MM[ 夏令时][ 取较早|取较晚]   the zone, its offset at the birth, summer time, the fold
//   真太阳时：|平太阳时：YYYY-MM-DD HH:mm:ss   the local time the day and hour follow
//   节气：天文                          astronomical terms
//   子时：晚子次日时干 | 子时：晚子换日   the 子 convention
// None for the default request.
std::vector<std::string> momentRows(const ChartRequest& request, const engine::BirthMoment& moment);

// The message for a request that cannot be charted, or nothing.
std::optional<std::string> checkRequest(const ChartRequest& request);

class ChartComposer
{
public:
    explicit ChartComposer(engine::Clock now = engine::systemClock());

    // Validates the request and gathers every value of the chart. Never throws.
    ChartResult compute(const ChartRequest& request) const;

    // The chart rows in order, without line ends.
    std::vector<std::string> lines(const ChartData& data, const ChartRequest& request) const;

    // The rows of a valid request, or nothing with the reason in `error`.
    std::optional<std::vector<std::string>> compose(const ChartRequest& request, std::string& error) const;

private:
    LandPP m_landPP;
    engine::Clock m_now;
};

// Rows joined as the text box and the record files hold them: every row, the last included, ends with `eol`.
std::string joinLines(const std::vector<std::string>& lines, const std::string& eol = "\r\n");

} // namespace models
