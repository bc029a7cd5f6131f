#include "models/calendar/MonthView.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

constexpr std::size_t kMarkerCharacters = 4;
constexpr std::size_t kShortMarkerCharacters = 3;

// The era before the year's pair in the header: 光绪 to 1908, 宣统 to 1911, then counted from 1949.
std::string eraText(int year)
{
    if (year >= 1900 && year <= 1908)
        return "光绪" + std::to_string(year - 1874) + "年 农历";
    if (year == 1909)
        return "宣统元年 农历";
    if (year >= 1910 && year <= 1911)
        return "宣统" + std::to_string(year - 1908) + "年 农历";
    if (year >= 1912 && year <= 1948)
        return "建国前" + std::to_string(1949 - year) + "年 农历";
    if (year == 1949)
        return "建国元年 农历";
    return "建国" + std::to_string(year - 1948) + "年 农历";
}

// 小 for a lunar month of 29 days, 大 for one of 30.
std::string_view bigOrSmall(const DayInfo& day)
{
    switch (lunarMonthLength(day)) {
    case 29:
        return "小";
    case 30:
        return "大";
    default:
        return {}; // an empty record
    }
}

// Lunar festivals first, then Gregorian ones, then the term or "今天", each in its own colour.
void setMarker(Cell& cell, const DayInfo& day)
{
    const std::pair<const std::string*, Rgb> markers[] = {
        {&day.NongFestival, kNongFestivalFore},
        {&day.Festival, kFestivalFore},
        {&day.TermName, kTermFore},
    };
    for (const auto& [text, fore] : markers) {
        if (!text->empty()) {
            cell.oldli = shortMarker(*text);
            cell.oldliFore = fore;
            return;
        }
    }
}

Rgb columnFore(int c)
{
    const int column = c % 7; // [0, 6]
    return column == 0 ? kSundayFore : column == 6 ? kSaturdayFore : kBlack;
}

// The first line of the panel: what the day is, or the month's terms on an ordinary day.
std::string todayLine(const DayInfo& day)
{
    if (day.TermName.empty() && day.Festival.empty() && day.NongFestival.empty())
        return day.MonthTerms;
    std::string prefix = "是日:";
    if (day.IsToday != 0)
        prefix = day.TermName == "今天" ? "" : "今天";
    return prefix + day.TermName + " " + day.Festival + " " + day.NongFestival;
}

} // namespace

std::string headerText(int year)
{
    const int count = floorMod(year - 4, 60); // [0, 59]; stem count % 10, branch count % 12
    std::string text = eraText(year);
    text += stemName(count);
    text += branchName(count);
    text += "年 【";
    text += Animals(count);
    text += "年】";
    return text;
}

std::string lunarCaption(const DayInfo& day)
{
    if (day.NDay != 1)
        return NongDay(day.NDay);
    std::string text = day.IsLeap ? "闰" : "";
    text += std::to_string(day.NMonth) + "月";
    text += bigOrSmall(day);
    return text;
}

std::string shortMarker(const std::string& marker)
{
    if (utf8::length(marker) <= kMarkerCharacters)
        return marker;
    return std::string(utf8::left(marker, kShortMarkerCharacters)) + "...";
}

std::optional<MonthGrid> monthGrid(const MonthInfo& info, int year, int month)
{
    const auto days = info.GetMonthInfo(year, month - 1);
    if (!days)
        return std::nullopt;
    const int first = GetWeekDay(year, month);
    const int n = solarDays(year, month - 1);
    const auto today = info.today();
    const bool shownIsCurrent = today.year() == std::chrono::year{year} && today.month() == std::chrono::month(month);
    MonthGrid grid;
    grid.header = headerText(year);
    for (int c = 0; c < kGridCells; ++c) {
        Cell& cell = grid.cells[static_cast<std::size_t>(c)];
        cell.newliFore = columnFore(c); // empty cells too
        const int i = c - first;
        if (i < 0 || i >= n)
            continue;
        const DayInfo& day = (*days)[static_cast<std::size_t>(i)];
        cell.newli = std::to_string(i + 1);
        if (shownIsCurrent && static_cast<unsigned>(today.day()) == static_cast<unsigned>(i + 1))
            cell.back = kTodayBack;
        cell.oldli = lunarCaption(day);
        setMarker(cell, day);
    }
    return grid;
}

std::optional<int> dayOfCell(int year, int month, int cell)
{
    if (month < 1 || month > 12 || cell < 0 || cell >= kGridCells)
        return std::nullopt;
    const int i = cell - GetWeekDay(year, month);
    if (i < 0 || i >= solarDays(year, month - 1))
        return std::nullopt;
    return i + 1;
}

DayPanel dayPanel(const DayInfo& day)
{
    DayPanel panel;
    panel.LabelToday = todayLine(day);
    panel.LabelYM = std::to_string(day.Year) + "年" + std::to_string(day.Month) + "月";
    panel.LabelDay = std::to_string(day.Day);
    panel.LabelWeek = "星期" + day.Week;
    panel.LabelNongYMD = "农历" + day.YearGZ + "年 " + (day.IsLeap ? "闰" : "") + std::string(NongMonth(day.NMonth)) +
                         "月" + std::string(bigOrSmall(day)) + NongDay(day.NDay) + "日";
    panel.LabelNongLi = day.YearGZ + "年 " + day.MonthGZ + "月 " + day.DayGZ + "日";
    panel.LabelPZ = day.PengZuText;
    panel.LabelXS = day.XiShenText;
    panel.LabelFS = day.FuShenText;
    panel.LabelCS = day.CaiShenText;
    panel.LabelYJ = day.YiJiText;
    panel.weekFore = day.Week == "六" ? kSaturdayFore : day.Week == "日" ? kSundayFore : kBlack;
    return panel;
}

std::optional<DayPanel> dayPanel(const MonthInfo& info, int year, int month, int day)
{
    const auto days = info.GetMonthInfo(year, month - 1);
    if (!days || day < 1 || day > solarDays(year, month - 1))
        return std::nullopt;
    return dayPanel((*days)[static_cast<std::size_t>(day - 1)]);
}

Rgb backAfterClick(int c, int clicked, bool clickedShowsDay)
{
    return clickedShowsDay && c == clicked ? kClickedBack : kWhite;
}

} // namespace models
