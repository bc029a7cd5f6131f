#include "models/chart/ChartText.h"

#include "models/chart/AnalysisText.h"

#include "models/solartime/MomentWords.h"

#include <algorithm>
#include <cmath>

#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

const std::string kContinuation = "       "; // a row without label: 7 columns
const std::string kFourSpaces = "    ";
constexpr int kCellColumns = 8;

// `text` made exactly `columns` wide when narrower (a non-ASCII character counts two columns), otherwise its first
// `columns` characters, appended to `out`.
void appendCell(std::string& out, std::string_view text, int columns)
{
    const int width = utf8::width(text);
    if (width < columns) {
        // One growth of the text for the cell and its padding: a chart lays out a few hundred cells.
        const std::size_t at = out.size();
        out.resize(at + text.size() + static_cast<std::size_t>(columns - width), ' ');
        std::copy(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
        out.append(utf8::left(text, static_cast<std::size_t>(std::max(columns, 0))));
    }
}

// The sixty GanZhi as cells, laid out once: the luck and yearly rows hold nearly a hundred of them.
std::string_view ganZhiCell(long long count)
{
    static const std::array<std::string, 60> cells = [] {
        std::array<std::string, 60> all;
        for (int n = 0; n < 60; ++n)
            appendCell(all[static_cast<std::size_t>(n)], ganZhiName(n), kCellColumns);
        return all;
    }();
    return cells[static_cast<std::size_t>(floorMod(count, 60))];
}

// Rows written straight into the chart's text, each ended by the line end: one buffer for the whole chart.
struct Rows
{
    std::string& out;
    std::string_view eol;

    void line(std::string_view text) { out.append(text).append(eol); }
    void line(std::string_view label, std::string_view cells) { out.append(label).append(cells).append(eol); }
    // The label, then the GanZhi of each count.
    template <std::size_t N> void ganZhiCells(std::string_view label, const std::array<long long, N>& counts)
    {
        out.append(label);
        for (const long long count : counts)
            out.append(ganZhiCell(count));
        out.append(eol);
    }
    void empty() { out.append(eol); }
    // The label, then one cell per value.
    template <class Cells> void cells(std::string_view label, const Cells& values)
    {
        out.append(label);
        for (const auto& value : values)
            appendCell(out, value, kCellColumns);
        out.append(eol);
    }
};

// The cells of one row of the yearly block: eight pillars ten years apart, from the pillar of `count`. The row
// depends only on that pillar, so the sixty possible rows are laid out once.
std::string_view yearlyCells(long long count)
{
    static const std::array<std::string, 60> rows = [] {
        std::array<std::string, 60> all;
        for (int n = 0; n < 60; ++n)
            for (int col = 0; col < 8; ++col)
                all[static_cast<std::size_t>(n)].append(ganZhiCell(n + 10 * col));
        return all;
    }();
    return rows[static_cast<std::size_t>(floorMod(count, 60))];
}

// Field k of a ","-separated text; empty when missing.
std::string_view field(std::string_view text, std::size_t k)
{
    for (std::size_t i = 0; i < k; ++i) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos)
            return {};
        text.remove_prefix(comma + 1);
    }
    return text.substr(0, text.find(','));
}

template <std::size_t N>
std::array<std::string_view, N> fieldOfEach(const std::array<std::string, N>& texts, std::size_t k)
{
    std::array<std::string_view, N> fields;
    std::transform(texts.begin(), texts.end(), fields.begin(), [k](const std::string& t) { return field(t, k); });
    return fields;
}

std::string zoneRow(const Moment& moment)
{
    const BirthMoment& m = moment.birth();
    std::string zone = std::string(words::kZoneRow) + m.zone + " " + offsetText(m.offset);
    if (m.dst)
        zone += words::kSummerTime;
    zone += words::of(words::kFolds, moment.options().fold).row;
    return zone;
}

void writeStars(Rows& out, const StarRows& stars)
{
    struct Category
    {
        const char* label;
        std::size_t rows;
    };
    static const Category kCategories[] = {
        {"年支： ", 3}, {"年干： ", 2}, {"月支： ", 2}, {"日支： ", 2}, {"日干： ", 2},
    };
    out.empty();
    for (std::size_t c = 0; c < std::size(kCategories); ++c) {
        // The appended space gives a pillar without stars a blank first field.
        std::array<std::string, 4> lists = stars[c];
        for (auto& list : lists)
            list += " ";
        out.cells(kCategories[c].label, fieldOfEach(lists, 0));
        for (std::size_t k = 1; k < kCategories[c].rows; ++k) {
            const auto fields = fieldOfEach(lists, k);
            if (std::any_of(fields.begin(), fields.end(), [](std::string_view f) { return !f.empty(); }))
                out.cells(kContinuation, fields);
        }
    }
}

// The birth, the moment's rows, the terms, 胎元 and 命宫.
void writeHeader(Rows& out, const Chart& c)
{
    out.line("姓名：" + c.name + "       性别：" + std::string(c.sexWord()));
    out.line("出生公历：" + birthWords(c) + kFourSpaces + "农历：" + lunarText(c.lunar));
    for (const auto& momentRow : momentRows(c.moment, c.hourPillar()))
        out.line(momentRow);
    out.empty();
    out.line(termsRow(c));
    out.empty();
    out.line("胎元：" + c.conception + kFourSpaces + "命宫：" + c.lifePalace);
    out.empty();
}

