#include "models/chart/ChartComposer.h"

#include "models/chart/MomentRows.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis/Analysis.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

const std::string kContinuation = "       "; // a row without label: 7 columns
const std::string kFourSpaces = "    ";
constexpr int kCellColumns = 8;

// Leading and trailing blanks, the ideographic space included, are not part of a name.
std::string trimName(std::string_view s)
{
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (std::size_t before = s.size() + 1; s.size() < before;) {
        before = s.size();
        s = trimBlanks(s);
        if (s.starts_with(kIdeographicSpace))
            s.remove_prefix(kIdeographicSpace.size());
        if (s.ends_with(kIdeographicSpace))
            s.remove_suffix(kIdeographicSpace.size());
    }
    return std::string(s);
}

// `text` made exactly `columns` wide when narrower (a non-ASCII character counts two columns), otherwise its first
// `columns` characters, appended to `out`.
void appendCell(std::string& out, std::string_view text, int columns)
{
    const int width = utf8::width(text);
    if (width < columns)
        out.append(text).append(static_cast<std::size_t>(columns - width), ' ');
    else
        out.append(utf8::left(text, static_cast<std::size_t>(std::max(columns, 0))));
}

// A chart row: the label, then one cell per value.
template <class Cells> std::string row(std::string_view label, const Cells& cells)
{
    std::string text(label);
    text.reserve(label.size() + std::size(cells) * kCellColumns);
    for (const auto& cell : cells)
        appendCell(text, cell, kCellColumns);
    return text;
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

// "1980-01-01 01:01:00" from the request, or the reason there is none.
std::optional<std::string> birthTime(const ChartRequest& request, const LandPP& landPP, std::string& error)
{
    std::string month = request.month;
    std::int16_t leap = 0;
    if (request.lunar && month.find("闰") != std::string::npos) {
        month = std::string(utf8::left(month, 2));
        leap = 1;
    }
    std::string date = request.year + "-" + month + "-" + request.day;
    if (request.lunar) {
        const std::string gregorian = landPP.NongLi2YangLi(date, leap);
        if (gregorian.empty()) {
            error = "农历" + request.year + "年" + (leap ? "闰" : "") + month + "月" + request.day + "日不存在";
            return std::nullopt;
        }
        date = gregorian;
    }
    const auto t = readTime(date + " " + request.hour + ":" + request.minute + ":00");
    if (!t) {
        error = "出生时间无效：" + date + " " + request.hour + ":" + request.minute;
        return std::nullopt;
    }
    if (*t < LocalTime{kFirstLunarDay} || *t >= LocalTime{kLastLunarDay + std::chrono::days{1}}) {
        error = "出生日期超出范围（1900-01-31 至 2101-01-28）：" + writeDate(std::chrono::floor<std::chrono::days>(*t));
        return std::nullopt;
    }
    return writeTime(*t);
}

// Everything the chart shows of one birth, from the engine's one assembly of the readings.
void gather(ChartData& d, const BirthMoment& m, bool withStars)
{
    const LocalTime t = m.clock;
    const PillarChars p = pillarChars(m);
    d.lunarDate = lunarText(toLunar(std::chrono::floor<std::chrono::days>(m.solar)));
    const Term pre = jiePre(m.beijing(), m.terms);
    const Term next = jieNext(m.beijing(), m.terms);
    d.jiePreName = termName(pre.n);
    d.jiePreTime = writeTime(pre.at);
    d.jieNextName = termName(next.n);
    d.jieNextTime = writeTime(next.at);
    d.taiYuan = conceptionPillar(monthCount(m));
    d.mingGong = lifePalace(m);
    d.pillars = pillarReadings(p);
    if (withStars)
        d.stars = starRows(p);
    d.luck = luckReadings(m, d.iSex);
    d.qiYun = startAgeText(d.luck.age);
    d.jiaoYun = writeTime(d.luck.handOver);
    // The start age counts calendar-year boundaries between the birth and the hand-over.
    d.startYear = static_cast<int>(toCivil(d.luck.handOver).date.year());
    d.startAge = d.startYear - static_cast<int>(toCivil(t).date.year());
}

void appendStarRows(std::vector<std::string>& out, const StarRows& stars)
{
    struct Category
    {
        const char* label;
        std::size_t rows;
    };
    static const Category kCategories[] = {
        {"年支： ", 3}, {"年干： ", 2}, {"月支： ", 2}, {"日支： ", 2}, {"日干： ", 2},
    };
    out.emplace_back();
    for (std::size_t c = 0; c < std::size(kCategories); ++c) {
        // The appended space gives a pillar without stars a blank first field.
        std::array<std::string, 4> lists = stars[c];
        for (auto& list : lists)
            list += " ";
        out.push_back(row(kCategories[c].label, fieldOfEach(lists, 0)));
        for (std::size_t k = 1; k < kCategories[c].rows; ++k) {
            const auto fields = fieldOfEach(lists, k);
            if (std::any_of(fields.begin(), fields.end(), [](std::string_view f) { return !f.empty(); }))
                out.push_back(row(kContinuation, fields));
        }
    }
}

} // namespace

