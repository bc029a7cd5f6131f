#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "engine/calendar/Calendar.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"
#include "models/calendar/CalendarNavigation.h"
#include "models/calendar/MonthView.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

// One month of the perpetual calendar as text: the grid the calendar window paints and its day panel for every
// day. Every value comes from the calendar model.
namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi month [--json] [--terms mean|astro] YEAR MONTH

Prints one Gregorian month (years 1901-2099, months 1-12) of the perpetual calendar, lines ended by LF:
  - a title: the month, the era name, the year's stem-branch pair and animal;
  - the grid, Sunday first: per week a line of day numbers and a line of what the window shows under
    each (the lunar day, the lunar month on its first day such as 4月小, or a festival, term or 今天,
    cut to three characters and "..." when longer than four);
  - after an empty line, one line per day with the texts of the day panel, separated by " | ":
    date and weekday, lunar date, the year, month and day pairs, the festival or term line (the month's
    two terms on an ordinary day), 彭祖百忌, 喜神, 福神, 财神, and the 宜/忌 text or the warning, e.g.
  2024-02-04 星期日 | 农历甲辰年 十二月大廿五日 | 甲辰年 丙寅月 戊戌日 | 是日:立春 | ...

Options:
  --json   a JSON array with one object per day of the month, one object per line, keyed by the fields of
           the day record: IsToday (-1 on today's date, else 0), Year, Month, Day, Week, NYear, NMonth,
           NDay, IsLeap (true in a leap month), YearGZ, MonthGZ, DayGZ, NongFestival, Festival, TermName,
           MonthTerms, XiShenText, FuShenText, CaiShenText, PengZuText, YiJiText (宜 and 忌 joined by CR LF)
  --terms mean|astro  the terms by the mean formula (default) or astronomically, each on its day in Beijing
           time; the year and month pairs turn on the day of 立春 and of the month's 节 either way
  --help   print this text

Bad input stops with a message on standard error, nothing on standard output, and exit status 2.
)";

constexpr int kCellColumns = 10; // the widest caption, "天后、..." or "闰12月小", is 9 columns
constexpr std::string_view kWeekHeader[] = {"日", "一", "二", "三", "四", "五", "六"};
constexpr std::string_view kSeparator = " | ";
constexpr std::string_view kPadding = " "; // what pads the cells, and is dropped at the end of a line

constexpr NamedOption kOptions[] = {{"--terms", kValue}};

struct MonthRequest
{
    int year = 0;
    int month = 0;
    engine::TermSource terms = engine::termInstant;
};

// The month the values name, or the reason they name none.
std::optional<MonthRequest> readRequest(const GivenOptions& given, std::string& error)
{
    const auto& values = given.values();
    if (values.size() != 2) {
        error = "expected YEAR and MONTH, got " + std::to_string(values.size()) + " values";
        return std::nullopt;
    }
    const auto terms = readTermSource(given, error);
    if (!terms)
        return std::nullopt;
    const auto year = engine::readNumber(values[0]);
    const auto month = engine::readNumber(values[1]);
    if (!year || *year < models::kFirstShownYear || *year > models::kLastShownYear)
        error = "not a year from 1901 to 2099: " + shown(values[0]);
    else if (!month || *month < 1 || *month > 12)
        error = "not a month from 1 to 12: " + shown(values[1]);
    else
        return MonthRequest{*year, *month, *terms};
    return std::nullopt;
}

// The text padded with blanks to `columns` (a CJK character is two columns).
std::string padded(std::string_view text, int columns)
{
    std::string out(text);
    out.append(static_cast<std::size_t>(std::max(columns - engine::utf8::width(text), 1)), ' ');
    return out;
}

void appendLine(std::string& out, std::string_view line)
{
    out += engine::trimTrailing(line, kPadding);
    out += '\n';
}

