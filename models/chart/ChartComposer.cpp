#include "models/chart/ChartComposer.h"

#include <algorithm>

#include "engine/analysis/Analysis.h"
#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

const std::string kContinuation = "       "; // a row without label: 7 columns
const std::string kFourSpaces = "    ";
constexpr std::int16_t kCellColumns = 8;

// Leading and trailing blanks, the ideographic space included, are not part of a name.
std::string trimBlanks(std::string_view s)
{
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
            trimmed = true;
        }
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
            trimmed = true;
        }
        if (s.starts_with(kIdeographicSpace)) {
            s.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        }
        if (s.ends_with(kIdeographicSpace)) {
            s.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        }
    }
    return std::string(s);
}

template <std::size_t N>
std::string row(const std::string& label, const std::array<std::string, N>& cells)
{
    std::string text = label;
    for (const auto& cell : cells)
        text += FormatString(cell, kCellColumns);
    return text;
}

// Field k of a ","-separated text; empty when missing.
std::string field(std::string_view text, std::size_t k)
{
    for (std::size_t i = 0; i < k; ++i) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos)
            return {};
        text.remove_prefix(comma + 1);
    }
    return std::string(text.substr(0, text.find(',')));
}

template <std::size_t N>
std::array<std::string, N> fieldOfEach(const std::array<std::string, N>& texts, std::size_t k)
{
    std::array<std::string, N> fields;
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

std::array<std::array<std::string, 4>, 5> starsOf(const PillarChars& p);

// Everything the chart shows of one birth. The values are those of the class's chart methods for the same birth
// text; the pillars and the luck cycle are worked out once here instead of once per method.
void gather(ChartData& d, LocalTime t, bool withStars)
{
    const PillarChars p = pillarChars(t);
    const std::string_view dayStem = p.stems[2];
    d.lunarDate = lunarText(toLunar(std::chrono::floor<std::chrono::days>(t)));
    const Term pre = jiePre(t);
    const Term next = jieNext(t);
    d.jiePreName = termName(pre.n);
    d.jiePreTime = writeTime(pre.at);
    d.jieNextName = termName(next.n);
    d.jieNextTime = writeTime(next.at);
    d.taiYuan = conceptionPillar(monthCount(t));
    d.mingGong = lifePalace(t);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string pillar = p.ganZhi(i);
        d.xunKong[i] = voidBranches(pillar);
        d.shiShen[i] = i == 2 ? "日主" : tenGod(dayStem, p.stems[i]);
        d.wangShuai[i] = growthStage(dayStem, p.branches[i]);
        d.naYin[i] = naYin(pillar);
        d.dunCang[i] = hiddenStems(dayStem, p.branches[i]);
        d.stems[i] = p.stems[i];
        d.branches[i] = p.branches[i];
    }
    if (withStars)
        d.stars = starsOf(p);
    const bool forward = luckForward(t, d.iSex);
    const StartAge age = startAge(startMinutes(t, forward));
    const LocalTime handOverAt = handOver(t, age);
    d.qiYun = startAgeText(age);
    d.jiaoYun = writeTime(handOverAt);
    const int month = monthCount(t);
    for (std::size_t i = 0; i < 8; ++i) {
        const int pillar = luckPillar(month, forward, static_cast<int>(i));
        d.wangShuaiYun[i] = growthStage(dayStem, branchName(pillar));
        d.naYinYun[i] = naYin(ganZhi(pillar));
        d.shiShenYun[i] = tenGod(dayStem, stemName(pillar));
        d.daYun[i] = ganZhi(pillar);
    }
    // The start age counts calendar-year boundaries between the birth and the hand-over.
    d.startYear = static_cast<int>(toCivil(handOverAt).date.year());
    d.startAge = d.startYear - static_cast<int>(toCivil(t).date.year());
    const int firstYear = yearCount(handOverAt); // the yearly pillars turn at 立春
    for (std::size_t i = 0; i < d.liuNian.size(); ++i)
        d.liuNian[i] = ganZhi(firstYear + static_cast<int>(i));
}