std::string FormatString(const std::string& text, std::int16_t columns)
{
    std::string cell;
    appendCell(cell, text, columns);
    return cell;
}

std::string StrDateToStr(std::string& sDate, const Clock& now)
{
    const CivilTime c = toCivil(acceptTime(sDate, now));
    return std::to_string(static_cast<int>(c.date.year())) + "年" +
           std::to_string(static_cast<unsigned>(c.date.month())) + "月" +
           std::to_string(static_cast<unsigned>(c.date.day())) + "日" + std::to_string(c.hour) + "时";
}

std::vector<std::string> momentRows(const ChartRequest& request, const BirthMoment& moment)
{
    const MomentOptions& o = request.moment;
    std::vector<std::string> out;
    if (o.place)
        out.push_back(std::string(rows::kPlace) + placeName(*o.place) + "（" + std::string(o.place->region) + "）");
    if (const auto longitude = o.effectiveLongitude()) {
        out.push_back(std::string(rows::kLongitude) + std::string(*longitude < 0 ? rows::kWest : rows::kEast) +
                      degreesText(std::abs(*longitude)) + std::string(rows::kDegree));
    }
    if (!moment.zone.empty()) {
        std::string zone = std::string(rows::kZone) + moment.zone + " " + offsetText(moment.offset);
        if (moment.dst)
            zone += rows::kSummerTime;
        if (o.fold != zones::Fold::none)
            zone += o.fold == zones::Fold::earlier ? rows::kFoldEarlier : rows::kFoldLater;
        out.push_back(std::move(zone));
    }
    if (moment.solarKind != SolarTimeKind::clock) {
        const std::string_view label =
            moment.solarKind == SolarTimeKind::apparent ? rows::kTrueSolar : rows::kMeanSolar;
        out.push_back(std::string(label) + writeTime(moment.solar));
    }
    if (o.terms == TermMethod::astro)
        out.emplace_back(rows::kAstroTerms);
    if (moment.lateZi != LateZi::same)
        out.emplace_back(moment.lateZi == LateZi::nextStem ? rows::kNextStem : rows::kNextDay);
    return out;
}

std::optional<std::string> checkRequest(const ChartRequest& request)
{
    if (trimName(request.name).empty())
        return std::string("请输入姓名");
    return std::nullopt;
}

ChartComposer::ChartComposer(Clock now) : m_landPP(now), m_now(std::move(now)) {}

ChartResult ChartComposer::compute(const ChartRequest& request) const
{
    if (auto message = checkRequest(request))
        return {std::nullopt, *message};
    ChartResult result;
    try {
        const auto sTime = birthTime(request, m_landPP, result.error);
        if (!sTime)
            return result;
        ChartData d;
        d.name = trimName(request.name);
        d.sexWord = request.male ? "男" : "女";
        d.iSex = request.male ? 1 : 0;
        d.sTime = *sTime;
        auto moment = buildMoment(*readTime(d.sTime), request.moment);
        if (auto* refusal = std::get_if<std::string>(&moment)) {
            result.error = std::move(*refusal);
            return result;
        }
        d.moment = std::get<BirthMoment>(std::move(moment));
        gather(d, d.moment, request.stars);
        result.data = std::move(d);
    } catch (const RangeError& e) {
        result.error = std::string("日期超出范围：") + e.what();
    }
    return result;
}