void writePillars(Rows& out, const Chart& c)
{
    const PillarReadings& p = c.pillars;
    out.cells("旬空： ", p.voids);
    out.cells("十神： ", p.tenGods);
    const std::string pillarLabel = std::string(c.sexWord()) + "命： ";
    if (c.layout == Layout::vertical) {
        out.cells(pillarLabel, p.chars.stems);
        out.cells(kContinuation, p.chars.branches);
    } else {
        std::array<std::string, 4> pillars;
        for (std::size_t i = 0; i < pillars.size(); ++i)
            pillars[i] = i == 3 && !c.hourKnown ? std::string(kNoHour) : p.chars.ganZhi(i);
        out.cells(pillarLabel, pillars);
    }
    out.cells("遁藏： ", fieldOfEach(p.hiddenStems, 0));
    out.cells(kContinuation, fieldOfEach(p.hiddenStems, 1));
    out.cells(kContinuation, fieldOfEach(p.hiddenStems, 2));
    out.cells("旺衰： ", p.growth);
    out.cells("纳音： ", p.naYin);
    if (c.stars)
        writeStars(out, *c.stars);
}

void writeLuck(Rows& out, const Chart& c)
{
    out.empty();
    out.line("起运： " + startSentence(c));
    out.line("交运： " + handOverSentence(c));
    out.empty();
    out.cells("旺衰： ", c.luck.growth);
    out.cells("纳音： ", c.luck.naYin);
    out.cells("十神： ", c.luck.tenGods);
    std::array<long long, 8> luckPillars;
    std::array<std::string, 8> ages, years;
    for (std::size_t i = 0; i < 8; ++i) {
        const int decades = 10 * static_cast<int>(i);
        luckPillars[i] = c.luck.pillars[i];
        ages[i] = std::to_string(c.startAge + decades) + "岁";
        years[i] = std::to_string(c.startYear + decades);
    }
    out.ganZhiCells("大运： ", luckPillars);
    out.cells("岁数： ", ages);
    out.cells("交运： ", years);
    // Column c is luck pillar c, row r its r-th year: the yearly pillars run on from the hand-over year.
    for (int r = 0; r < 10; ++r)
        out.line(r == 0 ? "岁数： " : kContinuation, yearlyCells(c.luck.firstYearly + r));
}

} // namespace

std::string FormatString(const std::string& text, std::int16_t columns)
{
    std::string cell;
    appendCell(cell, text, columns);
    return cell;
}

std::string dateWords(LocalTime t)
{
    const CivilTime c = toCivil(t);
    return std::to_string(static_cast<int>(c.date.year())) + "年" +
           std::to_string(static_cast<unsigned>(c.date.month())) + "月" +
           std::to_string(static_cast<unsigned>(c.date.day())) + "日" + std::to_string(c.hour) + "时";
}

std::string StrDateToStr(std::string& sDate, const Clock& now)
{
    return dateWords(acceptTime(sDate, now));
}

std::vector<std::string> momentRows(const Moment& moment, HourPillar hour)
{
    const MomentOptions& o = moment.options();
    const BirthMoment& m = moment.birth();
    std::vector<std::string> out;
    if (o.place)
        out.push_back(std::string(words::kPlaceRow) + placeName(*o.place) + "（" + std::string(o.place->region) + "）");
    if (const auto longitude = o.effectiveLongitude()) {
        out.push_back(std::string(words::kLongitudeRow) + std::string(*longitude < 0 ? words::kWest : words::kEast) +
                      degreesText(std::abs(*longitude)) + std::string(words::kDegree));
    }
    if (!m.zone.empty())
        out.push_back(zoneRow(moment));
    if (m.solarKind != SolarTimeKind::clock)
        out.push_back(
            std::string(words::of(words::kSolarTimes, m.solarKind).row) +
            (hour == HourPillar::known ? writeTime(m.solar) : "不用（" + std::string(kHourUnknownWords) + "）"));
    if (o.terms != TermMethod::mean)
        out.emplace_back(words::of(words::kTermMethods, o.terms).row);
    if (m.lateZi != LateZi::same)
        out.emplace_back(words::of(words::kLateZis, m.lateZi).row);
    if (o.palaceYear != PalaceYear::calendar)
        out.emplace_back(words::of(words::kPalaceYears, o.palaceYear).row);
    return out;
}

std::string birthWords(const Chart& c)
{
    if (c.hourKnown)
        return writeTime(c.moment.clock());
    return writeDate(std::chrono::floor<std::chrono::days>(c.moment.clock())) + " " + std::string(kHourUnknownWords);
}

std::string termsRow(const Chart& c)
{
    return std::string(termName(c.previousJie.n)) + "：" + writeTime(c.previousJie.at) + kFourSpaces +
           std::string(termName(c.nextJie.n)) + "：" + writeTime(c.nextJie.at);
}

std::string startSentence(const Chart& c)
{
    return "命主于出生后" + startAgeText(c.luck.age) + "开始起运";
}

std::string handOverSentence(const Chart& c)
{
    return "命主于公历" + dateWords(c.luck.handOver) + "交运";
}

void writeChartText(std::string& out, const Chart& c, std::string_view eol)
{
    Rows rows{out, eol};
    writeHeader(rows, c);
    writePillars(rows, c);
    writeLuck(rows, c);
    if (c.analysis && c.analysisShown)
        writeAnalysisRows(out, *c.analysis, eol);
    rows.empty();
    rows.empty();
}

std::string chartText(const Chart& c, std::string_view eol)
{
    std::string out;
    out.reserve(8192);
    writeChartText(out, c, eol);
    return out;
}

std::vector<std::string> chartLines(const Chart& c)
{
    const std::string text = chartText(c, "\n");
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find('\n', from);
        lines.emplace_back(text, from, end - from);
        from = end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& eol)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + eol.size();
    std::string text;
    text.reserve(size);
    for (const auto& line : lines)
        text.append(line).append(eol);
    return text;
}

} // namespace models