std::string gridText(const models::MonthGrid& grid, const MonthRequest& request)
{
    std::string out;
    appendLine(out, std::to_string(request.year) + "年" + std::to_string(request.month) + "月  " + grid.header);
    std::string header;
    for (const std::string_view day : kWeekHeader)
        header += padded(day, kCellColumns);
    appendLine(out, header);
    for (std::size_t row = 0; row < models::kGridCells / 7; ++row) {
        std::string numbers;
        std::string captions;
        for (std::size_t column = 0; column < 7; ++column) {
            const models::Cell& cell = grid.cells[row * 7 + column];
            numbers += padded(cell.newli, kCellColumns);
            captions += padded(cell.oldli, kCellColumns);
        }
        if (engine::trimTrailing(numbers, kPadding).empty())
            continue; // a week after the month's end
        appendLine(out, numbers);
        appendLine(out, captions);
    }
    return out;
}

std::string dayLine(const models::DayInfo& day)
{
    const models::DayPanel panel = models::dayPanel(day);
    const std::chrono::year_month_day date{std::chrono::year{day.Year}, std::chrono::month(day.Month),
                                           std::chrono::day(day.Day)};
    std::string yiJi; // the panel shows 宜 and 忌 on two lines; here they share one
    for (const char c : panel.LabelYJ) {
        if (c != '\r')
            yiJi += c == '\n' ? ' ' : c;
    }
    std::string line = engine::writeDate(engine::LocalDays{date});
    line += ' ';
    line += panel.LabelWeek;
    for (const std::string& text :
         {panel.LabelNongYMD, panel.LabelNongLi, std::string(engine::trimTrailing(panel.LabelToday, kPadding)),
          panel.LabelPZ, panel.LabelXS, panel.LabelFS, panel.LabelCS, yiJi}) {
        line += kSeparator;
        line += text;
    }
    return line;
}

// The record's fields in their order, under their own names.
std::string dayJson(const models::DayInfo& d)
{
    return JsonObject()
        .number("IsToday", d.IsToday)
        .number("Year", d.Year)
        .number("Month", d.Month)
        .number("Day", d.Day)
        .text("Week", d.Week)
        .number("NYear", d.NYear)
        .number("NMonth", d.NMonth)
        .number("NDay", d.NDay)
        .flag("IsLeap", d.IsLeap)
        .text("YearGZ", d.YearGZ)
        .text("MonthGZ", d.MonthGZ)
        .text("DayGZ", d.DayGZ)
        .text("NongFestival", d.NongFestival)
        .text("Festival", d.Festival)
        .text("TermName", d.TermName)
        .text("MonthTerms", d.MonthTerms)
        .text("XiShenText", d.XiShenText)
        .text("FuShenText", d.FuShenText)
        .text("CaiShenText", d.CaiShenText)
        .text("PengZuText", d.PengZuText)
        .text("YiJiText", d.YiJiText)
        .str();
}

int writeMonth(const MonthRequest& request, const GivenOptions& given)
{
    const models::MonthInfo info(engine::systemClock(), request.terms);
    const auto days = info.GetMonthInfo(request.year, request.month - 1);
    const auto grid = models::monthGrid(info, request.year, request.month);
    if (!days || !grid) {
        std::cerr << "bazi: no calendar for " << request.year << "-" << request.month << '\n';
        return kExitUsage;
    }
    const int n = engine::solarDays(request.year, request.month - 1);
    std::string out;
    if (given.json()) {
        for (int i = 0; i < n; ++i) {
            out += i == 0 ? "[" : ",\n";
            out += dayJson((*days)[static_cast<std::size_t>(i)]);
        }
        out += "]\n";
    } else {
        out = gridText(*grid, request) + "\n";
        for (int i = 0; i < n; ++i)
            appendLine(out, dayLine((*days)[static_cast<std::size_t>(i)]));
    }
    std::cout << out;
    return kExitOk;
}

} // namespace

int monthCommand(Args args)
{
    return runRequest(GivenOptions(args, kOptions, true), "month", kHelp, readRequest, writeMonth);
}

} // namespace cli