std::vector<std::string> ChartComposer::lines(const ChartData& d, const ChartRequest& request) const
{
    std::vector<std::string> out;
    out.push_back("姓名：" + d.name + "       性别：" + d.sexWord);
    out.push_back("出生公历：" + d.sTime + kFourSpaces + "农历：" + d.lunarDate);
    for (auto& momentRow : momentRows(request, d.moment))
        out.push_back(std::move(momentRow));
    out.emplace_back();
    out.push_back(d.jiePreName + "：" + d.jiePreTime + kFourSpaces + d.jieNextName + "：" + d.jieNextTime);
    out.emplace_back();
    out.push_back("胎元：" + d.taiYuan + kFourSpaces + "命宫：" + d.mingGong);
    out.emplace_back();
    const PillarReadings& p = d.pillars;
    out.push_back(row("旬空： ", p.voids));
    out.push_back(row("十神： ", p.tenGods));
    const std::string pillarLabel = d.sexWord + "命： ";
    if (request.layout == "竖排") {
        out.push_back(row(pillarLabel, p.chars.stems));
        out.push_back(row(kContinuation, p.chars.branches));
    } else {
        std::array<std::string, 4> pillars;
        for (std::size_t i = 0; i < pillars.size(); ++i)
            pillars[i] = p.chars.ganZhi(i);
        out.push_back(row(pillarLabel, pillars));
    }
    out.push_back(row("遁藏： ", fieldOfEach(p.hiddenStems, 0)));
    out.push_back(row(kContinuation, fieldOfEach(p.hiddenStems, 1)));
    out.push_back(row(kContinuation, fieldOfEach(p.hiddenStems, 2)));
    out.push_back(row("旺衰： ", p.growth));
    out.push_back(row("纳音： ", p.naYin));
    if (d.stars)
        appendStarRows(out, *d.stars);
    out.emplace_back();
    out.push_back("起运： 命主于出生后" + d.qiYun + "开始起运");
    std::string handOver = d.jiaoYun;
    out.push_back("交运： 命主于公历" + StrDateToStr(handOver, m_now) + "交运");
    out.emplace_back();
    out.push_back(row("旺衰： ", d.luck.growth));
    out.push_back(row("纳音： ", d.luck.naYin));
    out.push_back(row("十神： ", d.luck.tenGods));
    std::array<std::string_view, 8> luckPillars;
    std::array<std::string, 8> ages, years;
    for (std::size_t i = 0; i < 8; ++i) {
        const int decades = 10 * static_cast<int>(i);
        luckPillars[i] = ganZhiName(d.luck.pillars[i]);
        ages[i] = std::to_string(d.startAge + decades) + "岁";
        years[i] = std::to_string(d.startYear + decades);
    }
    out.push_back(row("大运： ", luckPillars));
    out.push_back(row("岁数： ", ages));
    out.push_back(row("交运： ", years));
    // Column c is luck pillar c, row r its r-th year: the yearly pillars run on from the hand-over year.
    for (int r = 0; r < 10; ++r) {
        std::array<std::string_view, 8> yearly;
        for (std::size_t c = 0; c < 8; ++c)
            yearly[c] = ganZhiName(d.luck.firstYearly + 10 * static_cast<int>(c) + r);
        out.push_back(row(r == 0 ? "岁数： " : kContinuation, yearly));
    }
    out.emplace_back();
    out.emplace_back();
    return out;
}

std::optional<std::vector<std::string>> ChartComposer::compose(const ChartRequest& request, std::string& error) const
{
    const ChartResult result = compute(request);
    if (!result.data) {
        error = result.error;
        return std::nullopt;
    }
    return lines(*result.data, request);
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
