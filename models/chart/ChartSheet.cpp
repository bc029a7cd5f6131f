#include "models/chart/ChartSheet.h"

#include "models/chart/AnalysisText.h"
#include "models/chart/ChartText.h"

#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

#include <chrono>

using namespace engine;

namespace models {
namespace {

SheetGlyph glyph(std::string_view text)
{
    return {std::string(text), elementOf(text)};
}

// "癸正印, , " gives one hidden stem: each entry is the stem's character, then its ten god.
std::vector<SheetHiddenStem> hiddenStemsOf(std::string_view list)
{
    std::vector<SheetHiddenStem> out;
    for (const std::string_view entry : listEntries(list)) {
        if (!entry.empty())
            out.push_back({glyph(utf8::at(entry, 0)), std::string(utf8::mid(entry, 1))});
    }
    return out;
}

std::vector<std::string> namesOf(std::string_view list)
{
    std::vector<std::string> out;
    for (const std::string_view name : listEntries(list)) {
        if (!name.empty())
            out.emplace_back(name);
    }
    return out;
}

std::vector<SheetStarRow> starRowsOf(const StarRows& stars)
{
    constexpr const char* kKeys[] = {"年支", "年干", "月支", "日支", "日干"};
    std::vector<SheetStarRow> out;
    for (std::size_t k = 0; k < std::size(kKeys); ++k) {
        SheetStarRow row{kKeys[k], {}};
        for (std::size_t p = 0; p < 4; ++p)
            row.names[p] = namesOf(stars[k][p]);
        out.push_back(std::move(row));
    }
    return out;
}

// The same clock time `years` later; 29 February becomes 1 March in a common year.
LocalTime yearsLater(LocalTime t, int years)
{
    const CivilTime c = toCivil(t);
    const auto date =
        std::chrono::year_month_day{c.date.year() + std::chrono::years{years}, c.date.month(), c.date.day()};
    const std::chrono::local_days day{std::chrono::sys_days{date}.time_since_epoch()};
    return LocalTime{day} + (t - std::chrono::floor<std::chrono::days>(t));
}

// The luck pillar running at `today`: pillar i runs from the hand-over plus 10·i years.
std::optional<int> runningLuck(LocalTime handOver, LocalTime today)
{
    if (today < handOver || today >= yearsLater(handOver, 80))
        return std::nullopt;
    int i = 0;
    while (i < 7 && today >= yearsLater(handOver, 10 * (i + 1)))
        ++i;
    return i;
}

// The luck pillars, and the ten yearly pillars of the one shown: the current one, else the nearest.
void fillLuck(ChartSheet& sheet, const Chart& c)
{
    for (std::size_t i = 0; i < 8; ++i) {
        const std::string_view pillar = ganZhiName(c.luck.pillars[i]);
        const int decades = 10 * static_cast<int>(i);
        sheet.luck[i] = {glyph(utf8::at(pillar, 0)),    glyph(utf8::at(pillar, 1)),   std::string(c.luck.tenGods[i]),
                         std::string(c.luck.growth[i]), std::string(c.luck.naYin[i]), c.startAge + decades,
                         c.startYear + decades};
    }
    sheet.currentLuck = runningLuck(c.luck.handOver, c.today);
    sheet.shownPeriod = sheet.currentLuck.value_or(c.today < c.luck.handOver ? 0 : 7);
    const int todayYear = static_cast<int>(toCivil(c.today).date.year());
    for (int r = 0; r < 10; ++r) {
        const int count = c.luck.firstYearly + 10 * sheet.shownPeriod + r;
        const std::string_view pillar = ganZhiName(count);
        const int year = c.startYear + 10 * sheet.shownPeriod + r;
        sheet.yearly[static_cast<std::size_t>(r)] = {year, glyph(utf8::at(pillar, 0)), glyph(utf8::at(pillar, 1))};
        if (year == todayYear)
            sheet.currentYear = r;
    }
}

SheetAnalysis sheetAnalysis(const ChartAnalysis& a)
{
    SheetAnalysis s{a.bodyPalace, a.breath, {}, a.elements.visible, a.elements.withHidden, {}, {}};
    for (const Relation& r : a.relations)
        s.relations.push_back(relationText(r));
    for (std::size_t e = 0; e < a.season.size(); ++e)
        s.season[e] = std::string(elementName(static_cast<Element>(e))).append(vigourName(a.season[e]));
    for (const Notice& n : a.notices)
        s.notices.push_back(n.text);
    return s;
}

} // namespace

ChartSheet chartSheet(const Chart& c)
{
    ChartSheet sheet;
    sheet.name = c.name;
    sheet.sex = c.sexWord();
    sheet.header.push_back("公历：" + birthWords(c));
    sheet.header.push_back("农历：" + lunarText(c.lunar));
    for (auto& row : momentRows(c.moment, c.hourPillar()))
        sheet.header.push_back(std::move(row));
    sheet.header.push_back(termsRow(c));
    sheet.conception = c.conception;
    sheet.lifePalace = c.lifePalace;

    constexpr const char* kTitles[] = {"年柱", "月柱", "日柱", "时柱"};
    const PillarReadings& p = c.pillars;
    for (std::size_t i = 0; i < 4; ++i) {
        sheet.pillars[i] = {kTitles[i],
                            std::string(p.tenGods[i]),
                            glyph(p.chars.stems[i]),
                            glyph(p.chars.branches[i]),
                            hiddenStemsOf(p.hiddenStems[i]),
                            std::string(p.growth[i]),
                            std::string(p.naYin[i]),
                            std::string(p.voids[i]),
                            c.analysis ? std::string(c.analysis->selfSeats[i]) : std::string()};
    }
    if (c.stars)
        sheet.stars = starRowsOf(*c.stars);
    if (c.analysis)
        sheet.analysis = sheetAnalysis(*c.analysis);
    sheet.start = startSentence(c);
    sheet.handOver = handOverSentence(c);
    fillLuck(sheet, c);
    return sheet;
}

} // namespace models