// 年支, 年干, 月支, 日支 and 日干 stars on the branch of each pillar, the key's own pillar included.
std::array<std::array<std::string, 4>, 5> starsOf(const PillarChars& p)
{
    std::array<std::array<std::string, 4>, 5> stars;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view branch = p.branches[i];
        stars[0][i] = yearBranchStars(p.branches[0], branch);
        stars[1][i] = stemStars(p.stems[0], branch);
        stars[2][i] = monthBranchStars(p.branches[1], branch);
        stars[3][i] = dayBranchStars(p.branches[2], branch);
        stars[4][i] = stemStars(p.stems[2], branch);
    }
    return stars;
}

void appendStarRows(std::vector<std::string>& out, const std::array<std::array<std::string, 4>, 5>& stars)
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
            if (std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); }))
                out.push_back(row(kContinuation, fields));
        }
    }
}


} // namespace

std::string FormatString(const std::string& text, std::int16_t columns)
{
    const int width = utf8::width(text);
    if (width < columns)
        return text + std::string(static_cast<std::size_t>(columns - width), ' ');
    return std::string(utf8::left(text, static_cast<std::size_t>(std::max<std::int16_t>(columns, 0))));
}

std::string StrDateToStr(std::string& sDate, const Clock& now)
{
    const CivilTime c = toCivil(acceptTime(sDate, now));
    return std::to_string(static_cast<int>(c.date.year())) + "年" +
           std::to_string(static_cast<unsigned>(c.date.month())) + "月" +
           std::to_string(static_cast<unsigned>(c.date.day())) + "日" + std::to_string(c.hour) + "时";
}

std::optional<std::string> checkRequest(const ChartRequest& request)
{
    if (trimBlanks(request.name).empty())
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
        d.name = trimBlanks(request.name);
        d.sexWord = request.male ? "男" : "女";
        d.iSex = request.male ? 1 : 0;
        d.sTime = *sTime;
        gather(d, *readTime(d.sTime), request.stars);
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
    out.emplace_back();
    out.push_back(d.jiePreName + "：" + d.jiePreTime + kFourSpaces + d.jieNextName + "：" + d.jieNextTime);
    out.emplace_back();
    out.push_back("胎元：" + d.taiYuan + kFourSpaces + "命宫：" + d.mingGong);
    out.emplace_back();
    out.push_back(row("旬空： ", d.xunKong));
    out.push_back(row("十神： ", d.shiShen));
    const std::string pillarLabel = d.sexWord + "命： ";
    if (request.layout == "竖排") {
        out.push_back(row(pillarLabel, d.stems));
        out.push_back(row(kContinuation, d.branches));
    } else {
        std::array<std::string, 4> pillars;
        for (std::size_t i = 0; i < pillars.size(); ++i)
            pillars[i] = d.stems[i] + d.branches[i];
        out.push_back(row(pillarLabel, pillars));
    }
    out.push_back(row("遁藏： ", fieldOfEach(d.dunCang, 0)));
    out.push_back(row(kContinuation, fieldOfEach(d.dunCang, 1)));
    out.push_back(row(kContinuation, fieldOfEach(d.dunCang, 2)));
    out.push_back(row("旺衰： ", d.wangShuai));
    out.push_back(row("纳音： ", d.naYin));
    if (d.stars)
        appendStarRows(out, *d.stars);
    out.emplace_back();
    out.push_back("起运： 命主于出生后" + d.qiYun + "开始起运");
    std::string handOver = d.jiaoYun;
    out.push_back("交运： 命主于公历" + StrDateToStr(handOver, m_now) + "交运");
    out.emplace_back();
    out.push_back(row("旺衰： ", d.wangShuaiYun));
    out.push_back(row("纳音： ", d.naYinYun));
    out.push_back(row("十神： ", d.shiShenYun));
    out.push_back(row("大运： ", d.daYun));
    std::array<std::string, 8> ages, years;
    for (int i = 0; i < 8; ++i) {
        ages[static_cast<std::size_t>(i)] = std::to_string(d.startAge + 10 * i) + "岁";
        years[static_cast<std::size_t>(i)] = std::to_string(d.startYear + 10 * i);
    }
    out.push_back(row("岁数： ", ages));
    out.push_back(row("交运： ", years));
    // Column c is luck pillar c, row r its r-th year.
    for (std::size_t r = 0; r < 10; ++r) {
        std::array<std::string, 8> yearly;
        for (std::size_t c = 0; c < 8; ++c)
            yearly[c] = d.liuNian[10 * c + r];
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
    std::string text;
    for (const auto& line : lines)
        text += line + eol;
    return text;
}

} // namespace models
